# archive_members.sh -- sourced by the bench scripts: an archive's members
# unpacked into a folder to edit, and packed again. Needs $sddpack.

# unpack_members ARCHIVE DIR: every member as DIR/its/path.
unpack_members() {
  local member path
  "$sddpack" list "$1" | while IFS= read -r member; do
    path="$2/${member//\\//}"
    mkdir -p "$(dirname "$path")"
    "$sddpack" extract "$1" "$member" > "$path"
  done
}

# pack_members DIR ARCHIVE
pack_members() {
  mkdir -p "$(dirname "$2")"
  "$sddpack" create "$2" "$1" > /dev/null
}

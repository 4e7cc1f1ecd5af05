#!/usr/bin/env bash
# Packs a folder with sddpack, then lists and extracts it with sddpack and
# with two independent readers (bsdtar, 7z): names and bytes must agree.
# Error cases must fail with a message and a non-zero status.
set -u
sddpack=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

src=$work/src
mkdir -p "$src/textures" "$src/meshes/deep"
printf 'a.jpg\nEND_TEXT\n' > "$src/texture.txt"
head -c 70000 /dev/urandom > "$src/textures/a.jpg"
head -c 1 /dev/urandom > "$src/meshes/deep/one.dat"
: > "$src/empty.txt"
"$sddpack" create "$work/data.sdd" "$src" || fail "create"

expected=$'empty.txt\nmeshes\\deep\\one.dat\ntexture.txt\ntextures\\a.jpg'
[ "$("$sddpack" list "$work/data.sdd")" = "$expected" ] || fail "sddpack list"
# bsdtar and 7z show the separator as "/".
slashed=${expected//\\//}
[ "$(bsdtar -tf "$work/data.sdd")" = "$slashed" ] || fail "bsdtar -t"
bsdtar -tvf "$work/data.sdd" > /dev/null || fail "bsdtar -tv"
7z l "$work/data.sdd" > "$work/7z.txt" 2>&1 || fail "7z l"
for name in empty.txt meshes/deep/one.dat texture.txt textures/a.jpg; do
  grep -q "${name//\//.}\$" "$work/7z.txt" || fail "7z l lacks $name"
done
7z t "$work/data.sdd" > /dev/null 2>&1 || fail "7z t (CRC check)"

for name in empty.txt meshes/deep/one.dat texture.txt textures/a.jpg; do
  file=$src/$name
  "$sddpack" extract "$work/data.sdd" "${name//\//\\}" | cmp -s - "$file" || fail "sddpack extract $name"
  "$sddpack" extract "$work/data.sdd" "$(echo "$name" | tr a-z A-Z)" | cmp -s - "$file" ||
    fail "sddpack extract of $name in capitals"
  bsdtar -xOf "$work/data.sdd" "$name" | cmp -s - "$file" || fail "bsdtar -x $name"
  7z x -so "$work/data.sdd" "$name" 2> /dev/null | cmp -s - "$file" || fail "7z x $name"
done

# The same folder packs to the same bytes; an archive inside the folder is not packed into itself.
"$sddpack" create "$work/again.sdd" "$src" && cmp -s "$work/data.sdd" "$work/again.sdd" ||
  fail "packing is not deterministic"
"$sddpack" create "$src/data.sdd" "$src" && "$sddpack" create "$src/data.sdd" "$src" &&
  ! "$sddpack" list "$src/data.sdd" | grep -q data.sdd || fail "the archive packed itself"
rm -f "$src/data.sdd"

expect_failure() {
  local what=$1; shift
  local message
  if message=$("$sddpack" "$@" 2>&1 > /dev/null); then
    fail "$what succeeded"
  elif [ -z "$message" ]; then
    fail "$what gave no message"
  fi
}
head -c 300 /dev/urandom > "$work/garbage.sdd"
head -c 100 "$work/data.sdd" > "$work/short.sdd"
expect_failure "no arguments"
expect_failure "an unknown command" pack "$work/x.sdd" "$src"
expect_failure "a missing argument" extract "$work/data.sdd"
expect_failure "a missing folder" create "$work/x.sdd" "$work/nowhere"
expect_failure "an unwritable archive" create "$work/nowhere/x.sdd" "$src"
expect_failure "listing a missing archive" list "$work/nowhere.sdd"
expect_failure "listing garbage" list "$work/garbage.sdd"
expect_failure "listing a truncated archive" list "$work/short.sdd"
expect_failure "extracting a missing member" extract "$work/data.sdd" textures/b.jpg
expect_failure "extracting from a missing archive" extract "$work/nowhere.sdd" texture.txt
expect_failure "extracting from garbage" extract "$work/garbage.sdd" texture.txt

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "sddpack: all reader checks passed"

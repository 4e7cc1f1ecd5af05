#!/usr/bin/env bash
# check_scene.sh -- the scene author's tools as an author uses them: the checker on a broken scene
# and on clean ones, sddpack's summary, and a folder of loose files shown as its archive is.
#   check_scene.sh broken|clean|folder ORBIVANE_CHECK ORBIVANE_RENDER SDDPACK EXAMPLE [ARCHIVE STAGE]
# EXAMPLE is examples/minimal; ARCHIVE and STAGE are the default scene's
# data.sdd and the folder it was packed from.
set -u
scenario=$1
check=$(realpath "$2")
render=$(realpath "$3")
sddpack=$(realpath "$4")
example=$(realpath "$5")
archive=${6:+$(realpath "$6")}
stage=${7:+$(realpath "$7")}
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 2
failures=0
check() {  # check DESCRIPTION COMMAND...
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}
# The brightest channel value of a picture, 0-255.
brightest() { convert "$1" -colorspace gray -format '%[fx:int(maxima*255)]' info:; }

case $scenario in
  broken)
    # The example's pictures, meshes and music with the broken text files,
    # an image that is no image and music that is no music.
    cp -r "$example" scene
    rm scene/*.txt
    cp "$here"/broken_scene/*.txt scene/
    printf 'not an image' >scene/textures/broken.tga
    printf 'not music' >scene/music.ogg
    "$check" scene >out 2>err
    status=$?
    check "with errors the status is 2" [ "$status" -eq 2 ]
    check "every fault is named at its file and line, and nothing else" \
      diff -u "$here/broken_scene.expected" out
    check "nothing goes to the error stream" [ ! -s err ]
    "$render" --data scene --seed 3 --dt 0.05 --frames 20 --width 160 --height 120 \
      --shot shot.png >/dev/null 2>&1
    check "the rest of the scene renders: the sun shows" [ "$(brightest shot.png)" -gt 200 ]
    ;;
  clean)
    "$check" "$example" >out 2>&1
    check "the example is clean: status 0" [ $? -eq 0 ]
    check "and the summary is the only line" \
      [ "$(cat out)" = "$example: 0 errors, 0 warnings (1 world, 5 objects, 5 textures)" ]
    "$sddpack" create packed.sdd "$example" >out 2>&1
    check "sddpack packs it and prints the check's summary" \
      grep -qx "sddpack: the scene in $example: 0 errors, 0 warnings (1 world, 5 objects, 5 textures)" out
    "$check" packed.sdd >out 2>&1
    check "the archive made from it is clean too" [ $? -eq 0 ]
    if [ -n "$archive" ]; then
      "$check" "$archive" >out 2>&1
      check "the default scene is clean" [ $? -eq 0 ]
      cat out
    fi
    mkdir notes && echo "a note" >notes/readme.txt
    "$sddpack" create notes.sdd notes >out 2>&1
    check "a folder that holds no scene is packed without a check" [ $? -eq 0 ] && [ ! -s out ]
    ;;
  folder)
    # The default scene's own folder, with its folder and some files named in
    # other letters: the same pictures as the archive packed from it.
    cp -r "$stage" loose
    mv loose/textures loose/Textures
    mv loose/Textures/sky.jpg loose/Textures/SKY.JPG
    mv loose/system.txt loose/System.TXT
    for source in loose "$(dirname "$archive")"; do
      "$render" --data "$source" --seed 9 --dt 0.05 --frames 60 --width 320 --height 240 \
        --shots "frames-$(basename "$source")" --every 20 >/dev/null 2>err-$(basename "$source")
    done
    from_archive=frames-$(basename "$(dirname "$archive")")
    check "the folder renders every picture" [ "$(ls frames-loose | wc -l)" -eq 3 ]
    check "byte for byte as the archive does" diff -r frames-loose "$from_archive"
    check "without a word on missing data" [ ! -s err-loose ]
    ;;
  *)
    echo "check_scene: unknown scenario $scenario" >&2
    exit 2
    ;;
esac

[ "$failures" -eq 0 ]

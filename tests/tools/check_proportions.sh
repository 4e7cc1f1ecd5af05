#!/usr/bin/env bash
# check_proportions.sh -- pictures of any shape: a round disc stays round, the clock keeps its shape
#   check_proportions.sh ORBIVANE_RENDER MAKE_TEST_SCENE
set -uo pipefail
render=$1
make_scene=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$make_scene" "$work" || exit 1

failures=0
check() {  # check DESCRIPTION COMMAND...
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}
# picture WxH [ARGS...]: the scene's glowing disc at a frame where it lies
# wholly inside the 4:3 picture, into $work/WxH.png.
picture() {
  "$render" --data "$work" --seed 2 --dt 0.05 --frames 20 --width "${1%x*}" --height "${1#*x}" \
    --shot "$work/$1.png" "${@:2}" >/dev/null 2>&1
}
# lit_box FILE CHANNEL [CROP]: width and height of where the channel is over half.
lit_box() {
  convert "$1" ${3:+-crop "$3" +repage} -channel "$2" -separate +channel -threshold 50% -trim \
    -format '%w %h' info:
}
round() {  # round W H: within 2 % (a pixel on small pictures)
  awk -v w="$1" -v h="$2" 'BEGIN { d = w - h; if (d < 0) d = -d; exit !(d <= 1 || d <= 0.02 * w) }'
}
same_ratio() {  # same_ratio W H W0 H0: the two boxes' shapes within 3 %
  awk -v a="$(($1 * 1000 / $2))" -v b="$(($3 * 1000 / $4))" \
    'BEGIN { d = a / b - 1; if (d < 0) d = -d; exit !(d <= 0.03) }'
}

for size in 1024x768 1920x1080 2560x1080 1280x1024 1080x1920 160x120; do
  picture "$size"
  read -r w h <<<"$(lit_box "$work/$size.png" R)"
  check "$size: the disc is round ($w x $h)" round "$w" "$h"
done

# The clock's glyphs are solid squares here: its box is 236 x 40 layout
# units on every shape. Measured in the bottom tenth, where the disc is dim.
clock_box() {
  picture "$1" --show-clock
  local height=${1#*x}
  lit_box "$work/$1.png" B "${1%x*}x$((height / 10))+0+$((height - height / 10))"
}
read -r w0 h0 <<<"$(clock_box 1024x768)"
for size in 1920x1080 2560x1080 1080x1920; do
  read -r w h <<<"$(clock_box "$size")"
  check "$size: the clock keeps its shape ($w x $h against $w0 x $h0)" same_ratio "$w" "$h" "$w0" "$h0"
done
exit $((failures > 0))

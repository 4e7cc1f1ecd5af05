#!/usr/bin/env bash
# End-to-end tests of orbivane.scr under Wine on the X display in $DISPLAY,
# driven as a person would: xdotool for keys, clicks and the pointer,
# screenshots of the root window, the registry through `wine reg`.
#   saver_e2e.sh SCENARIO ORBIVANE_SCR MAKE_TEST_SCENE_EXE HOST_HARNESS_EXE [WINDOWS_TESTS_EXE]
# The tests share a Wine prefix of their own ($WINEPREFIX-e2e), so stopping
# its wineserver at the end leaves other Wine programs alone.
set -uo pipefail

scenario=$1
scr=$(realpath "$2")
make_scene=$(realpath "$3")
harness=$(realpath "$4")
windows_tests=${5:-}

if [ -z "${DISPLAY:-}" ]; then
  echo "saver_e2e: no DISPLAY; run the tests through scripts/test (it starts Xvfb)" >&2
  exit 1
fi
base_prefix=${WINEPREFIX:-$(dirname "$scr")/wineprefix}
export WINEPREFIX=$base_prefix-e2e
export WINEDEBUG=-all
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
key='HKCU\Software\Kelvora\Orbivane'

work=$(mktemp -d)
saver_pid=
scaled=
cleanup() {
  [ -n "$saver_pid" ] && kill "$saver_pid" 2>/dev/null
  [ -z "$scaled" ] || set_dpi ''
  wineserver -k >/dev/null 2>&1
  rm -rf "$work"
}
trap cleanup EXIT
source "$(dirname "$0")/e2e_lib.sh"

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1
  wineserver -w
fi

# The display scaling as winecfg sets it (dots per inch; empty: the default),
# read by Wine programs started afterwards.
set_dpi() {
  local desktop='HKCU\Control Panel\Desktop'
  if [ -n "$1" ]; then
    wine reg add "$desktop" /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  else
    wine reg delete "$desktop" /v LogPixels /f >/dev/null 2>&1
  fi
  wineserver -k >/dev/null 2>&1
  wineserver -w
}

reg_clear() { wine reg delete "$key" /f >/dev/null 2>&1; true; }
reg_dword() { wine reg add "$key" /v "$1" /t REG_DWORD /d "$2" /f >/dev/null 2>&1; }
reg_text() { wine reg add "$key" /v "$1" /t REG_SZ /d "$2" /f >/dev/null 2>&1; }
reg_value() {  # the data of one value, empty when absent
  wine reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' | awk -v n="$1" '$1 == n { print $3 }'
}
reg_export() {
  wine reg export "$key" "$(winepath -w "$1")" /y >/dev/null 2>&1 || : >"$1"
}

# A folder with the test scene; prints the folder's Windows path.
scene_folder() {
  mkdir -p "$work/scene"
  (cd "$work/scene" && wine "$make_scene" >/dev/null 2>&1)
  [ -s "$work/scene/data.sdd" ] || { echo "saver_e2e: the test scene was not written" >&2; exit 1; }
  winepath -w "$work/scene"
}

start_saver() {  # start_saver ARGS...: runs the saver in the background
  wine "$scr" "$@" >/dev/null 2>&1 &
  saver_pid=$!
}

new_error_box() {  # new_error_box SECONDS: an "Error" box other than $box; its id into $box
  local id
  for ((i = 0; i < $1 * 10; i++)); do
    for id in $(xdotool search --name '^Error$' 2>/dev/null); do
      [ "$id" != "$box" ] && box=$id && return 0
    done
    sleep 0.1
  done
  return 1
}

# Presses Return on box $box until it closes: a box just shown may not take
# keys yet.
answer_error_box() {
  for ((try = 0; try < 10; try++)); do
    xdotool windowfocus --sync "$box" key Return >/dev/null 2>&1
    for ((i = 0; i < 20; i++)); do
      xdotool search --name '^Error$' 2>/dev/null | grep -qx "$box" || return 0
      sleep 0.1
    done
  done
  return 1
}

# The saver of the test scene, running and past its loading.
saver_with_scene() {
  reg_clear
  local folder
  folder=$(scene_folder) || exit 1
  reg_text Path "$folder"
  for setting in "$@"; do reg_dword "${setting%=*}" "${setting#*=}"; done
  start_saver /s
  check "the saver window appears" window_appears Orbivane 30
  sleep 4
}

case $scenario in
  key)
    saver_with_scene
    brightness=$(brightest_centre 5)
    echo "centre brightness after loading: $brightness"
    check "the scene shows a non-black picture" above "${brightness:-0}" 0.02
    check "the saver keeps running" running
    xdotool key space
    check "a key ends the saver" ends_within 5
    ;;
  click)
    saver_with_scene
    xdotool click 1
    check "a click ends the saver" ends_within 5
    ;;
  mouse-exit)
    saver_with_scene MouseExit=1 EnableMusic=0
    read -r width height < <(xdotool getdisplaygeometry)
    cx=$((width / 2)) cy=$((height / 2))
    for dx in 4 -4 4 -4 4 -4; do
      xdotool mousemove $((cx + dx)) $cy
      sleep 0.1
    done
    sleep 1
    check "a few pixels' jitter does not end it" running
    xdotool mousemove $((cx - 40)) $cy
    check "moving 40 pixels to the left ends it" ends_within 5
    ;;
  no-mouse-exit)
    saver_with_scene MouseExit=0
    read -r width height < <(xdotool getdisplaygeometry)
    xdotool mousemove $((width / 2 + 40)) $((height / 2 + 40))
    sleep 2
    check "without MouseExit the pointer does not end it" running
    xdotool key Escape
    check "a key ends it" ends_within 5
    ;;
  missing-data)
    reg_clear
    mkdir -p "$work/empty"
    reg_text Path "$(winepath -w "$work/empty")"
    start_saver /s
    # Each loading-screen image that cannot be read is reported in a box.
    # Each box is answered by its id, so that a slow second box is never
    # taken for the first one still closing.
    box=
    for image in load sign; do
      check "the missing $image image is reported" new_error_box 30
      answer_error_box
    done
    check "the saver window appears without data" window_appears Orbivane 30
    sleep 3
    brightness=$(brightest_centre 5)
    echo "centre brightness without data: $brightness"
    check "the picture is black" below "${brightness:-1}" 0.02
    xdotool key space
    check "a key ends it" ends_within 5
    ;;
  loose-folder)
    # The test scene's members as loose files beside no data.sdd, one of
    # them in other letters: the saver shows the scene from them.
    reg_clear
    scene_folder >/dev/null || exit 1
    mkdir -p "$work/loose"
    (cd "$work/loose" && bsdtar -xf "$work/scene/data.sdd")
    mv "$work/loose/textures/glow.jpg" "$work/loose/textures/GLOW.JPG"
    reg_text Path "$(winepath -w "$work/loose")"
    start_saver /s
    check "the saver window appears" window_appears Orbivane 30
    sleep 4
    brightness=$(brightest_centre 5)
    echo "centre brightness from loose files: $brightness"
    check "the scene shows a non-black picture" above "${brightness:-0}" 0.02
    check "without a box on missing data" bash -c "! xdotool search --name '^Error\$'"
    xdotool key space
    check "a key ends the saver" ends_within 5
    ;;
  configure-return)
    reg_clear
    start_saver /c
    check "the dialog appears" window_appears "Orbivane Configuration" 20
    sleep 1
    xdotool key Return
    check "Return closes the dialog" ends_within 5
    for name in ShowClock TimeFormat EnableMusic UseDesktop DefGamma Width Height Depth Volume \
      Speed Gamma VSync MouseExit ShowFPS; do
      check "$name written" test -n "$(reg_value "$name")"
    done
    check "ShowFlame written as 0" test "$(reg_value ShowFlame)" = 0x0
    check "Speed written with its default" test "$(reg_value Speed)" = 0x32
    check "Path not written" test -z "$(reg_value Path)"
    ;;
  configure-escape)
    reg_clear
    reg_dword Speed 33
    reg_dword ShowFPS 7
    reg_text Path 'C:\saver data'
    reg_export "$work/before.reg"
    check "the key is exported" test -s "$work/before.reg"
    start_saver /c
    check "the dialog appears" window_appears "Orbivane Configuration" 20
    sleep 1
    xdotool key Escape
    check "Escape closes the dialog" ends_within 5
    reg_export "$work/after.reg"
    check "the registry is as it was" cmp -s "$work/before.reg" "$work/after.reg"
    reg_export "$work/before.reg"
    check "Cancel from the owner window ends it" wine "$harness" configure "$(winepath -w "$scr")"
    reg_export "$work/after.reg"
    check "the registry is still as it was" cmp -s "$work/before.reg" "$work/after.reg"
    ;;
  preview)
    check "the preview fills its parent and ends with it" wine "$harness" preview "$(winepath -w "$scr")"
    ;;
  preview-no-parent)
    check "/p without a window says so" wine "$harness" no-parent "$(winepath -w "$scr")"
    ;;
  configure-scaled)
    # The dialog at 100 % and at 150 % display scaling: everything fits at
    # both, and at 150 % the dialog is half as large again.
    scaled=yes
    declare -A width
    for dpi in 96 144; do
      set_dpi $dpi
      out=$(wine "$windows_tests" --gtest_filter=ConfigDialog.EverythingFitsAtThisScaling 2>&1 |
        tr -d '\r')
      check "at $dpi dpi everything in the dialog fits" grep -q '^\[  PASSED  \] 1 test' <<<"$out"
      width[$dpi]=$(sed -n 's/^dialog client size: \([0-9]*\)x.*/\1/p' <<<"$out")
      echo "dialog width at $dpi dpi: ${width[$dpi]}"
    done
    ratio=$(awk -v a="${width[144]:-0}" -v b="${width[96]:-1}" 'BEGIN { print a / b }')
    check "at 144 dpi the dialog is 1.5 times as wide" \
      awk -v r="$ratio" 'BEGIN { exit !(r > 1.4 && r < 1.6) }'
    ;;
  *)
    echo "saver_e2e: unknown scenario $scenario" >&2
    exit 2
    ;;
esac

[ "$failures" -eq 0 ]

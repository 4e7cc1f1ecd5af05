#!/usr/bin/env bash
# orbivane-render from the outside: bad options give usage and status 2; a
# missing data folder still renders (black) and says what is missing; the
# pictures are PNGs of the asked size, upright, every K-th frame named by
# its number.
set -u
absolute() { echo "$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"; }
render=$(absolute "$1")
sddpack=$(absolute "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

for args in "--bogus" "--width" "--width 0" "--height x" "--frames -1" "--speed 101" \
    "--every 0" "--dt -1" "--seed" "--data" "--shot" "--shots" "--pause 5" "--pause 5:-1"; do
  # shellcheck disable=SC2086
  "$render" $args > "$work/out" 2> "$work/err"
  status=$?
  [ "$status" -eq 2 ] || fail "'$args' exits $status, not 2"
  grep -q '^usage:' "$work/err" || fail "'$args' prints no usage"
done

cd "$work"
"$render" --data "$work/none" --width 32 --height 24 --frames 5 --dt 0.1 \
  --shot "$work/shot.png" --shots "$work/frames" --every 2 --bench > out 2> err
status=$?
[ "$status" -eq 0 ] || fail "run without data exits $status"
grep -q "no data folder $work/none: nothing to show" err || fail "missing data folder not reported"
[ "$(identify -format '%m %w %h' shot.png 2>&1)" = "PNG 32 24" ] || fail "shot is not a 32 x 24 PNG"
[ "$(ls frames)" = $'frame-000000.png\nframe-000002.png\nframe-000004.png' ] ||
  fail "frames written: $(ls frames | tr '\n' ' ')"
tail -n 1 out | grep -Eq '^load_ms=[0-9.]+ frames=5 mean_ms=[0-9.]+ p50_ms=[0-9.]+ p95_ms=[0-9.]+ fps=[0-9.]+$' ||
  fail "bench line: $(tail -n 1 out)"

mkdir empty
"$render" --data empty --frames 1 --width 8 --height 8 > out 2> err || fail "empty data folder run fails"
grep -q "no data archive empty/data.sdd" err || fail "missing archive not reported"

"$render" --data empty --frames 1 --width 8 --height 8 --shot "$work/no/such/dir/x.png" 2> err
[ $? -eq 1 ] || fail "unwritable shot does not fail"
grep -q "x.png" err || fail "unwritable shot not reported"

# An empty world with the FPS counter: without a glyph image the counter is
# a white square at the top left of an upright picture; the rest is black.
mkdir -p scene/src scene/out
printf 'world world\nend\nWORLD_END\n' > scene/src/worlds.txt
"$sddpack" create scene/out/data.sdd scene/src > /dev/null || fail "sddpack create"
"$render" --data scene/out --frames 1 --width 80 --height 60 --show-fps --shot top.png 2> err
grep -q "Can't load JPG file: textures.load.jpg" err || fail "missing loading image not reported"
top=$(convert top.png -crop 2x2+2+2 -format '%[fx:mean]' info:)
bottom=$(convert top.png -crop 2x2+2+56 -format '%[fx:mean]' info:)
awk -v t="$top" -v b="$bottom" 'BEGIN { exit !(t > 0.9 && b < 0.1) }' ||
  fail "picture not upright (top $top, bottom $bottom)"

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "orbivane-render command line: all checks passed"

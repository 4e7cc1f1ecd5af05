#!/usr/bin/env bash
# Nothing in a frame waits for the GPU or asks the driver for state where
# the driver has occlusion queries: orbivane-render on the default scene,
# traced with apitrace over 5 and over 10 frames; the five frames between
# make no glReadPixels, glGetTexImage or glFinish call, no glGet* or glIs*
# call but for the occlusion queries' results, and test the flares by
# occlusion queries; loading reads no texture back. With --depth-reads the
# same frames do read (the check sees reads where there are some).
#   check_frame_calls.sh ORBIVANE-RENDER DEFAULT-ARCHIVE
set -u
render=$1
data=$(dirname "$2")
command -v apitrace > /dev/null || { echo "FAIL: apitrace is missing (package apitrace)"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# calls FRAMES [OPTIONS]: the name of every GL call of the run, one a line.
calls() {
  local frames=$1
  shift
  apitrace trace --api egl -o "$work/run.trace" "$render" --data "$data" --seed 3 --dt 0.05 \
    --width 320 --height 240 --frames "$frames" "$@" > "$work/run.out" 2>&1 ||
    fail "orbivane-render --frames $frames $*: $(tail -n 3 "$work/run.out")"
  apitrace dump -v --call-nos=no --color=never "$work/run.trace" |
    sed -n 's/^\(gl[A-Za-z0-9_]*\)(.*/\1/p'
  rm -f "$work/run.trace"
}
# in_frames PATTERN SHORT LONG: calls matching PATTERN in the long run beyond the short one.
in_frames() { echo $(($(grep -cxE "$1" "$3") - $(grep -cxE "$1" "$2"))); }

waits='glReadPixels|glGetTexImage|glFinish'
for mode in queries depth-reads; do
  options=()
  [ "$mode" = depth-reads ] && options=(--depth-reads)
  calls 5 "${options[@]}" > "$work/$mode-5"
  calls 10 "${options[@]}" > "$work/$mode-10"
done

reads=$(in_frames "$waits" "$work/queries-5" "$work/queries-10")
[ "$reads" -eq 0 ] || fail "5 frames made $reads calls that wait: $(sort "$work/queries-10" | uniq -c | grep -E " ($waits)$" | tr '\n' ' ')"
asks='glGet[A-Za-z]*|glIs[A-Za-z]*' results='glGetQueryObject[a-z0-9]*'
asked=$(($(in_frames "$asks" "$work/queries-5" "$work/queries-10") -
         $(in_frames "$results" "$work/queries-5" "$work/queries-10")))
[ "$asked" -eq 0 ] || fail "5 frames asked the driver $asked times: $(sort "$work/queries-10" | uniq -c | grep -E " ($asks)$" | grep -vE " $results$" | tr '\n' ' ')"
queries=$(in_frames glBeginQuery "$work/queries-5" "$work/queries-10")
[ "$queries" -gt 0 ] || fail "5 frames made no occlusion query"
readBacks=$(grep -cx glGetTexImage "$work/queries-10")
[ "$readBacks" -eq 0 ] || fail "loading read $readBacks texture levels back"
depthReads=$(in_frames glReadPixels "$work/depth-reads-5" "$work/depth-reads-10")
[ "$depthReads" -gt 0 ] || fail "5 frames with --depth-reads made no glReadPixels"

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "5 frames: $queries occlusion queries, no call that waits or asks ($depthReads depth reads with --depth-reads)"

#!/usr/bin/env bash
# The flight report of the default scene: dumps each seed's flight with
# orbivane-render --camera (10 minutes at --dt 0.05 by default) and surveys
# them together with flight_report, sampling every 20th frame.
#
# usage: content/flight_report.sh [DATA_DIR [FIRST_SEED LAST_SEED [FRAMES]]]
#   defaults: build/data, seeds 1 to 20, 12000 frames
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
data=${1:-$root/build/data}
first=${2:-1}
last=${3:-20}
frames=${4:-12000}
build=${ORBIVANE_BUILD:-$root/build/native}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dumps=()
for ((seed = first; seed <= last; seed++)); do
  dump=$(printf '%s/seed-%02d' "$work" "$seed")
  "$build/orbivane-render" --camera --seed "$seed" --dt 0.05 --frames "$frames" > "$dump"
  dumps+=("$dump")
done
"$build/content/flight_report" --dt 0.05 --every 20 "$data" "${dumps[@]}"

#!/usr/bin/env bash
# Frame time of the default scene against its floor, measured in one run:
# the floor is the same archive cut down to the sky shell and the sun's lens
# rings (the flare's sprite and lens elements at size 0, no world objects).
# The shell covers the picture whatever it shows; the rings cost only the
# cells their texture lights, under a fifth of their squares with the
# default ring. Runs the two alternately and prints each bench line and the
# ratio of the means.
#
# usage: content/bench_floor.sh [DATA_DIR [ROUNDS [ORBIVANE-RENDER OPTIONS...]]]
#   DATA_DIR  folder of the default data.sdd (default build/data)
#   ROUNDS    pairs of runs (default 5)
#   options   passed to both runs (default --seed 11)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
data=${1:-$root/build/data}
rounds=${2:-5}
shift $(($# > 2 ? 2 : $#))
[ $# -gt 0 ] || set -- --seed 11
render=${ORBIVANE_RENDER:-$root/build/native/orbivane-render}
sddpack=${SDDPACK:-$root/build/native/sddpack}

. "$root/bench/archive_members.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Unpack every member, then cut the three object files down.
unpack_members "$data/data.sdd" "$work/members"
members=$work/members
# The sky: its first sphere block (the shell) and the terminator.
awk 'BEGIN { print "The sky shell alone." }
     /^sphere/ && !done { on = 1 }
     on { print }
     on && /^end/ { on = 0; done = 1 }
     END { print "ENDWORLD" }' "$members/sky.txt" > "$work/sky.txt"
# The sun's flare: sprite and lens elements at size 0, the rings stay.
sed -e 's/^size .*/size 0/' -e 's/^\tsize .*/\tsize 0/' "$members/sunflare.txt" > "$work/sunflare.txt"
mv "$work/sky.txt" "$work/sunflare.txt" "$members/"
printf 'No world objects.\nENDWORLD\n' > "$members/system.txt"
pack_members "$members" "$work/floor/data.sdd"

mean() { sed -n 's/.*mean_ms=\([0-9.]*\).*/\1/p'; }
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
echo "options: $*"
ratios=()
for ((i = 1; i <= rounds; i++)); do
  floor=$("$render" --data "$work/floor" --bench "$@" | tail -n 1)
  scene=$("$render" --data "$data" --bench "$@" | tail -n 1)
  ratio=$(awk -v s="$(echo "$scene" | mean)" -v f="$(echo "$floor" | mean)" 'BEGIN { printf "%.3f", s / f }')
  ratios+=("$ratio")
  echo "round $i floor: $floor"
  echo "round $i scene: $scene"
  echo "round $i ratio: $ratio"
done
printf '%s\n' "${ratios[@]}" | sort -n | awk '
  { r[NR] = $1; sum += $1 }
  END { printf "ratio scene/floor: mean %.3f, median %.3f, min %.3f, max %.3f over %d rounds\n",
               sum / NR, (NR % 2 ? r[(NR + 1) / 2] : (r[NR / 2] + r[NR / 2 + 1]) / 2), r[1], r[NR], NR }'

#!/usr/bin/env bash
# check_layers.sh -- fails on an #include that reaches up or across the layers, or on files that include each other in a circle
set -uo pipefail
root=${1:?usage: check_layers.sh SOURCE_TREE}
cd "$root" || exit 2

# The layers, lowest first. A file includes files of its own folder and of
# lower layers only; the folders of one layer never include each other.
layers=(
  "math"
  "host"
  "gl audio"
  "data camera"
  "scene"
  "render"
  "hostkit resources"
  "app x11 tools content"
  "tests"
  "bench fuzz"
)

folders=$(find . -path ./.git -prune -o -path './build*' -prune -o -path ./.cache -prune -o \
  \( -name '*.cpp' -o -name '*.h' -o -name '*.c' \) -print | cut -d/ -f2 | sort -u)
# shellcheck disable=SC2086
grep -rn --include='*.cpp' --include='*.h' --include='*.c' '^#include "' $folders |
  awk -v order="$(printf '%s|' "${layers[@]}")" '
    BEGIN {
      n = split(order, names, "|")
      for (i = 1; i <= n; ++i) {
        m = split(names[i], members, " ")
        for (j = 1; j <= m; ++j) level[members[j]] = i
      }
      bad = 0
    }
    function top(path) { return substr(path, 1, index(path, "/") - 1) }
    function unit(path) { sub(/\.(cpp|h|c)$/, "", path); return path }
    {
      colon = index($0, ":"); file = substr($0, 1, colon - 1)
      rest = substr($0, colon + 1); colon = index(rest, ":"); line = substr(rest, 1, colon - 1)
      match(rest, /"[^"]*"/); included = substr(rest, RSTART + 1, RLENGTH - 2)
      from = top(file)
      if (!(from in level)) {
        if (!(from in unlayered)) print file ": the folder " from " is in no layer"
        unlayered[from] = 1; bad = 1; next
      }
      if (index(included, "/") == 0) next
      to = top(included)
      if (to != from) {
        if (!(to in level)) {
          print file ":" line ": includes " included ", whose folder is in no layer"; bad = 1
        } else if (level[to] > level[from]) {
          print file ":" line ": includes " included ": " to " is a layer above " from; bad = 1
        } else if (level[to] == level[from]) {
          print file ":" line ": includes " included ": " to " and " from " are one layer"; bad = 1
        }
      }
      # Circles across folders break the layers anyway; look within each.
      a = unit(file); b = unit(included)
      if (to == from && a != b && !((a, b) in edge)) { edge[a, b] = 1; next_of[a] = next_of[a] " " b }
    }
    # Depth-first search over the units (a .h with its .cpp); a grey unit
    # met again closes a circle.
    function visit(u,    k, count, succ, v, i, circle) {
      colour[u] = 1; depth++; stack[depth] = u
      count = split(next_of[u], succ, " ")
      for (k = 1; k <= count; ++k) {
        v = succ[k]
        if (colour[v] == 1) {
          circle = v
          for (i = depth; i >= 1 && stack[i] != v; --i) circle = stack[i] " -> " circle
          print "the files include each other in a circle: " v " -> " circle; bad = 1
        } else if (colour[v] == 0) visit(v)
      }
      depth--; colour[u] = 2
    }
    END {
      for (u in next_of) if (colour[u] == 0) visit(u)
      exit bad
    }'

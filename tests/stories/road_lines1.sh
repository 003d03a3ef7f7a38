#!/usr/bin/env bash
# The road of one request: the line through (0, 0) and (1, 1) in the lines 1 window, opened from
# the main menu, solved with "Resolver".
set -euo pipefail
driver="$1"

out="$("$driver" <<'SCRIPT'
click Form11.Reta1
set Form2.Abcissa1 0
set Form2.Ordenada1 0
set Form2.Abcissa2 1
set Form2.Ordenada2 1
click Form2.Resolver1
dump Form2
drawing Form2
messages
SCRIPT
)"

dump="$(sed -n 1p <<<"$out")"
drawing="$(sed -n 2p <<<"$out")"
messages="$(sed -n 3p <<<"$out")"

fail() {
  echo "road_lines1: $1" >&2
  exit 1
}

grep -q '"Resultado1": {"kind": "label", "caption": "x-y=0"' <<<"$dump" || fail "Resultado1 does not read x-y=0"
grep -q '"SolveRequested": false' <<<"$dump" || fail "the solve flag stayed raised"
# The solution: red, 2 pixels, across the plotted range one unit inside its edges.
grep -q '{"op": "line", "x1": 9, "y1": 9, "x2": -9, "y2": -9, "colour": 12, "width": 2, "style": "solid"}' \
  <<<"$drawing" || fail "no red line from (9, 9) to (-9, -9)"
# The data: both points in blue, 7 pixels wide.
grep -q '{"op": "point", "x": 0, "y": 0, "colour": 9, "width": 7' <<<"$drawing" || fail "no blue point at (0, 0)"
grep -q '{"op": "point", "x": 1, "y": 1, "colour": 9, "width": 7' <<<"$drawing" || fail "no blue point at (1, 1)"
grep -q '"x1": 1, "y1": 0, "x2": 1, "y2": 1, "colour": 9, "width": 1, "style": "dotted"' <<<"$drawing" ||
  fail "no dotted guide from (1, 0) to (1, 1)"
[[ "$messages" == "[]" ]] || fail "unexpected messages: $messages"
echo "road_lines1: ok"

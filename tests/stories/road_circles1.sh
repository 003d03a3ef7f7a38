#!/usr/bin/env bash
# The road of one request: the crossings of 3x-2y+1=0 with x^2+y^2-4x-6y-3=0 in the circles 1
# window, opened from the main menu, solved with "Resolver" on the texts the window starts with.
set -euo pipefail
driver="$1"

out="$("$driver" <<'SCRIPT'
click Form11.Circunferência1
click Form4.Resolver5
dump Form4
drawing Form4
messages
SCRIPT
)"

dump="$(sed -n 1p <<<"$out")"
drawing="$(sed -n 2p <<<"$out")"
messages="$(sed -n 3p <<<"$out")"

fail() {
  echo "road_circles1: $1" >&2
  exit 1
}

grep -q '"Resultado5": {"kind": "label", "caption": "(-0,44 , -0,17)"' <<<"$dump" || fail "Resultado5 is not (-0,44 , -0,17)"
grep -q '"Resultado6": {"kind": "label", "caption": "(3,98 , 6,47)"' <<<"$dump" || fail "Resultado6 is not (3,98 , 6,47)"
grep -q '"SolveRequested": false' <<<"$dump" || fail "the solve flag stayed raised"
# The data: the circle about (2, 3) of radius 4 in blue, 2 pixels.
grep -q '{"op": "circle", "x": 2, "y": 3, "r": 4, "colour": 9, "width": 2' <<<"$drawing" || fail "no blue circle"
# The crossings in red, 7 pixels wide.
[[ "$(grep -o '"op": "point", "x": [-0-9.]*, "y": [-0-9.]*, "colour": 12, "width": 7' <<<"$drawing" | wc -l)" == 2 ]] ||
  fail "not two red crossings"
[[ "$messages" == "[]" ]] || fail "unexpected messages: $messages"
echo "road_circles1: ok"

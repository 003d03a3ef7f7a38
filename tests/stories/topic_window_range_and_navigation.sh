#!/usr/bin/env bash
# A student opens the points window from the menu, widens the range with the spinners, ticks the
# grid, sees the new plane after coming back to the window, then moves on to the lines 1 window.
set -euo pipefail
driver="$1"

out=$("$driver" <<'SCRIPT'
click Form11.Pontos
dump Form1
down Form1.UpDown1
down Form1.UpDown1
down Form1.UpDown1
up Form1.UpDown3
dump Form1
tick Form1.DesenharGrelha 1
show Form11
show Form1
dump Form1
drawing Form1
click Form1.Command2
forms
dump Form2
messages
SCRIPT
)

fail=0
expect() {  # expect LINE_NUMBER TEXT: the answer on that line holds TEXT
  local line
  line=$(sed -n "$1p" <<<"$out")
  if ! grep -qF -- "$2" <<<"$line"; then
    echo "answer $1: expected to find: $2" >&2
    fail=1
  fi
}
reject() {
  local line
  line=$(sed -n "$1p" <<<"$out")
  if grep -qF -- "$2" <<<"$line"; then
    echo "answer $1: did not expect: $2" >&2
    fail=1
  fi
}

# 1: the fresh window, drawn for -10 .. 10.
expect 1 '"form": "Form1", "loaded": true, "visible": true, "active": true'
expect 1 '"Label2": {"kind": "label", "caption": "PONTOS"'
expect 1 '"Xmin": {"kind": "textbox", "text": "-10"'
expect 1 '"PlotXMin": -10,'
expect 1 '"PlotMarginX": 0.4000000059'
# 2: the spinners moved the boxes in pairs, the fields wait for the next drawing.
expect 2 '"Xmin": {"kind": "textbox", "text": "-13"'
expect 2 '"Ymin": {"kind": "textbox", "text": "-13"'
expect 2 '"Xmax": {"kind": "textbox", "text": "11"'
expect 2 '"Ymax": {"kind": "textbox", "text": "11"'
expect 2 '"PlotXMin": -10,'
# 3: coming back to the window redraws with the boxes.
expect 3 '"PlotXMin": -13, "PlotXMax": 11, "PlotYMin": -13, "PlotYMax": 11'
expect 3 '"SetaH": {"kind": "image", "caption": "", "enabled": true, "visible": true'
# 4: ticks and grid for the new range. The scale spans 25,92 units on 627 pixels, so a
# tick reaches 2 · 25,92 / 627 = 0,0827 above and below the axis.
expect 4 '{"op": "line", "x1": -13, "y1": 0.0826794282, "x2": -13, "y2": -0.0826794282, "colour": 0, "width": 1'
expect 4 '{"op": "line", "x1": -13, "y1": 11.4799995, "x2": -13, "y2": -13.4799995, "colour": 8, "width": 1'
expect 4 '"text": "-13", "font": "MS Serif", "size": 6, "bold": true'
reject 4 '"text": " 0"'
# 5: "Rectas 1" unloaded the points window.
expect 5 '["Form11", "Form2"]'
expect 6 '"form": "Form2", "loaded": true, "visible": true, "active": true'
expect 6 '"Label2": {"kind": "label", "caption": "RECTA - 1"'
expect 6 '"Text3": {"kind": "textbox", "text": "Text3", "enabled": true, "visible": false'
expect 7 '[]'

if [ "$fail" -ne 0 ]; then
  echo "--- driver answers ---" >&2
  cut -c1-400 <<<"$out" >&2
  exit 1
fi
echo "story passed"

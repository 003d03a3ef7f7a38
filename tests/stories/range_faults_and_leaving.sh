#!/usr/bin/env bash
# The lines 3 window with a range too wide to graduate, a range box typed wrong, a spinner on
# it, then "Fechar", the menu again, and "Sair".
set -euo pipefail
driver="$1"

out=$("$driver" <<'SCRIPT'
click Form11.Reta3
set Form5.Xmin -30
set Form5.Xmax 30
show Form11
show Form5
messages
drawing Form5
set Form5.Ymax abc
up Form5.UpDown4
dump Form5
show Form11
show Form5
messages
click Form5.Command17
dump Form5
click Form11.Reta3
dump Form5
messages
click Form5.Sair
ended
SCRIPT
)

fail=0
expect() {
  local line
  line=$(sed -n "$1p" <<<"$out")
  if ! grep -qF -- "$2" <<<"$line"; then
    echo "answer $1: expected to find: $2" >&2
    fail=1
  fi
}

ungraduated='{"text": "Não se graduam os eixos nem se desenha a grelha porque os valores e linhas ficavam sobrepostos.", "title": "Vantre lomira", "icon": "information"}'
not_numbers='{"text": "Os valores de Xmínimo, Xmáximo, Ymínimo e Ymáximo têm de ser números.", "title": "Vantre Lomira", "icon": "information"}'

# 1: one message for the one drawing.
expect 1 "[$ungraduated]"
# 2: the two axes and their names only.
if [ "$(sed -n 2p <<<"$out" | grep -o '"op": "line"' | wc -l)" -ne 2 ]; then
  echo "answer 2: expected exactly the two axes" >&2
  fail=1
fi
# 3: the spinner left both boxes alone.
expect 3 '"Ymax": {"kind": "textbox", "text": "abc"'
expect 3 '"Xmax": {"kind": "textbox", "text": "30"'
expect 3 '"PlotXMin": -30,'
# 4: the spinner's message, then the activation's; the -30 .. 30 plane stays.
expect 4 "[$not_numbers, $not_numbers]"
# 5: "Fechar" left a fresh, hidden window.
expect 5 '"form": "Form5", "loaded": true, "visible": false'
expect 5 '"Xmax": {"kind": "textbox", "text": "10"'
expect 5 '"SolveRequested": false'
# 6: the menu shows it again, drawn for -10 .. 10 with no message.
expect 6 '"visible": true, "active": true'
expect 6 '"PlotXMin": -10, "PlotXMax": 10'
expect 7 '[]'
expect 8 '{"ended": true}'

if [ "$fail" -ne 0 ]; then
  echo "--- driver answers ---" >&2
  cut -c1-400 <<<"$out" >&2
  exit 1
fi
echo "story passed"

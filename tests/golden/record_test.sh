#!/usr/bin/env bash
# The behaviour record: every problem of every window on default, bad and degenerate data, with the
# controls, drawing, messages and shared cells after each step, must match the kept record byte for
# byte. A change that alters behaviour on purpose regenerates it:
#   build/tests/formdriver < tests/golden/record.script | xz -9 > tests/golden/record.out.xz
set -euo pipefail
driver="$1"
here="$(cd "$(dirname "$0")" && pwd)"
actual="$(mktemp)"
expected="$(mktemp)"
trap 'rm -f "$actual" "$expected"' EXIT
"$driver" < "$here/record.script" > "$actual"
xz -dc "$here/record.out.xz" > "$expected"
if ! cmp -s "$expected" "$actual"; then
  first="$(cmp "$expected" "$actual" || true)"
  line="$(sed -n 's/.* line \([0-9]*\).*/\1/p' <<<"$first")"
  byte="$(sed -n 's/.* byte \([0-9]*\),.*/\1/p' <<<"$first")"
  echo "behaviour record differs from line ${line:-?} of the output" >&2
  # The script line that asked for it: answers come one per query, in order.
  awk -v n="$line" '/^(messages|dump|drawing|shared|forms|ended)( |$)/ && ++q == n {print "after script line " NR ": " $0; exit}
                    {if (!/^(messages|dump|drawing|shared|forms|ended)( |$)/) last = $0}' "$here/record.script" >&2
  from=$(( byte > 200 ? byte - 200 : 1 ))
  echo "expected: ...$(tail -c +"$from" "$expected" | head -c 400)..." >&2
  echo "actual:   ...$(tail -c +"$from" "$actual" | head -c 400)..." >&2
  exit 1
fi
echo "behaviour record: identical ($(wc -l < "$actual") answers)"

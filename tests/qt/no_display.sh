#!/usr/bin/env bash
# Without any screen the program and the screenshot tool say so in one line and how to run them
# under xvfb-run, and end with status 1, instead of aborting with Qt's messages and a core dump.
set -uo pipefail
fail=0
for program in "$@"; do
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" 2>&1)
  rc=$?
  if [ "$rc" -ne 1 ] || [ "$(wc -l <<<"$out")" -ne 1 ] || ! grep -q "xvfb-run" <<<"$out"; then
    echo "$(basename "$program") without a screen: status $rc, said:" >&2
    echo "$out" >&2
    fail=1
  fi
done
exit "$fail"

#!/usr/bin/env bash
# Runs a test program of the cross build under wine (scripts/wine_run.sh), as
# CTest's emulator. Wine now and then fails to start a program without a word
# (seen about once in a few thousand starts, with many starting side by
# side). Every test program prints something before it ends, so one that
# fails having printed nothing never ran: it is started once more, and the
# second start is said on stderr.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
"$here/wine_run.sh" "$@" >"$out" 2>"$err"
status=$?
if [ "$status" -ne 0 ] && [ ! -s "$out" ] && [ ! -s "$err" ]; then
  echo "wine_test.sh: $1 ended with status $status having printed nothing; starting it again" >&2
  "$here/wine_run.sh" "$@" >"$out" 2>"$err"
  status=$?
fi
cat "$out"
cat "$err" >&2
exit "$status"

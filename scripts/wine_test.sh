#!/usr/bin/env bash
# Runs a test program of the cross build under wine (scripts/wine_run.sh), as
# CTest's emulator. Wine now and then fails to start a program without a word
# (seen about once in a few thousand starts, with many starting side by
# side). Every test program prints something before it ends, so one that
# fails having printed nothing never ran: it is started once more, and the
# second start is said on stderr. So is one that wine killed as it ended
# (status 137, see wine_run.sh), which a very busy machine can make happen.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
"$here/wine_run.sh" "$@" >"$out" 2>"$err"
status=$?
again=""
if [ "$status" -ne 0 ] && [ ! -s "$out" ] && [ ! -s "$err" ]; then
  again="ended with status $status having printed nothing"
elif [ "$status" -eq 137 ]; then
  echo "wine_test.sh: what $1 printed before wine killed it:" >&2
  cat "$out" "$err" >&2
  again="was killed by wine as it ended (status 137)"
fi
if [ -n "$again" ]; then
  echo "wine_test.sh: $1 $again; starting it again" >&2
  "$here/wine_run.sh" "$@" >"$out" 2>"$err"
  status=$?
fi
cat "$out"
cat "$err" >&2
exit "$status"

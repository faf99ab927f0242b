#!/usr/bin/env bash
# Runs a test program of the cross build that needs a display, as CTest's
# emulator: under wine (scripts/wine_test.sh) on a virtual X display of its
# own (xvfb-run), once wine has gone quiet. A program that joins a wine
# session started without a display (the headless suites') or on a display
# since closed gets no screen to open its windows on, so CTest runs these
# tests alone. The X server keeps running when a client leaves: a
# connection made while it resets fails.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if ! "$here/wine_run.sh" --wait-idle; then
  echo "wine_display_test.sh: wine did not go quiet within a minute (a wine program still runs in the prefix)" >&2
  exit 1
fi
exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$here/wine_test.sh" "$@"

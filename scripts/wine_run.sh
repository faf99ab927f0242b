#!/usr/bin/env bash
# Runs a Windows program of the cross build under wine64, in a wine prefix of
# its own inside the build folder (made on first use), quietly and without
# asking to install anything, nor making menu entries: wine's menu builder,
# which every start of a wine session runs otherwise, is the first program
# there to want a desktop. On a busy machine that desktop's own process can
# take longer to come up than wine waits for it; wine then leaves the session
# a desktop without a display driver, where no program can open a window
# (a question box included) until the session ends.
#
#   wine_run.sh --wait-idle   waits (a minute at most) until nothing runs in
#   the prefix any more and its wineserver has ended. A program started while
#   another wine program of the prefix runs joins that one's desktop: one
#   started without a display (the headless tests) or on an X display since
#   closed leaves the newcomer no screen to open its windows on.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$here/build-win/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}
# Wine kills a program whose own end (the Linux libraries' exit handlers,
# ending its threads) takes more than half a second after its last Windows
# thread; it then ends with status 137 however it ended. The software OpenGL
# of the virtual display runs a thread per core, and its shader cache one
# more that the exit waits for: on a busy machine ending them could take
# longer. Two drawing threads and no cache leave the end little to do.
export LP_NUM_THREADS=${LP_NUM_THREADS:-2}
export MESA_SHADER_CACHE_DISABLE=${MESA_SHADER_CACHE_DISABLE:-true}
if [ "${1:-}" = --wait-idle ]; then
  server=/usr/lib/wine/wineserver64
  [ -x "$server" ] || server=$(command -v wineserver)
  exec timeout 60 "$server" -w
fi
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=$(command -v wine64 || command -v wine)
exec "$wine" "$@"

#!/usr/bin/env bash
# Fails when a file outside src/media includes an SDL, OpenGL, png, vorbis or
# Windows header.
set -u
root=${1:-.}
hits=$(cd "$root" && grep -rnE '#[[:space:]]*include[[:space:]]*[<"](SDL|GL/|EGL/|png\.h|pngconf|vorbis/|ogg/|windows\.h|winbase\.h|mmsystem\.h|io\.h)' \
  src tools/runner tools/common tools/shots bench tests 2>/dev/null | grep -v '^src/media/' | grep -v '^tests/media_sdl/' | grep -v '^bench/media/')
if [ -n "$hits" ]; then
  echo "platform headers outside src/media:"; echo "$hits"; exit 1
fi
echo "platform headers stay in src/media"

#!/usr/bin/env bash
# One-stop script for a fresh Debian 12 machine (run as root, or with sudo):
#   ./run.sh play   install what the game needs, build it and its data, start it
#   ./run.sh test   the same set-up, then every test headless: a normal build
#                   and one with AddressSanitizer and UBSan
#   ./run.sh build  set-up and the normal build only
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(build-essential cmake ninja-build pkg-config
  libsdl2-dev libpng-dev zlib1g-dev libogg-dev libvorbis-dev
  libgl-dev libegl-dev libgl1-mesa-dri libegl-mesa0 libgles2
  libcairo2-dev espeak-ng espeak-ng-data libespeak-ng-dev
  libgtest-dev libgmock-dev libbenchmark-dev)

install_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "== installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
  fi
}

JOBS=$(nproc)

build() {  # build DIR [cmake options...]
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$dir" -j "$JOBS"
}

run_tests() {  # run_tests DIR
  SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy \
    ctest --test-dir "$1" -j "$JOBS" --output-on-failure --timeout 900
}

mode=${1:-play}
install_packages
case "$mode" in
  play)
    build build
    exec ./build/streetwarden
    ;;
  build)
    build build
    ;;
  test)
    werror=-DSTREETWARDEN_WERROR=ON
    build build "$werror"
    run_tests build
    echo "== sanitizer build (AddressSanitizer + UBSan)"
    build build-asan "$werror" -DSTREETWARDEN_SANITIZE=ON -DSTREETWARDEN_BENCH=OFF \
      -DSTREETWARDEN_DATA_FROM="$PWD/build/Data"
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 run_tests build-asan
    ;;
  *)
    echo "usage: $0 [play|test|build]" >&2
    exit 2
    ;;
esac

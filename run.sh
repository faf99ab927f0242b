#!/usr/bin/env bash
# One-stop script for a fresh Debian 12 machine (run as root, or with sudo):
#   ./run.sh play   install what the game needs, build it and its data, start it
#   ./run.sh test   the same set-up, then every test of three builds: the
#                   normal one, the Windows one (under wine) and one with
#                   AddressSanitizer and UBSan; each is tested even when
#                   another fails, a line per build sums up at the end, and
#                   the status is not 0 when any failed
#   ./run.sh build  set-up and the normal build only
#   ./run.sh windows  set-up and the Windows build in build-win/ (cross-built
#                   with mingw-w64; test it with: ctest --test-dir build-win),
#                   packed for players in build-win/streetwarden-windows.zip
#   ./run.sh --help this text
# Anything else is refused (status 2) before anything is installed.
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(build-essential cmake ninja-build pkg-config
  libsdl2-dev libpng-dev zlib1g-dev libogg-dev libvorbis-dev
  libgl-dev libegl-dev libgl1-mesa-dri libegl-mesa0 libgles2
  libcairo2-dev espeak-ng espeak-ng-data libespeak-ng-dev
  libgtest-dev libgmock-dev libbenchmark-dev)
# The Windows build: the cross compiler, Debian's sources of the libraries,
# zip for the players' archive, and wine with a virtual display to test it.
WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix dpkg-dev zip unzip
  wine64 xvfb xauth xdotool imagemagick strace)

install_packages() {  # install_packages PACKAGE...
  local missing=()
  for p in "$@"; do
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
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null || return
  cmake --build "$dir" -j "$JOBS"
}

# The Windows libraries (scripts/windows_deps.sh) build in the background
# while the build for this machine runs; windows_build waits for them.
WIN_DEPS_PID=""
start_windows_deps() {
  mkdir -p build-win
  # In a process group of its own: a run that stops early (a failed build or
  # test) takes the library build down with it, so no stray build is left to
  # collide with the next run's.
  setsid -w nice -n 5 scripts/windows_deps.sh build-win/deps >build-win/deps.log 2>&1 &
  WIN_DEPS_PID=$!
  trap 'kill -- -"$WIN_DEPS_PID" 2>/dev/null || true' EXIT
}

windows_build() {  # windows_build HOST_BUILD_DIR
  local host=$PWD/$1
  if ! wait "$WIN_DEPS_PID"; then
    cat build-win/deps.log >&2
    return 1
  fi
  cat build-win/deps.log
  cmake -S . -B build-win -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DSTREETWARDEN_WIN_PREFIX="$PWD/build-win/deps/prefix" \
    -DSTREETWARDEN_DATA_FROM="$host/Data" -DSTREETWARDEN_HOST_BUILD="$host" \
    -DSTREETWARDEN_BENCH=OFF -DSTREETWARDEN_WERROR=ON >/dev/null || return
  cmake --build build-win -j "$JOBS" || return
  # wine makes its prefix on first use; once, before tests run side by side.
  scripts/wine_run.sh wineboot --init >/dev/null 2>&1 || true
}

run_tests() {  # run_tests DIR
  SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy \
    ctest --test-dir "$1" -j "$JOBS" --output-on-failure --timeout 900
}

# The test mode builds and tests every tree even when another fails, then
# prints a line per tree. The steps run inside `if`, where bash does not stop
# at a failing command, so each step returns its own failure.
SUMMARY=()
test_tree() {  # test_tree DIR BUILD_FUNCTION TEST_FUNCTION
  local dir=$1 failed=$1/Testing/Temporary/LastTestsFailed.log
  rm -f "$failed"
  if ! "$2"; then
    SUMMARY+=("$dir: FAILED to build")
  elif ! "$3"; then
    if [ -s "$failed" ]; then
      SUMMARY+=("$dir: FAILED: $(cut -d: -f2- "$failed" | paste -sd' ')")
    else
      SUMMARY+=("$dir: FAILED (its tests did not run)")
    fi
  else
    SUMMARY+=("$dir: passed")
  fi
}

usage() {
  sed -n '2,/^set -euo/{/^#/s/^# \{0,1\}//p}' "$(basename "$0")"
}

# The argument is checked before anything is installed or built.
mode=${1:-play}
case "$mode" in
  -h|--help)
    usage
    exit 0
    ;;
  play|build|test|windows)
    if [ $# -gt 1 ]; then
      echo "run.sh: one argument at most" >&2
      usage >&2
      exit 2
    fi
    ;;
  *)
    echo "run.sh: unknown argument: $mode" >&2
    usage >&2
    exit 2
    ;;
esac

case "$mode" in
  test|windows) install_packages "${PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}" ;;
  *) install_packages "${PACKAGES[@]}" ;;
esac
case "$mode" in
  play)
    build build
    exec ./build/streetwarden
    ;;
  build)
    build build
    ;;
  windows)
    start_windows_deps
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build build -j "$JOBS" --target game_data wine_program_tests
    windows_build build
    cmake --build build-win --target windows_archive
    echo "== build-win/streetwarden-windows.zip: the program and its Data folder, for players"
    ;;
  test)
    werror=-DSTREETWARDEN_WERROR=ON
    build_host() { build build "$werror"; }
    test_host() { run_tests build; }
    build_windows() { windows_build build; }
    test_windows() { ctest --test-dir build-win -j "$JOBS" --output-on-failure --timeout 900; }
    build_asan() {
      build build-asan "$werror" -DSTREETWARDEN_SANITIZE=ON -DSTREETWARDEN_BENCH=OFF \
        -DSTREETWARDEN_DATA_FROM="$PWD/build/Data"
    }
    test_asan() {
      ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 run_tests build-asan
    }
    start_windows_deps
    test_tree build build_host test_host
    echo "== Windows build (mingw-w64), its tests under wine"
    test_tree build-win build_windows test_windows
    echo "== sanitizer build (AddressSanitizer + UBSan)"
    test_tree build-asan build_asan test_asan
    echo "== summary"
    printf '%s\n' "${SUMMARY[@]}"
    if [[ "${SUMMARY[*]}" == *FAILED* ]]; then exit 1; fi
    ;;
esac

#!/usr/bin/env bash
# Builds the Windows libraries the game links (zlib, libpng, libogg,
# libvorbis, SDL2) and GoogleTest with mingw-w64, static, from Debian's own
# source packages, into DEPS/prefix. A library already built there is kept.
#
#   scripts/windows_deps.sh [DEPS]      (default: build-win/deps)
#
# Needs root (or sudo) once, to add a deb-src entry for the Debian archive
# this machine already uses; nothing is fetched from anywhere else.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ "${1:-}" = "--build" ]; then deps=$3; else deps=${1:-$root/build-win/deps}; fi
deps=$(mkdir -p "$deps" && cd "$deps" && pwd)
prefix=$deps/prefix
host=x86_64-w64-mingw32
jobs=${JOBS:-$(nproc)}
toolchain=$root/cmake/mingw-w64-x86_64.cmake
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

mkdir -p "$prefix" "$deps/src" "$deps/logs"

# Source packages come from the archive the machine's binary packages come
# from: every "deb" entry gets its "deb-src" twin.
ensure_sources() {
  local known
  known=$(apt-cache showsrc zlib 2>/dev/null || true)
  if [[ "$known" == *"Package: zlib"* ]]; then return; fi
  echo "== adding deb-src entries for the machine's Debian archive"
  local added=0
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    sed 's/^Types: *deb *$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
      $sudo tee /etc/apt/sources.list.d/streetwarden-src.sources >/dev/null
    added=1
  fi
  if [ -f /etc/apt/sources.list ] && grep -q '^deb ' /etc/apt/sources.list; then
    sed -n 's/^deb /deb-src /p' /etc/apt/sources.list |
      $sudo tee /etc/apt/sources.list.d/streetwarden-src.list >/dev/null
    added=1
  fi
  if [ $added -eq 0 ]; then
    echo "windows_deps: no Debian package source found to add deb-src entries for" >&2
    exit 1
  fi
  $sudo apt-get -o DPkg::Lock::Timeout=600 update -qq
}

# unpack SOURCE-PACKAGE: fetches and unpacks Debian's source (patches
# applied) once; prints the unpacked folder.
unpack() {
  local pkg=$1 dir
  dir=$(find "$deps/src/$pkg" -mindepth 1 -maxdepth 1 -type d 2>/dev/null | head -n 1 || true)
  if [ -z "$dir" ]; then
    rm -rf "$deps/src/$pkg"
    mkdir -p "$deps/src/$pkg"
    # Newest version first; a mirror that lacks one (a security update's
    # sources, say) falls back to the next.
    local version ok=0
    for version in $(apt-cache showsrc "$pkg" | sed -n 's/^Version: //p' | sort -u -r -V); do
      if (cd "$deps/src/$pkg" && apt-get source -qq "$pkg=$version" >>"$deps/logs/$pkg-source.log" 2>&1); then
        ok=1
        break
      fi
      find "$deps/src/$pkg" -mindepth 1 -delete
    done
    if [ $ok -eq 0 ]; then
      echo "windows_deps: apt-get source $pkg failed, see $deps/logs/$pkg-source.log" >&2
      return 1
    fi
    dir=$(find "$deps/src/$pkg" -mindepth 1 -maxdepth 1 -type d | head -n 1)
  fi
  echo "$dir"
}

built() { [ -f "$prefix/.built-$1" ]; }
mark() { touch "$prefix/.built-$1"; }

configure_make() {  # configure_make DIR [configure options...]
  local dir=$1; shift
  (cd "$dir" &&
    ./configure --host=$host --prefix="$prefix" --disable-shared --enable-static \
      CPPFLAGS="-I$prefix/include" LDFLAGS="-L$prefix/lib" \
      PKG_CONFIG_LIBDIR="$prefix/lib/pkgconfig" PKG_CONFIG_PATH= "$@" &&
    make -j "$jobs" && make install)
}

build_zlib() {
  built zlib && return
  local dir; dir=$(unpack zlib)
  cd "$dir"
  CHOST=$host ./configure --static --prefix="$prefix"
  make -j "$jobs" libz.a
  make install
  mark zlib
}

build_libpng() {
  built libpng && return
  local dir; dir=$(unpack libpng1.6)
  configure_make "$dir"
  mark libpng
}

build_libogg() {
  built libogg && return
  local dir; dir=$(unpack libogg)
  configure_make "$dir"
  mark libogg
}

build_libvorbis() {
  built libvorbis && return
  local dir; dir=$(unpack libvorbis)
  configure_make "$dir" --with-ogg="$prefix" --disable-docs --disable-examples
  mark libvorbis
}

build_sdl2() {
  built sdl2 && return
  local dir; dir=$(unpack libsdl2)
  # A separate build folder keeps the unpacked source reusable.
  rm -rf "$deps/build/sdl2" && mkdir -p "$deps/build/sdl2"
  (cd "$deps/build/sdl2" &&
    "$dir/configure" --host=$host --prefix="$prefix" --disable-shared --enable-static &&
    make -j "$jobs" && make install)
  mark sdl2
}

build_googletest() {
  built googletest && return
  local dir=/usr/src/googletest
  [ -f "$dir/CMakeLists.txt" ] || dir=$(unpack googletest)
  cmake -S "$dir" -B "$deps/build/googletest" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DSTREETWARDEN_WIN_PREFIX="$prefix" \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_GMOCK=ON -DINSTALL_GTEST=ON
  cmake --build "$deps/build/googletest" -j "$jobs"
  cmake --install "$deps/build/googletest"
  mark googletest
}

# run NAME: one build in a process of its own (so that the first failing
# step stops it), its output in logs/NAME.log.
run() {
  if "$0" --build "$1" "$deps" >"$deps/logs/$1.log" 2>&1; then
    echo "== windows deps: $1 ready"
  else
    echo "windows_deps: building $1 failed; the end of $deps/logs/$1.log:" >&2
    tail -n 30 "$deps/logs/$1.log" >&2
    return 1
  fi
}

if [ "${1:-}" = "--build" ]; then
  "build_$2"
  exit 0
fi

all_built=1
for lib in zlib libpng libogg libvorbis sdl2 googletest; do built $lib || all_built=0; done
if [ $all_built -eq 1 ]; then
  echo "== windows deps: all built in $prefix"
  exit 0
fi

ensure_sources
# Fetch every source first (apt-get source in parallel would race on its
# lists), then build the independent chains side by side.
for pkg in zlib libpng1.6 libogg libvorbis libsdl2; do unpack "$pkg" >/dev/null; done
pids=()
run sdl2 & pids+=($!)
(run zlib && run libpng) & pids+=($!)
(run libogg && run libvorbis) & pids+=($!)
run googletest & pids+=($!)
status=0
for pid in "${pids[@]}"; do wait "$pid" || status=1; done
exit $status

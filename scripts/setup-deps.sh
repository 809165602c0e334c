#!/usr/bin/env bash
# Fetches and builds the third-party sources that Debian does not package for the Windows
# target: libpng (Debian's source package) and GNU libiconv (shipped inside an npm package).
# Everything lands in .deps/, which is ignored; a second run reuses it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
deps="$root/.deps"
mkdir -p "$deps/src"

# Boost.Regex is header-only; the cross compiler must see only the boost folder, never the
# rest of /usr/include (glibc headers would shadow the mingw ones).
mkdir -p "$deps/boost-include"
[ -e "$deps/boost-include/boost" ] || ln -s /usr/include/boost "$deps/boost-include/boost"

# GNU libiconv sources.
if [ ! -f "$deps/src/iconv/deps/libiconv/lib/iconv.c" ]; then
  tmp=$(mktemp -d)
  (cd "$tmp" && npm pack --silent iconv@3.0.1 >/dev/null)
  rm -rf "$deps/src/iconv" && mkdir -p "$deps/src/iconv"
  tar -xzf "$tmp"/iconv-3.0.1.tgz -C "$deps/src/iconv" --strip-components=1
  rm -rf "$tmp"
fi

# libpng sources from Debian.
pngsrc=$(ls -d "$deps"/src/libpng-1.6.* 2>/dev/null | head -n1 || true)
if [ -z "$pngsrc" ]; then
  tmp=$(mktemp -d)
  # The Debian patch tarball may be missing from the security suite; only the orig tarball matters.
  (cd "$tmp" && apt-get source --download-only libpng1.6 >/dev/null 2>&1 || true)
  orig=$(ls "$tmp"/libpng1.6_*.orig.tar.* 2>/dev/null | head -n1 || true)
  if [ -z "$orig" ]; then echo "setup-deps: could not fetch libpng sources" >&2; exit 1; fi
  tar -xf "$orig" -C "$deps/src"
  rm -rf "$tmp"
  pngsrc=$(ls -d "$deps"/src/libpng-1.6.* | head -n1)
fi

# libpng for the Windows target.
if [ ! -f "$deps/mingw/lib/libpng16.a" ] && [ ! -f "$deps/mingw/lib/libpng.a" ]; then
  rm -rf "$deps/build-png-mingw"
  cmake -S "$pngsrc" -B "$deps/build-png-mingw" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$deps/mingw" -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF \
    -DPNG_EXECUTABLES=OFF -DPNG_TOOLS=OFF -DSKIP_INSTALL_PROGRAMS=ON >/dev/null
  cmake --build "$deps/build-png-mingw" >/dev/null
  cmake --install "$deps/build-png-mingw" >/dev/null
fi
echo "setup-deps: ready in $deps"

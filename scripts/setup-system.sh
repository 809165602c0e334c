#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need. Idempotent: it does nothing
# when every package is already there.
set -euo pipefail

PKGS_NATIVE=(cmake ninja-build g++ pkg-config zlib1g-dev libpng-dev libboost1.81-dev
             googletest libgtest-dev g++-mingw-w64-i686-posix libz-mingw-w64-dev
             xvfb xauth xdotool imagemagick locales dpkg-dev fonts-wqy-microhei)
PKGS_I386=(wine wine32:i386)

SUDO=""
[ "$(id -u)" = 0 ] || SUDO=sudo

missing=()
for p in "${PKGS_NATIVE[@]}" "${PKGS_I386[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

# libpng's Windows build comes from Debian's source package, which needs a deb-src entry.
need_src=0
if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ && ! grep -qs '^deb-src' /etc/apt/sources.list; then
  need_src=1
fi
need_i386=0
dpkg --print-foreign-architectures | grep -qx i386 || need_i386=1

command -v npm >/dev/null || missing+=(npm)
if [ ${#missing[@]} -eq 0 ] && [ $need_src = 0 ] && [ $need_i386 = 0 ]; then
  exit 0
fi

if [ $need_i386 = 1 ]; then $SUDO dpkg --add-architecture i386; fi
if [ $need_src = 1 ]; then
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    $SUDO sed -i 's/^Types: deb$/Types: deb deb-src/' /etc/apt/sources.list.d/debian.sources
  else
    grep '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' | $SUDO tee -a /etc/apt/sources.list >/dev/null
  fi
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
if [ ${#missing[@]} -gt 0 ]; then
  $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

#!/usr/bin/env bash
# Configures and builds the three trees: the Windows program and its test executables,
# the native portable core with its tests, and the same native tests under ASan + UBSan.
# Usage: scripts/build.sh [win|native|asan]...   (default: all three)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
trees=("$@"); [ ${#trees[@]} -gt 0 ] || trees=(win native asan)
jobs=$(nproc)
for t in "${trees[@]}"; do
  case "$t" in
    win)    args=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" -DCMAKE_BUILD_TYPE=Release) ;;
    native) args=(-DCMAKE_BUILD_TYPE=Debug) ;;
    asan)   args=(-DCMAKE_BUILD_TYPE=Debug -DLUMO_SANITIZE=ON) ;;
    *) echo "build.sh: unknown tree $t" >&2; exit 2 ;;
  esac
  dir="$root/${LUMO_BUILD:-build}/$t"
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$root" -B "$dir" -G Ninja "${args[@]}" >/dev/null
  fi
  cmake --build "$dir" -j "$jobs"
done

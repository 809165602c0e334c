#!/usr/bin/env bash
# Builds and runs the benchmark under Wine (private Xvfb), printing start-up and tab figures.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
[ "${LUMO_SKIP_SETUP:-}" = 1 ] || { bash scripts/setup-system.sh; bash scripts/setup-deps.sh; bash scripts/build.sh win; }
source scripts/wine-env.sh
trap lumo_wine_stop EXIT
lumo_wine_start_xvfb
lumo_wine_prefix
wineserver -p >/dev/null 2>&1
wine "$root/${LUMO_BUILD:-build}/win/lumo_bench.exe" 2>/dev/null

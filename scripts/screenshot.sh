#!/usr/bin/env bash
# Starts the built lumo.exe on a private Xvfb display and saves a screenshot of the screen.
# Usage: scripts/screenshot.sh OUT.png [seconds to wait] [browser arguments...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-shot.png}"); wait=${2:-4}; shift $(( $# > 2 ? 2 : $# )) || true
source "$root/scripts/wine-env.sh"
trap lumo_wine_stop EXIT
lumo_wine_start_xvfb
lumo_wine_prefix
rundir=$(mktemp -d)
cp "$root/${LUMO_BUILD:-build}/win/lumo.exe" "$rundir/"
(cd "$rundir" && wine ./lumo.exe "$@" >/dev/null 2>&1 &)
sleep "$wait"
import -window root "$out"
rm -rf "$rundir"
echo "saved $out"

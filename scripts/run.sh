#!/usr/bin/env bash
# Sets everything up, builds lumo.exe and starts it under Wine. Arguments are passed to the
# browser (each one opens a tab). Uses the caller's X display; without one it starts a
# virtual display and says so.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup-system.sh
bash scripts/setup-deps.sh
bash scripts/build.sh win
source scripts/wine-env.sh
lumo_wine_locale
if [ -z "${DISPLAY:-}" ]; then
  lumo_wine_start_xvfb
  echo "run.sh: no X display found; the browser runs on the virtual display $DISPLAY (Xvfb)."
  trap lumo_wine_stop EXIT
fi
lumo_wine_prefix
rundir="$root/build/run"
mkdir -p "$rundir"
cp build/win/lumo.exe "$rundir/lumo.exe"
cd "$rundir"
wine ./lumo.exe "$@"

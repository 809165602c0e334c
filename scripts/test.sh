#!/usr/bin/env bash
# Sets everything up, builds, and runs every test stage:
#   1. native unit tests of the portable core, 2. the same under ASan + UBSan,
#   3. the window-layer tests under Wine, 4. end-to-end tests of the real lumo.exe under Wine.
# Exits non-zero when any stage fails. The Wine stages run in a network namespace of their
# own where only the loopback interface exists, so no test can reach beyond 127.0.0.1.
# Extra arguments are passed to every gtest executable (e.g. --gtest_filter=...).
# LUMO_STAGES="native asan wine e2e" picks stages; LUMO_BUILD=dir builds in another folder.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

if [ "${LUMO_IN_NETNS:-}" != 1 ] && [ "${LUMO_SKIP_SETUP:-}" != 1 ]; then
  bash scripts/setup-system.sh || exit 1
  bash scripts/setup-deps.sh || exit 1
  bash scripts/build.sh || exit 1
fi

build="$root/${LUMO_BUILD:-build}"
results="$build/test-results"
mkdir -p "$results"
total_pass=0
total_fail=0
failed_stages=()

# Reads the totals of a gtest XML report: "<tests> <failures+errors>".
counts() {
  local xml=$1
  [ -f "$xml" ] || { echo "0 0"; return; }
  local line
  line=$(grep -m1 '<testsuites' "$xml")
  local t f e d
  t=$(sed -n 's/.* tests="\([0-9]*\)".*/\1/p' <<<"$line")
  f=$(sed -n 's/.* failures="\([0-9]*\)".*/\1/p' <<<"$line")
  e=$(sed -n 's/.* errors="\([0-9]*\)".*/\1/p' <<<"$line")
  d=$(sed -n 's/.* disabled="\([0-9]*\)".*/\1/p' <<<"$line")
  echo "$(( ${t:-0} - ${d:-0} )) $(( ${f:-0} + ${e:-0} ))"
}

# stage NAME XML COMMAND...: runs one gtest executable and records its outcome.
stage() {
  local name=$1 xml=$2; shift 2
  case " ${LUMO_STAGES:-native asan wine e2e} " in *" ${STAGE_KEY} "*) ;; *) return 0 ;; esac
  rm -f "$xml"
  echo "=== stage: $name"
  local start=$SECONDS
  "$@"
  local rc=$?
  local secs=$(( SECONDS - start ))
  read -r n f < <(counts "$xml")
  local p=$(( n - f ))
  if [ $rc -ne 0 ] && [ "$f" = 0 ]; then f=1; fi   # crashed or no report: count it as a failure
  echo "=== $name: $p passed, $f failed in ${secs}s (exit $rc)"
  total_pass=$(( total_pass + p ))
  total_fail=$(( total_fail + f ))
  [ $rc -eq 0 ] || failed_stages+=("$name")
}

winpath() { echo "Z:${1//\//\\}"; }

run_wine_stages() {
  source "$root/scripts/wine-env.sh"
  trap lumo_wine_stop EXIT
  lumo_wine_start_xvfb || return 1
  lumo_wine_prefix
  wineserver -p >/dev/null 2>&1
  STAGE_KEY=wine stage "wine (window layer)" "$results/wine.xml" \
    timeout 1500 wine "$build/win/lumo_wine_tests.exe" --gtest_output="xml:$(winpath "$results/wine.xml")" "$@"
  STAGE_KEY=e2e stage "end-to-end" "$results/e2e.xml" \
    timeout 1800 wine "$build/win/lumo_e2e_tests.exe" --gtest_output="xml:$(winpath "$results/e2e.xml")" "$@"
  lumo_wine_stop
  trap - EXIT
}

if [ "${LUMO_IN_NETNS:-}" = 1 ]; then
  # Inside the namespace: only the Wine stages, then hand the counts back to the parent.
  ip link set lo up 2>/dev/null || true
  if [ -n "${LUMO_HOSTS_FILE:-}" ]; then mount --bind "$LUMO_HOSTS_FILE" /etc/hosts; fi
  run_wine_stages "$@"
  echo "$total_pass $total_fail ${#failed_stages[@]}" > "$results/netns-counts"
  exit 0
fi

STAGE_KEY=native stage "native" "$results/native.xml" \
  "$build/native/lumo_native_tests" --gtest_output="xml:$results/native.xml" "$@"
STAGE_KEY=asan stage "native ASan+UBSan" "$results/asan.xml" \
  env ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  "$build/asan/lumo_native_tests" --gtest_output="xml:$results/asan.xml" "$@"

# The hosts the program talks to by name resolve to the loopback inside the namespace,
# where the tests' stand-in servers listen.
hosts="$build/test-hosts"
{
  echo "127.0.0.1 localhost"
  echo "::1 localhost"
  for h in $(cat "$root/tests/loopback-hosts.txt" 2>/dev/null); do echo "127.0.0.1 $h"; done
} > "$hosts"
rm -f "$results/netns-counts"
if unshare --net --mount true 2>/dev/null; then
  LUMO_IN_NETNS=1 LUMO_HOSTS_FILE="$hosts" unshare --net --mount bash "$0" "$@"
  if [ -f "$results/netns-counts" ]; then
    read -r p f s < "$results/netns-counts"
    total_pass=$(( total_pass + p )); total_fail=$(( total_fail + f ))
    [ "$s" = 0 ] || failed_stages+=("wine stages")
  else
    failed_stages+=("wine stages"); total_fail=$(( total_fail + 1 ))
  fi
else
  echo "test.sh: cannot make a network namespace here; running the Wine stages without one" >&2
  run_wine_stages "$@"
fi

echo
if [ ${#failed_stages[@]} -gt 0 ]; then echo "failed stages: ${failed_stages[*]}"; fi
echo "$total_pass passed, $total_fail failed"
[ ${#failed_stages[@]} -eq 0 ] && [ $total_fail -eq 0 ]

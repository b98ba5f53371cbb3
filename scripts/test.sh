#!/usr/bin/env bash
# Builds everything and runs the whole test suite under Wine.
#   scripts/test.sh [ctest arguments...]
# Runs the set-up script first, so it works on a fresh Debian 12 machine.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

scripts/setup.sh
build="$root/build/default"
cmake --preset default >/dev/null
cmake --build --preset default

# Every product source must also compile against the genuine CEF 109
# headers; the check (about half a minute) comes with the shared CEF tree
# beside the project and reads this build's compile commands.
conformance="$root/../shared/tools/cef-conformance"
if [ -x "$conformance" ]; then
  "$conformance" --build "$build"
fi

# One wineserver per prefix for the whole run: each test process then
# starts in well under a second. Each ends by itself a while after its last
# test, or when this script exits.
prefixes=()
start_wineserver() {
  scripts/wine-prefix-init "$1"
  WINEPREFIX="$1" WINEARCH=win32 wineserver -p60 || true
  prefixes+=("$1")
}
stop_wineservers() {
  local prefix
  for prefix in "${prefixes[@]}"; do
    WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1 || true
  done
}
trap stop_wineservers EXIT
start_wineserver "$build/wineprefix"

jobs="$(nproc)"
# Every test counts on its first run, and a run that finds no tests fails.
# scripts/ci-durations shows afterwards what each test took.
ctest --preset default -j "$jobs" --no-tests=error "$@"

# The kit as users ship it: CEF's own headers and wrapper library, compiled
# from a CEF 109 source tree beside the project, on the simulated runtime's
# C-API libcef.dll. Its own build folder and Wine prefix.
# The default build made that DLL from the same sources when it found CEF
# 109's sources (cefsim/capi); the production build takes it from there.
cef_tree="$(cd "$root/.." && pwd)/shared/cef109"
if [ ! -f "$cef_tree/distribution/include/cef_version.h" ]; then
  echo "test.sh: production configuration skipped: no CEF 109 source tree" \
       "at $cef_tree"
  exit 0
fi
if [ ! -f "$build/capi/bin/libcef.dll" ]; then
  echo "test.sh: production configuration skipped: the default build made" \
       "no C-API libcef.dll (see its \"cefsim:\" configure line)"
  exit 0
fi
production="$root/build/production"
cmake --preset production -DORVCEF_SIMULATED_CAPI_FROM="$build" >/dev/null
cmake --build --preset production
start_wineserver "$production/wineprefix"
# A filter given on the command line may select no test of this build.
no_tests=error
[ "$#" -gt 0 ] && no_tests=ignore
log="$production/ctest-summary.log"
ctest --preset production -j "$jobs" --no-tests="$no_tests" "$@" |
  tee "$log"
echo "test.sh: production configuration:" \
     "$(grep -E 'tests passed|tests failed' "$log" | tail -1)"


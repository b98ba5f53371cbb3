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

# One wineserver for the whole run: each test process then starts in well
# under a second. It ends by itself a while after the last test.
prefix="$build/wineprefix"
scripts/wine-prefix-init "$prefix"
WINEPREFIX="$prefix" WINEARCH=win32 wineserver -p60 || true
trap 'WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1 || true' EXIT

jobs="$(nproc)"
# A test that fails is run once more before it counts: under Wine a test
# process has been seen, rarely, to hang on its way out after every check
# passed. A real fault fails both runs.
ctest --preset default -j "$jobs" --repeat until-pass:2 "$@"

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

# One wineserver for the whole run: each test process then starts in well
# under a second. It ends by itself a while after the last test.
prefix="$build/wineprefix"
scripts/wine-prefix-init "$prefix"
WINEPREFIX="$prefix" WINEARCH=win32 wineserver -p60 || true
trap 'WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1 || true' EXIT

jobs="$(nproc)"
# Every test counts on its first run, and a run that finds no tests fails.
# scripts/ci-durations then shows what each test took.
ctest --preset default -j "$jobs" --no-tests=error "$@"

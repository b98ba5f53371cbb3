#!/usr/bin/env bash
# Builds the kit and runs its benchmarks under Wine on the simulated
# runtime. The figures are printed and written to BUILD/bench/figures.txt,
# one "name value unit" line each, grouped under "# program" lines.
#   scripts/bench.sh [--quick]
# --quick runs smaller counts (about a fifth). ORV_BENCH_PRESET chooses the
# configure preset (default "default", the debug build the tests use;
# "release" for an optimised one) and ORV_BENCH_BUILD_DIR the build folder
# (default build/<preset>).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

scale=full
if [ "${1:-}" = "--quick" ]; then
  scale=quick
elif [ -n "${1:-}" ]; then
  echo "usage: scripts/bench.sh [--quick]" >&2
  exit 2
fi

scripts/setup.sh
preset="${ORV_BENCH_PRESET:-default}"
build="${ORV_BENCH_BUILD_DIR:-$root/build/$preset}"
cmake --preset "$preset" -B "$build" >/dev/null
programs=(bridge reply full_path resources script_push shutdown)
targets=()
for program in "${programs[@]}"; do
  targets+=("orvcef_bench_$program")
done
cmake --build "$build" --target "${targets[@]}"

# The Wine prefix of the tests: null display driver, one wineserver kept
# for the whole run so that each program starts quickly.
prefix="$build/wineprefix"
scripts/wine-prefix-init "$prefix"
WINEPREFIX="$prefix" WINEARCH=win32 wineserver -p60 || true

out="$build/bench"
mkdir -p "$out"
figures="$out/figures.txt"
{
  echo "# orvcef benchmarks, $scale run, $(date -u '+%Y-%m-%d %H:%M UTC')"
  echo "# $(nproc) cores, $(uname -sr), $(wine --version 2>/dev/null || echo wine)," \
       "build type $(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build/CMakeCache.txt")"
} | tee "$figures"

# run PROGRAM [ARGS...]: one benchmark program, its figures appended.
run() {
  local program="$1"
  shift
  echo "# $program $*" | tee -a "$figures"
  (cd "$build/bin" &&
    "$root/scripts/wine-run" --prefix "$prefix" "orvcef_bench_$program.exe" \
      "--scale=$scale" "$@") | tee -a "$figures"
}

started=$SECONDS
run bridge
run reply
run full_path
run resources
run script_push
run shutdown --browsers=1
run shutdown --browsers=10
echo "# all figures in $((SECONDS - started)) s" | tee -a "$figures"
echo "bench: figures written to $figures"

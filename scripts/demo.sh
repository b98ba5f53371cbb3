#!/usr/bin/env bash
# Runs the sample host on the simulated runtime under Wine.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
scripts/setup.sh
if [ ! -f examples/CMakeLists.txt ]; then
  echo "demo: the sample host is not part of the project yet; nothing to run." >&2
  exit 1
fi
cmake --preset default >/dev/null
cmake --build --preset default
exec scripts/wine-run --prefix build/default/wineprefix build/default/bin/orvcef_sample_host.exe --demo

#!/usr/bin/env bash
# Makes the ZIP a host developer receives: orvcef.dll and orvbrowser.exe
# from an optimised build with symbols and debug information stripped, the
# header, the import libraries (mingw's .a; the .def an MSVC host makes its
# own from), the page helper, the sample host's source, the guides, and the
# simulated runtime in a folder of its own. Then checks the ZIP.
#   scripts/package.sh [--from BUILD_DIR] [--output DIR]
# By default it configures the release preset in build/release and builds
# only what the package holds; CMAKE_BUILD_PARALLEL_LEVEL sets how many
# compilers run at once. --from packs an existing build as it is (the test
# suite packs its own build so). The ZIP goes to DIR (default
# BUILD_DIR/package); its path is the last line printed.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

usage() {
  echo "usage: scripts/package.sh [--from BUILD_DIR] [--output DIR]" >&2
  exit 2
}
from=
output=
while [ $# -gt 0 ]; do
  case "$1" in
    --from) [ $# -ge 2 ] || usage; from="$2"; shift 2 ;;
    --output) [ $# -ge 2 ] || usage; output="$2"; shift 2 ;;
    *) usage ;;
  esac
done

if [ -n "$from" ]; then
  build="$(cd "$from" && pwd)"
else
  scripts/setup.sh
  build="$root/build/release"
  cmake --preset release >/dev/null
  # The simulated libcef.dll is in the package, and orvcef.dll's delay-load
  # library is made from it.
  cmake --build --preset release --target orvcef orvcef_import_lib orvbrowser \
    libcef
fi
cache="$build/CMakeCache.txt"
[ -f "$cache" ] || { echo "package: $build is no build folder" >&2; exit 1; }
cached() { sed -n "s/^$1:[A-Z]*=//p" "$cache"; }

name="orvcef-$(cached CMAKE_PROJECT_VERSION)-win32"
output="${output:-$build/package}"
mkdir -p "$output"
output="$(cd "$output" && pwd)"
stage="$output/$name"
zip="$output/$name.zip"
rm -rf "$stage" "$zip"

# --strip runs the toolchain's strip on every installed binary.
cmake --install "$build" --prefix "$stage" --strip >/dev/null
(cd "$output" && cmake -E tar cf "$zip" --format=zip "$name")
rm -rf "$stage"

cmake -DZIP="$zip" -DWORK_DIR="$output/check" \
      -DOBJDUMP="$(cached CMAKE_OBJDUMP)" \
      -P tests/install/check_package.cmake
echo "package: $(cached CMAKE_BUILD_TYPE) build of $build"
echo "$zip"

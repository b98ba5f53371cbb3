#!/usr/bin/env bash
# Installs everything the build, the tests and the demo need on a Debian 12
# machine. Safe to run again: it only installs what is missing.
set -euo pipefail

packages=(
  cmake ninja-build
  g++-mingw-w64-i686 mingw-w64-tools binutils-mingw-w64-i686
  wine wine32:i386
  googletest
  xvfb
  python3
  nodejs
)

if [ "$(id -u)" -ne 0 ]; then
  sudo=sudo
else
  sudo=
fi

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
  need_update=1
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
elif [ -n "${need_update:-}" ]; then
  $sudo apt-get update -q
fi

# The -posix compilers carry std::thread; make sure they are the ones found.
for tool in i686-w64-mingw32-gcc-posix i686-w64-mingw32-g++-posix wine; do
  command -v "$tool" >/dev/null || { echo "setup: $tool not found" >&2; exit 1; }
done
echo "setup: ready"

#!/usr/bin/env bash
# Installs everything the build, the tests and the demo need on a Debian 12
# machine. Safe to run again: it only installs what is missing.
set -euo pipefail

packages=(
  cmake ninja-build
  g++-mingw-w64-i686 mingw-w64-tools binutils-mingw-w64-i686
  wine wine32:i386
  googletest
  xvfb x11-utils imagemagick
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

# A mirror in mid-sync makes apt-get update fail now and then; try again,
# and go on with whatever indexes did arrive if it keeps failing.
apt_update() {
  for attempt in 1 2 3; do
    $sudo apt-get update -q && return 0
    echo "setup: apt-get update failed (attempt $attempt)" >&2
    sleep 5
  done
  return 0
}

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  apt_update
  install=(env DEBIAN_FRONTEND=noninteractive apt-get install -y -q
           --no-install-recommends)
  if ! $sudo "${install[@]}" "${missing[@]}"; then
    # When one architecture's security index failed to arrive, amd64 and
    # i386 candidates disagree and multiarch packages cannot be paired.
    # Prefer the main suite's versions for this install only.
    prefs=$(mktemp -d)
    printf 'Package: *\nPin: release l=Debian-Security\nPin-Priority: 100\n' \
      >"$prefs/security-low.pref"
    echo "setup: retrying with the main suite's versions preferred" >&2
    $sudo "${install[@]}" -o Dir::Etc::PreferencesParts="$prefs" "${missing[@]}"
    rm -rf "$prefs"
  fi
elif [ -n "${need_update:-}" ]; then
  apt_update
fi

# The -posix compilers carry std::thread; make sure they are the ones found.
for tool in i686-w64-mingw32-gcc-posix i686-w64-mingw32-g++-posix wine; do
  command -v "$tool" >/dev/null || { echo "setup: $tool not found" >&2; exit 1; }
done
echo "setup: ready"

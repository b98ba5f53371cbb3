#!/usr/bin/env bash
# Installs everything the build, the tests and the demo need on a Debian 12
# machine. Safe to run again: when everything is there it changes nothing
# and needs neither root nor the network.
#   scripts/setup.sh
# Runs as root, or as a user who may use sudo.
#
# ORVCEF_SETUP_PREFER_MAIN=1: when an install fails because the Debian
# mirror is in the middle of a sync (see mirror_mid_sync below), try it once
# more preferring the main suite's versions over the security suite's.
# Installed packages are never downgraded, with or without it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

# Wine goes in first, in an install of its own: the 32-bit packages must
# match the 64-bit libraries already installed, and the later steps (the
# Chromium step above all, which comes from the security suite) may upgrade
# those libraries. Done first, a mirror caught mid-sync cannot leave Wine
# uninstallable because of what another step pulled in.
wine_packages=(wine wine32:i386)
build_packages=(
  cmake ninja-build
  g++-mingw-w64-i686 mingw-w64-tools binutils-mingw-w64-i686
  googletest
  xvfb x11-utils imagemagick fonts-wine
  python3
  nodejs
)
# The headless browser tests of the page helper.
browser_packages=(chromium)
browser_tests="$root/tests/browser"
# Debian's nodejs comes without npm; a node that carries its own is kept.
if [ -f "$browser_tests/package.json" ] && ! command -v npm >/dev/null; then
  browser_packages+=(npm)
fi

say() { echo "setup: $*"; }
warn() { echo "setup: $*" >&2; }

missing_of() {
  local p
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null |
        grep -q "ok installed"; then
      echo "$p"
    fi
  done
}

need_i386=
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  need_i386=1
fi
mapfile -t wine_missing < <(missing_of "${wine_packages[@]}")
mapfile -t build_missing < <(missing_of "${build_packages[@]}")
mapfile -t browser_missing < <(missing_of "${browser_packages[@]}")
all_missing=("${wine_missing[@]}" "${build_missing[@]}"
             "${browser_missing[@]}")

# --- Root -------------------------------------------------------------------

sudo=
if [ -n "$need_i386" ] || [ ${#all_missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
      warn "these packages are missing: ${all_missing[*]:-(the i386 architecture)}"
      warn "installing them needs root, and sudo is not installed: run" \
           "scripts/setup.sh as root, or install sudo and allow this user" \
           "to use it"
      exit 1
    fi
    sudo=sudo
  fi
fi

# --- apt --------------------------------------------------------------------

logs="${TMPDIR:-/tmp}"
update_log=
# What apt-get update could not fetch, for the explanation of a failed
# install: one "E: Failed to fetch" line per index.
update_failures=

apt_update() {
  update_log=$(mktemp "$logs/orvcef-setup-update.XXXXXX")
  if $sudo apt-get update -q -o DPkg::Lock::Timeout=300 >"$update_log" 2>&1
  then
    rm -f "$update_log"
    return 0
  fi
  # Whatever indexes did arrive are used; the install below explains itself
  # if the missing ones matter.
  update_failures=$(grep '^E: Failed to fetch' "$update_log" || true)
  warn "apt-get update could not fetch everything (details: $update_log)"
  if [ -n "$update_failures" ]; then
    printf '%s\n' "$update_failures" |
      sed -e 's/^E: Failed to fetch /  /' -e 's/ *\[IP:.*//' >&2
  fi
}

# Prefers the main suite: security updates get a priority below the main
# suite's 500. A pin below 1000 never downgrades an installed package, and
# apt-get -y without --allow-downgrades refuses to.
main_preferred=
prefer_main_suite() {
  main_preferred=$(mktemp -d "$logs/orvcef-setup-prefs.XXXXXX")
  printf 'Package: *\nPin: release l=Debian-Security\nPin-Priority: 100\n' \
    >"$main_preferred/security-low.pref"
  chmod -R a+rX "$main_preferred"
}
trap '[ -z "$main_preferred" ] || rm -rf "$main_preferred"' EXIT

# The log of the last apt_install.
install_log=

# apt_install [--prefer-main] PACKAGE...: installs, apt's output to a log.
apt_install() {
  local options=()
  if [ "$1" = --prefer-main ]; then
    shift
    [ -n "$main_preferred" ] || prefer_main_suite
    options=(-o "Dir::Etc::PreferencesParts=$main_preferred")
  fi
  install_log=$(mktemp "$logs/orvcef-setup-install.XXXXXX")
  if $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q \
      --no-install-recommends -o DPkg::Lock::Timeout=300 "${options[@]}" \
      "$@" >"$install_log" 2>&1; then
    rm -f "$install_log"
    return 0
  fi
  return 1
}

# The mirror mid-sync: apt-get update fetched one architecture's index of a
# suite but not the other's, so the newest 64-bit version of a library has
# no 32-bit twin of the same version, which a multiarch pair must have. apt
# then ends with "you have held broken packages".
mirror_mid_sync() {
  grep -q 'held broken packages' "$install_log"
}

explain_mid_sync() {
  local what="$1" fetched="the package indexes it has disagree"
  if printf '%s' "$update_failures" | grep -q 'Mirror sync in progress'; then
    fetched="apt-get update could not fetch $(printf '%s\n' \
      "$update_failures" | grep -o 'dists/[^ ]*' | paste -sd' ' -)"
    fetched+=' ("Mirror sync in progress?")'
  fi
  fmt -w 76 >&2 <<EOF
setup: $what cannot be installed right now. The Debian mirror seems to be
in the middle of a sync: $fetched. A 32-bit (i386) library must have
exactly the version of its 64-bit twin, and the versions that would be
needed are not both on the mirror yet, so apt gives up ("you have held
broken packages"). Nothing was installed or changed. What you can do: run
scripts/setup.sh again later, once the mirror has caught up (usually within
an hour); or run it with ORVCEF_SETUP_PREFER_MAIN=1 to install the versions
of Debian 12's main suite instead of the newer security updates. That never
downgrades anything, so if a newer 64-bit library is already installed only
waiting helps. apt's output: $install_log
EOF
}

# install_step NAME PACKAGE...: installs one step's packages. Returns 0 when
# they are in, 1 (having said why) when not.
install_step() {
  local what="$1"
  shift
  say "installing $what: $*"
  if apt_install "$@"; then
    return 0
  fi
  if ! mirror_mid_sync; then
    warn "installing $what failed; the end of apt's output" \
         "(all of it: $install_log):"
    tail -n 15 "$install_log" >&2
    return 1
  fi
  if [ "${ORVCEF_SETUP_PREFER_MAIN:-}" = 1 ]; then
    local first_log="$install_log"
    say "the mirror is mid-sync; trying $what again with the main suite's" \
        "versions preferred (ORVCEF_SETUP_PREFER_MAIN=1)"
    if apt_install --prefer-main "$@"; then
      rm -f "$first_log"
      return 0
    fi
    if ! mirror_mid_sync; then
      warn "installing $what with the main suite's versions failed too" \
           "(apt's output: $install_log)"
      tail -n 15 "$install_log" >&2
      return 1
    fi
  fi
  explain_mid_sync "$what"
  return 1
}

if [ -n "$need_i386" ]; then
  $sudo dpkg --add-architecture i386
fi
if [ -n "$need_i386" ] || [ ${#all_missing[@]} -gt 0 ]; then
  apt_update
fi
if [ ${#wine_missing[@]} -gt 0 ]; then
  install_step "Wine" "${wine_missing[@]}" || exit 1
fi
if [ ${#build_missing[@]} -gt 0 ]; then
  install_step "the build and test tools" "${build_missing[@]}" || exit 1
fi

# Chromium last, on its own: when it cannot be installed the build, the
# Wine suite and the demo still can run, so this is said, not fatal.
browser_ready=1
if [ ${#browser_missing[@]} -gt 0 ]; then
  if ! install_step "Chromium" "${browser_missing[@]}"; then
    browser_ready=
    warn "Chromium is not installed: everything else is ready, but the" \
         "page helper's headless browser tests cannot run until" \
         "scripts/setup.sh has installed it."
  fi
fi

# The -posix compilers carry std::thread; make sure they are the ones found.
for tool in i686-w64-mingw32-gcc-posix i686-w64-mingw32-g++-posix wine; do
  command -v "$tool" >/dev/null || { warn "$tool not found"; exit 1; }
done

# --- The browser tests' Node packages ---------------------------------------

# npm ci replaces node_modules whole, so it runs only when the package files
# changed since the last install; the stamp holds their checksum.
if [ -n "$browser_ready" ] && [ -f "$browser_tests/package.json" ]; then
  lock="$browser_tests/package-lock.json"
  stamp="$browser_tests/node_modules/.orv-setup-stamp"
  sum=$(cat "$browser_tests/package.json" "$lock" 2>/dev/null | sha256sum)
  if [ "$(cat "$stamp" 2>/dev/null)" != "$sum" ]; then
    if [ -f "$lock" ]; then
      npm_command=(npm ci)
    else
      npm_command=(npm install)
    fi
    say "${npm_command[*]} in tests/browser"
    # Puppeteer's own browser download is never wanted: the tests drive
    # Debian's Chromium.
    if ! (cd "$browser_tests" && PUPPETEER_SKIP_DOWNLOAD=1 \
          "${npm_command[@]}" --no-audit --no-fund); then
      warn "${npm_command[*]} failed in tests/browser (output above):" \
           "everything else is ready, but the page helper's headless" \
           "browser tests cannot run until scripts/setup.sh has installed" \
           "their packages."
    else
      echo "$sum" >"$stamp"
    fi
  fi
fi
say "ready"

#!/usr/bin/env bash
# Runs scripts/setup.sh against stand-ins for apt, dpkg, id and sudo and
# checks what it does and says in each case a machine can be in: all
# installed, no root and no sudo, a mirror caught mid-sync (with and without
# the opt-in to the main suite), a failing Chromium step.
#   setup_test.sh SETUP_SCRIPT
set -euo pipefail
setup="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# The script runs from a copy, so the project's own tests/browser/ is not
# touched; PATH holds the stand-ins and the few real tools it needs, so a
# real sudo or apt-get on this machine is never reached.
mkdir -p "$work/project/scripts" "$work/fake" "$work/tools"
cp "$setup" "$work/project/scripts/setup.sh"
for tool in bash cat chmod dirname env fmt grep mktemp paste rm sed sha256sum \
    tail; do
  ln -s "$(command -v "$tool")" "$work/tools/$tool"
done

fake() {
  printf '#!/bin/sh\n%s\n' "$2" >"$work/fake/$1"
  chmod +x "$work/fake/$1"
}
# FAKE_MISSING: the packages dpkg-query calls missing. FAKE_UID: the user.
# FAKE_INSTALL: how each apt-get install ends, one word per call: ok,
# broken (held broken packages) or failed (anything else).
fake id 'echo "${FAKE_UID:-0}"'
fake dpkg '[ "$1" = --print-foreign-architectures ] && echo i386; exit 0'
fake dpkg-query 'for p in $FAKE_MISSING; do
  for a in "$@"; do [ "$a" = "$p" ] && exit 1; done
done
echo "install ok installed"'
fake apt-get 'echo "$*" >>"$FAKE_LOG"
if [ "$1" = update ]; then
  echo "E: Failed to fetch http://deb.example/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz  File has unexpected size (1 != 2). Mirror sync in progress? [IP: 192.0.2.1 80]"
  exit 100
fi
n=$(grep -c "^install " "$FAKE_LOG")
i=0 result=ok
for word in $FAKE_INSTALL; do
  i=$((i + 1))
  [ "$i" = "$n" ] && result=$word
done
case "$result" in
  ok) exit 0 ;;
  broken) echo "E: Unable to correct problems, you have held broken packages."; exit 100 ;;
  *) echo "E: Unable to locate package chromium"; exit 100 ;;
esac'
for tool in i686-w64-mingw32-gcc-posix i686-w64-mingw32-g++-posix wine; do
  fake "$tool" 'exit 0'
done

failures=0
# run NAME EXPECTED_STATUS [VAR=value...]: runs the set-up in a clean
# environment; its output goes to $out, apt-get's calls to $log.
run() {
  local name="$1" expected="$2" status=0
  shift 2
  out="$work/$name.out"
  log="$work/$name.apt"
  : >"$log"
  env -i PATH="$work/fake:$work/tools" TMPDIR="$work" FAKE_LOG="$log" \
    "$@" bash "$work/project/scripts/setup.sh" >"$out" 2>&1 || status=$?
  if [ "$status" != "$expected" ]; then
    fail "$name: exit status $status, expected $expected"
  fi
}
fail() {
  echo "FAIL: $*"
  [ -z "${out:-}" ] || sed 's/^/  | /' "$out"
  failures=$((failures + 1))
}
says() { grep -q -- "$2" "$out" || fail "$1: the output lacks \"$2\""; }
apt_calls() {
  [ "$(grep -c "$2" "$log")" = "$3" ] ||
    fail "$1: $3 apt-get calls matching \"$2\" expected, got $(grep -c "$2" "$log")"
}

# Everything there: nothing to do, not even as a user without sudo.
run installed 0 FAKE_UID=1000
says installed "setup: ready"
apt_calls installed . 0

# Something missing, no root, no sudo: one clear sentence, no apt.
run no_sudo 1 FAKE_UID=1000 FAKE_MISSING=wine32:i386
says no_sudo "run scripts/setup.sh as root, or install sudo"
apt_calls no_sudo . 0
if grep -q "command not found" "$out"; then
  fail "no_sudo: a shell error instead of the explanation"
fi

# A mirror mid-sync: one paragraph naming the failed index and both ways
# out; apt's own lines stay in its log; nothing is retried unasked.
run mid_sync 1 FAKE_MISSING="wine wine32:i386" FAKE_INSTALL=broken
says mid_sync "Wine cannot be installed right now"
says mid_sync "binary-i386/Packages.xz"
says mid_sync "ORVCEF_SETUP_PREFER_MAIN=1"
apt_calls mid_sync "^install " 1
apt_calls mid_sync PreferencesParts 0
if grep -q "^E: " "$out"; then
  fail "mid_sync: apt's own error lines were printed"
fi

# The same, opted in: tried again with the main suite preferred, and never
# with downgrades allowed.
run prefer_main 0 FAKE_MISSING="wine wine32:i386" FAKE_INSTALL="broken ok" \
  ORVCEF_SETUP_PREFER_MAIN=1
says prefer_main "main suite's versions preferred"
apt_calls prefer_main "^install " 2
apt_calls prefer_main "PreferencesParts=" 1
apt_calls prefer_main "allow-downgrades" 0

# Wine is installed first, in an install of its own, before the tools and
# before Chromium; a failing Chromium step is said and is not fatal.
run order 0 FAKE_MISSING="wine32:i386 cmake chromium" \
  FAKE_INSTALL="ok ok failed"
sed -n 's/^install .*--no-install-recommends -o [^ ]* //p' "$log" \
  >"$work/order.list"
if [ "$(cat "$work/order.list")" != "$(printf '%s\n' wine32:i386 cmake \
    chromium)" ]; then
  fail "order: installs were $(paste -sd'|' "$work/order.list")," \
       "expected wine32:i386|cmake|chromium"
fi
says order "Chromium is not installed"
says order "setup: ready"

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "set-up: all cases behave"

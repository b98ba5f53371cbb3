#!/usr/bin/env bash
# The demo: the sample host runs its unattended tour under Wine on the
# simulated runtime, which plays the sample web application
# (examples/sample_web/ as examples/sample_host/demo.scenario describes it).
# Shows the transcript (host and page lines), checks that every step
# happened, and exits 0 only then. When an X display can be had (Xvfb), the
# tour runs a second time on Wine's X11 driver and a screenshot of the
# host's window, showing the page of one view, is saved as
# BUILD/demo/demo.png.
#   scripts/demo.sh
# ORV_DEMO_BUILD_DIR chooses the build folder (default build/default).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

scripts/setup.sh
build="${ORV_DEMO_BUILD_DIR:-$root/build/default}"
cmake --preset default -B "$build" >/dev/null
cmake --build "$build"

# The Wine prefix of the tests: null display driver, one wineserver kept
# for the run.
prefix="$build/wineprefix"
scripts/wine-prefix-init "$prefix"
WINEPREFIX="$prefix" WINEARCH=win32 wineserver -p60 || true

echo "demo: the sample host's tour on the simulated runtime"
scripts/demo-tour "$build" "$prefix" "$build/demo/transcript.txt"

# --- The screenshot ---------------------------------------------------------

shots="$build/demo"
xvfb_pid=""
stop_xvfb() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
  fi
}
trap stop_xvfb EXIT

skip() {
  echo "demo: screenshot skipped: $1"
  echo "demo: passed"
  exit 0
}

# Polls |1| (a command) every tenth of a second for at most |2| seconds.
wait_for() {
  local condition="$1" limit_tenths=$(($2 * 10))
  for ((tenth = 0; tenth < limit_tenths; ++tenth)); do
    eval "$condition" && return 0
    sleep 0.1
  done
  return 1
}

for tool in Xvfb xwininfo import; do
  command -v "$tool" >/dev/null || skip "$tool is not installed"
done
# Wine draws the caption buttons with its Marlett font, which comes with
# Debian's fonts-wine. Without it the buttons show as letters, so the
# picture is not worth taking.
wine_fonts=/usr/share/wine/fonts
[ -f "$wine_fonts/marlett.ttf" ] ||
  skip "Wine's fonts are missing ($wine_fonts; scripts/setup.sh installs fonts-wine)"

# A prefix of its own that draws on X11; Wine draws the window frames, as
# Xvfb has no window manager.
x11_prefix="$build/wineprefix-x11"
scripts/wine-prefix-init "$x11_prefix"
if [ ! -f "$x11_prefix/.orv-x11" ]; then
  (
    export WINEPREFIX="$x11_prefix" WINEARCH=win32 WINEDEBUG=-all
    wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d x11 /f
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f
    wineserver -w
  ) >/dev/null 2>&1
  touch "$x11_prefix/.orv-x11"
fi
# This Wine takes fonts from the prefix's Fonts folder, not from its own
# data folder: Wine's fonts are linked into it.
x11_fonts="$x11_prefix/drive_c/windows/Fonts"
mkdir -p "$x11_fonts"
ln -sf "$wine_fonts"/*.ttf "$x11_fonts/"

mkdir -p "$shots"
display_file="$shots/xvfb-display"
rm -f "$display_file"
Xvfb -displayfd 3 -screen 0 1024x720x24 -nolisten tcp \
  3>"$display_file" >"$shots/xvfb.log" 2>&1 &
xvfb_pid=$!
wait_for '[ -s "$display_file" ] || ! kill -0 "$xvfb_pid" 2>/dev/null' 15 ||
  true
[ -s "$display_file" ] || skip "Xvfb did not start (see $shots/xvfb.log)"
export DISPLAY=":$(head -n1 "$display_file")"

echo "demo: the tour again on display $DISPLAY, for the screenshot"
x11_transcript="$shots/transcript-x11.txt"
rm -f "$x11_transcript"
ORV_WINE_DISPLAY=x11 scripts/demo-tour "$build" "$x11_prefix" \
  "$x11_transcript" >"$shots/tour-x11.log" 2>&1 &
tour_pid=$!

# The view in the picture. The host's caption carries the page title once
# the view is shown; the picture is taken when the page has also had the
# host's answer to its echo of the route, so the window shows that answer.
view=/settings
window_name="Sample app - $view - orvcef sample host"
shown="grep -qs 'host: page title \"Sample app - $view\"' \"\$x11_transcript\" &&
  grep -qs 'page: query \"echo:$view\" -> success' \"\$x11_transcript\""
ended='! kill -0 "$tour_pid" 2>/dev/null'
png="$shots/demo.png"
rm -f "$png"
if wait_for "$shown || $ended" 60 && eval "$shown"; then
  window=$(xwininfo -root -tree | awk -v name="\"$window_name\":" \
    'index($0, name) { print $1; exit }')
  if [ -n "$window" ]; then
    import -window "$window" "$png" || rm -f "$png"
  fi
fi

tour_status=0
wait "$tour_pid" || tour_status=$?
if [ "$tour_status" -ne 0 ]; then
  cat "$shots/tour-x11.log"
  echo "demo: FAILED on the X11 display" >&2
  exit 1
fi
echo "demo: the tour on the X11 display passed too"
[ -f "$png" ] || skip "the host's window could not be captured"
echo "demo: screenshot of the host's window: $png"
echo "demo: passed"

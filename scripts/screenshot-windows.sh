#!/usr/bin/env bash
# Takes docs/screenshot-windows.png: meshmill.exe under wine on a virtual X
# display (Xvfb), after the analysis of the sample scene. An optional DPI (96
# is 100 %, 192 is 200 %) draws the window at that scale and writes
# build-windows/screenshot-windows-DPI.png instead, for looking at.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

dpi=${1:-96}
install_windows_tools
install_missing xvfb imagemagick x11-utils
build_windows

display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 2400x1600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display WINE_GRAPHICS=x11
export WINEPREFIX="$REPO_ROOT/build-windows/wine-prefix-screenshot"
start_wine
trap 'wineserver -k || true; kill $xvfb 2>/dev/null || true' EXIT
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1

# A virtual desktop of wine's own, so the window has its title bar and frame.
work="$REPO_ROOT/build-windows/screenshot"
rm -rf "$work"
mkdir -p "$work"
wine explorer /desktop=Meshmill,2200x1400 "$REPO_ROOT/build-windows/bin/meshmill_exe_run.exe" \
  --pause 6 "$(winepath -w "$REPO_ROOT/build-windows/bin/meshmill.exe" 2>/dev/null)" \
  "$(winepath -w "$REPO_ROOT/examples" 2>/dev/null)" "$(winepath -w "$work/run" 2>/dev/null)" \
  >"$work/log" 2>&1 &
run=$!

# The window, once the analysis has filled it in and its message boxes are gone.
for _ in $(seq 1 240); do
  grep -q pausing "$work/log" 2>/dev/null && break
  sleep 0.5
done
grep -q pausing "$work/log" || { echo "The window did not show:"; cat "$work/log"; exit 1; }
sleep 1
desktop=$(xwininfo -root -tree | awk '/"Meshmill - Wine desktop"/ {print $1; exit}')
frame=$(xwininfo -root -tree | awk '/Wine desktop/ {print; exit}')
echo "$frame"
if [ "$dpi" = 96 ]; then
  out="$REPO_ROOT/docs/screenshot-windows.png"
else
  out="$REPO_ROOT/build-windows/screenshot-windows-$dpi.png"
fi
import -window "$desktop" "$work/desktop.png"
# Cut the desktop down to the window: its frame is the only thing on it.
convert "$work/desktop.png" -fuzz 2% -trim +repage "$out"
wait "$run" || true
echo "Wrote $out"

#!/usr/bin/env bash
# Sets up, builds the win64 program folder and runs the service under Wine.
# On $DISPLAY it runs until the service quits (its quit shortcut, or Ctrl+C
# here). Without a display it runs on a virtual Xvfb screen, saves a
# screenshot, prints its path and ends everything it started.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh
./scripts/build.sh win64

export VXL_BUILD_DIR="$PWD/build/win64"
had_display="${DISPLAY:-}"
# shellcheck source=wine-env.sh
. scripts/wine-env.sh
trap wine_env_stop EXIT
wine_env_start

dist="$VXL_BUILD_DIR/dist"
if [ -n "$had_display" ]; then
  echo "Starting the service from $dist (quit: Ctrl+Alt+numeric-pad minus, or Ctrl+C here)"
  cd "$dist" && exec wine Vexilor2.exe "$@"
fi

# An application to point at: the mouse shortcuts act on Wine's own windows.
wine notepad >/dev/null 2>&1 &
for _ in $(seq 1 50); do
  xdotool search --name Notepad >/dev/null 2>&1 && break
  sleep 0.2
done
echo "Starting the service from $dist"
(cd "$dist" && wine Vexilor2.exe "$@") &
sleep 3
# The default record shows the locator on a plain middle click.
xdotool mousemove 700 300 sleep 0.3 click 2 sleep 1
shot="$VXL_BUILD_DIR/run-screenshot.png"
import -window root "$shot"
echo "Screenshot of the virtual screen: $shot"

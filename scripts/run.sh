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
echo "Starting the service from $dist"
(cd "$dist" && wine Vexilor2.exe "$@") &
service=$!

if [ -n "$had_display" ]; then
  wait "$service"
  exit 0
fi

# Give the service time to start, then show the screen as a user would see it.
for _ in $(seq 1 15); do
  sleep 0.2
  kill -0 "$service" 2>/dev/null || break
done
shot="$VXL_BUILD_DIR/run-screenshot.png"
import -window root "$shot"
echo "Screenshot of the virtual screen: $shot"

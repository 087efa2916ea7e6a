#!/usr/bin/env bash
# Runs the Windows end-to-end test program under Wine against a program
# folder: run-e2e.sh <vexilor_e2e.exe> <dist folder> <screenshot folder> [gtest args]
set -uo pipefail
exe="$1"; dist="$2"; shots="$3"; shift 3
here="$(cd "$(dirname "$0")" && pwd)"
export VXL_BUILD_DIR="${VXL_BUILD_DIR:-$(dirname "$exe")/..}"
# shellcheck source=wine-env.sh
. "$here/wine-env.sh"
trap wine_env_stop EXIT

wine_env_start || exit 1
rm -rf "$shots" && mkdir -p "$shots"
export VXL_DIST="$(wine_path "$dist")"
export VXL_SHOTS="$(wine_path "$shots")"
# Nothing of an earlier run may hold the service's single-instance mutex.
wineserver -k >/dev/null 2>&1 || true
wine "$exe" "$@"
status=$?
# Screenshots are kept as PNG for people to look at.
for bmp in "$shots"/*.bmp; do
  [ -e "$bmp" ] || continue
  convert "$bmp" "${bmp%.bmp}.png" 2>/dev/null && rm -f "$bmp"
done
exit $status

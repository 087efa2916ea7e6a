# Sourced by the run and test scripts: a Wine prefix inside the build tree and
# an X display (a virtual Xvfb one when $DISPLAY is unset). Everything started
# here is ended by wine_env_stop.

: "${VXL_BUILD_DIR:?VXL_BUILD_DIR must name the win64 build folder}"
VXL_BUILD_DIR="$(cd "$VXL_BUILD_DIR" && pwd)"
export WINEPREFIX="${WINEPREFIX:-$VXL_BUILD_DIR/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko installers popping up in the prefix.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
VXL_XVFB_PID=""

wine_env_start_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    return 0
  fi
  # Xvfb picks a free display itself and writes its number when ready, so
  # parallel runs never share a screen.
  local number_file
  number_file="$(mktemp)"
  Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp >"$number_file" 2>/dev/null &
  VXL_XVFB_PID=$!
  local i
  for i in $(seq 1 100); do
    if [ -s "$number_file" ]; then
      export DISPLAY=":$(head -n 1 "$number_file")"
      rm -f "$number_file"
      return 0
    fi
    sleep 0.1
  done
  rm -f "$number_file"
  echo "wine-env: could not start Xvfb" >&2
  return 1
}

wine_env_init_prefix() {
  if [ ! -f "$WINEPREFIX/.vxl-ready" ]; then
    echo "wine-env: initialising the Wine prefix $WINEPREFIX (once)"
    mkdir -p "$WINEPREFIX"
    wine wineboot -i >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.vxl-ready"
  fi
}

wine_env_start() {
  wine_env_start_display && wine_env_init_prefix
}

wine_env_stop() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "$VXL_XVFB_PID" ]; then
    kill "$VXL_XVFB_PID" 2>/dev/null || true
    wait "$VXL_XVFB_PID" 2>/dev/null || true
    VXL_XVFB_PID=""
  fi
}

# A Unix path as Wine sees it (drive Z: is the root).
wine_path() {
  printf 'Z:%s' "$(realpath "$1" | tr '/' '\\')"
}

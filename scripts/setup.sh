#!/usr/bin/env bash
# Installs, idempotently and without questions, every tool the project needs
# from Debian packages. Fast when everything is already there.
set -euo pipefail

packages=(
  cmake ninja-build g++ zip clang-format
  googletest libgtest-dev libbenchmark-dev
  mingw-w64 g++-mingw-w64-x86-64 g++-mingw-w64-i686
  wine wine64
  xvfb xdotool imagemagick x11-utils
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

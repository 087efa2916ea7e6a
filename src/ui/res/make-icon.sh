#!/usr/bin/env sh
# Draws the programs' icon, the locator's mark: two bars crossing where an
# arrow points, at 48, 32 and 16 pixels: make-icon.sh <output.ico>
set -eu
out="$1"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
# Drawn once on a 256-pixel grid and reduced, so that every size is the
# same picture.
convert -size 256x256 xc:none \
  -fill '#1d4f91' -stroke '#0b2447' -strokewidth 6 \
  -draw 'roundrectangle 16,100 240,132 10,10' \
  -draw 'roundrectangle 100,16 132,240 10,10' \
  -fill '#ffd21f' -stroke '#000000' -strokewidth 8 \
  -draw 'polygon 122,122 122,236 150,204 174,250 200,238 176,192 218,186' \
  "$tmp/mark.png"
convert "$tmp/mark.png" -define icon:auto-resize=48,32,16 "$out"

#!/usr/bin/env bash
# Regenerates folvaric.ico (a folder with a green tick, 16/32/48 px) with ImageMagick.
# The icon is committed, so a build never needs this; run it only to change the picture.
set -euo pipefail
cd "$(dirname "$0")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
convert -size 48x48 xc:none \
  -fill '#c8952a' -stroke '#7a5412' -strokewidth 1.5 \
  -draw 'roundrectangle 3,9 22,17 2,2' \
  -fill '#f2c14e' -draw 'roundrectangle 3,13 45,42 3,3' \
  -fill none -stroke '#1e8c2e' -strokewidth 6 \
  -draw 'stroke-linejoin round stroke-linecap round polyline 14,27 22,35 36,19' \
  "$tmp/48.png"
convert "$tmp/48.png" -resize 32x32 "$tmp/32.png"
convert "$tmp/48.png" -resize 16x16 "$tmp/16.png"
convert "$tmp/16.png" "$tmp/32.png" "$tmp/48.png" folvaric.ico

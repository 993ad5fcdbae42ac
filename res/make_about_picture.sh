#!/usr/bin/env bash
# Redraws about_picture.jpg, the picture of the About box (a folder guarded by a green tick on a
# sky gradient), with ImageMagick. The JPEG is committed and embedded in the program at build
# time, so a build never needs this; run it only to change the picture.
set -euo pipefail
cd "$(dirname "$0")"
/usr/bin/convert -size 130x114 gradient:'#d9ecff'-'#6fa8dc' \
  -fill '#c8952a' -stroke '#7a5412' -strokewidth 2 \
  -draw 'roundrectangle 14,24 58,40 4,4' \
  -fill '#f2c14e' -draw 'roundrectangle 14,32 116,98 6,6' \
  -fill '#f7d47f' -stroke none -draw 'rectangle 18,36 112,44' \
  -fill none -stroke '#1e8c2e' -strokewidth 12 \
  -draw 'stroke-linejoin round stroke-linecap round polyline 40,64 58,82 92,46' \
  -strip -sampling-factor 4:2:0 -quality 88 about_picture.jpg

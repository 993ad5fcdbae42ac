#!/usr/bin/env bash
# Redraws the pictures and sounds of the delivered program folder (dist/) with ImageMagick and
# Python: the selectable main icons in 图标/ and the partial-close sound 音效/按钮声_1.wav.
# They are committed, so a build never needs this; run it only to change them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
icons=$root/dist/图标
sounds=$root/dist/音效
mkdir -p "$icons" "$sounds"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# icon NAME FOLDER_FILL FOLDER_TAB FOLDER_EDGE MARK_DRAW...: a folder with a mark, 16/32/48 px.
icon() {
  local name=$1 fill=$2 tab=$3 edge=$4
  shift 4
  /usr/bin/convert -size 48x48 xc:none \
    -fill "$tab" -stroke "$edge" -strokewidth 1.5 -draw 'roundrectangle 3,9 22,17 2,2' \
    -fill "$fill" -draw 'roundrectangle 3,13 45,42 3,3' \
    "$@" "$tmp/48.png"
  /usr/bin/convert "$tmp/48.png" -resize 32x32 "$tmp/32.png"
  /usr/bin/convert "$tmp/48.png" -resize 16x16 "$tmp/16.png"
  /usr/bin/convert "$tmp/16.png" "$tmp/32.png" "$tmp/48.png" "$icons/$name.ico"
}

# The default: the program's own picture, a yellow folder with a green tick.
icon 默认 '#f2c14e' '#c8952a' '#7a5412' \
  -fill none -stroke '#1e8c2e' -strokewidth 6 \
  -draw 'stroke-linejoin round stroke-linecap round polyline 14,27 22,35 36,19'
# A blue folder with a white shield.
icon 蓝色盾牌 '#5b9bd5' '#2e75b6' '#1f4e79' \
  -fill '#ffffff' -stroke '#1f4e79' -strokewidth 1.5 \
  -draw 'path "M 24,18 L 34,21 L 34,28 Q 34,36 24,40 Q 14,36 14,28 L 14,21 Z"'
# A green folder with a gold star.
icon 绿色星标 '#70ad47' '#548235' '#375623' \
  -fill '#ffd966' -stroke '#bf9000' -strokewidth 1.2 \
  -draw 'polygon 24,17 27,25 35,25 29,30 31,38 24,33 17,38 19,30 13,25 21,25'

# A short click: a 1.6 kHz tone falling off within 90 ms, 22.05 kHz mono 16-bit PCM.
python3 - "$sounds/按钮声_1.wav" <<'PY'
import math, struct, sys, wave
rate = 22050
samples = int(rate * 0.09)
with wave.open(sys.argv[1], "wb") as out:
    out.setnchannels(1)
    out.setsampwidth(2)
    out.setframerate(rate)
    frames = bytearray()
    for i in range(samples):
        t = i / rate
        level = math.exp(-t * 45) * (1 - math.exp(-t * 4000))
        value = level * (0.7 * math.sin(2 * math.pi * 1600 * t) + 0.3 * math.sin(2 * math.pi * 2400 * t))
        frames += struct.pack("<h", int(value * 20000))
    out.writeframes(bytes(frames))
PY

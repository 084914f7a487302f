#!/usr/bin/env bash
# Renders the book and packs the program's icon, res/tomeflip.ico: nine
# images, first 8-bit palette bitmaps at 48, 32, 24 and 16 pixels, then the
# 256-pixel picture stored as PNG, then 32-bit bitmaps with alpha at 48, 32,
# 24 and 16. The 16-pixel images come from a drawing of their own on the
# pixel grid. Needs rsvg-convert (librsvg2-bin), convert (imagemagick) and
# icotool (icoutils); the build itself uses only the packed file.
set -euo pipefail
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for size in 256 48 32 24; do
  rsvg-convert -w $size -h $size book.svg -o "$work/$size.png"
done
rsvg-convert -w 16 -h 16 book16.svg -o "$work/16.png"

# The palette images: at most 255 colours and a transparency mask.
for size in 48 32 24 16; do
  convert "$work/$size.png" -channel A -threshold 50% +channel -colors 255 PNG8:"$work/$size-8.png"
done

icotool -c -o ../tomeflip.ico \
  -b 8 "$work/48-8.png" -b 8 "$work/32-8.png" -b 8 "$work/24-8.png" -b 8 "$work/16-8.png" \
  -r "$work/256.png" \
  -b 32 "$work/48.png" -b 32 "$work/32.png" -b 32 "$work/24.png" -b 32 "$work/16.png"
icotool -l ../tomeflip.ico

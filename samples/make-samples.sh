#!/usr/bin/env bash
# Remakes the sample bitmaps shipped beside this script (ImageMagick): one of each kind a user meets.
set -euo pipefail
cd "$(dirname "$0")"
convert=/usr/bin/convert
"$convert" -size 96x64 gradient:'#1e6fd9-#f5c242' -swirl 90 sunset.bmp                    # 24-bit, V5 header
cp sunset.bmp sunset-copy.dib                                                              # the .dib name
"$convert" -seed 7 -size 80x60 plasma:fractal -colors 16 -type Palette -compress RLE BMP3:plasma-rle8.bmp
"$convert" -size 64x64 xc:none -fill '#d33a2c' -draw 'circle 32,32 32,4' \
  -fill white -draw 'rectangle 20,28 44,36' BMP:badge-alpha.bmp                           # 32-bit with alpha
"$convert" -size 48x32 pattern:checkerboard -colors 2 BMP2:checker-os2.bmp                # 1-bit, OS/2 header

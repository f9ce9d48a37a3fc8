#!/usr/bin/env bash
# Renders the pictures in res/ from their SVG sources and writes them into the
# window definition. The results are committed: a build needs no renderer.
# Needs librsvg2-bin (rsvg-convert) and icoutils (icotool).
set -euo pipefail
cd "$(dirname "$0")/../res"

rsvg-convert -w 110 -h 110 logo.svg -o logo.png
rsvg-convert -w 24 -h 24 copy.svg -o copy.png
rsvg-convert -w 48 -h 48 logo.svg -o icon48.png
icotool -c -o kelvaro.ico icon48.png
rm icon48.png

python3 ../scripts/embed-pictures.py ../src/KelvaroForm.dfm \
  ImageLogo.Picture.Data=logo.png SpeedButtonClipboard.Glyph.Data=copy.png

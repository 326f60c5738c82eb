#!/usr/bin/env bash
# Renders the icon's PNG sizes from its SVG drawing (needs librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" org.trimel.Trimel.svg -o "$size.png"
done

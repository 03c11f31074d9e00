#!/usr/bin/env bash
# Draws the PNG sizes of the application icon from packaging/icons/marlune.svg (run by hand
# after the drawing changes; the PNGs are kept in the repository). Needs rsvg-convert
# (Debian package librsvg2-bin, in scripts/packaging-packages.txt).
set -euo pipefail
icons=$(cd "$(dirname "$0")/../packaging/icons" && pwd)
for size in 16 22 24 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" "$icons/marlune.svg" --output "$icons/marlune-$size.png"
done

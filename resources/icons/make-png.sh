#!/bin/sh
# Renders the SVG sources of the graphic window's tool icons and of the main
# window's own icons to the PNGs that are compiled into the program (Qt reads
# PNG without an extra image plugin). ImageMagick renders SVG through
# rsvg-convert (librsvg2-bin).
set -e
cd "$(dirname "$0")"
for svg in graphic/*.svg main/*.svg; do
    convert -background none -density 384 "$svg" -resize 24x24 "${svg%.svg}.png"
    convert -background none -density 768 "$svg" -resize 48x48 "${svg%.svg}@2x.png"
done

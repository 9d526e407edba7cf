#!/bin/sh
# Renders the program's icon, a football jersey (org.olvenar.Tarnix.svg), to the PNG sizes of the hicolor
# icon theme with rsvg-convert (Debian package librsvg2-bin). Run from this folder; the PNGs are kept in
# the repository so that the program can embed them and the build needs no SVG renderer. The test
# "icon_pngs_match_svg" fails when the SVG has changed and this script was not run.
set -eu
for size in 16 22 24 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" org.olvenar.Tarnix.svg --output "tarnix-$size.png"
done

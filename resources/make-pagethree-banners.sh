#!/bin/sh
# Draws the two link banners of the colours page (ImageMagick). Run from this folder; the PNGs are kept
# in the repository so the build needs no ImageMagick.
set -eu
font=DejaVu-Sans-Bold
small=DejaVu-Sans

banner() { # out width height top-colour bottom-colour title subtitle
    convert -size "$2x$3" "gradient:$4-$5" \
        -fill '#ffffff33' -draw "polygon 0,0 $(($3 / 2)),0 0,$(($3 / 2))" \
        -fill white -stroke '#00000055' -strokewidth 1 \
        -draw "path 'M 8,$(($3 / 2 - 9)) l 5,-4 h 6 q 3,3 6,0 h 6 l 5,4 l -3,5 l -3,-2 v 13 h -20 v -13 l -3,2 z'" \
        -stroke none -font "$font" -pointsize 13 -fill white -annotate "+48+$(($3 / 2 - 1))" "$6" \
        -font "$small" -pointsize 10 -fill '#e8eef8' -annotate "+48+$(($3 / 2 + 12))" "$7" \
        -bordercolor '#1b2a44' -border 1 -shave 1x1 -bordercolor '#1b2a44' -border 1 \
        -strip "PNG32:$1"
}

banner pagethree/guide-banner.png 204 38 '#2f5fa8' '#183463' 'USER GUIDE' 'editing a jersey, step by step'
banner pagethree/colours-banner.png 204 52 '#b8442c' '#6d1f12' 'KIT COLOURS' 'how colours and shades work'

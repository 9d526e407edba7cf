#!/usr/bin/env bash
# The committed PNGs of the icon are renderings of its SVG: renders each size again and compares the
# pixels. Fails when the SVG changed and resources/icons/make-icons.sh was not run.
# Usage: icons-match-svg.sh ICON_FOLDER
set -euo pipefail
icons="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
status=0
for size in 16 22 24 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" "$icons/org.olvenar.Tarnix.svg" --output "$work/$size.png"
    differing="$(compare -metric AE -fuzz 1% "$icons/tarnix-$size.png" "$work/$size.png" null: 2>&1 || true)"
    if [ "$differing" != "0" ]; then
        echo "tarnix-$size.png differs from the SVG in $differing pixels; run make-icons.sh in $icons" >&2
        status=1
    fi
done
exit "$status"

#!/usr/bin/env bash
# Tries real bitmap editors on the round trip: GIMP in batch mode (indexed, and converted to RGB) and
# KolourPaint (driven under a virtual X display, saved at 8 bits, read back with --nearest). Each exports
# a sample jersey, draws a band of index 63's colour across the front design, saves, and checks that
# tarnix-cli save gives the archive the band should give. Not part of CI: GIMP and KolourPaint are large,
# install them by hand (apt-get install gimp kolourpaint xvfb xdotool python3-pil).
# Usage: tools/try-editors.sh [BUILD_DIR]   (default build/default)
set -uo pipefail
build=${1:-build/default}
cli="$build/src/tarnix-cli"
archive="$build/sample-game/Data/Player/Textures/PK001.FSH"
work=$(mktemp -d "${TMPDIR:-/tmp}/tarnix-editors-XXXXXX")
trap 'rm -rf "$work"' EXIT
python=/usr/bin/python3

# The archive the band should give: the band painted by index into the exported bitmap, then saved.
"$cli" export "$archive" "$work/expected" >/dev/null
"$python" - "$work/expected/front-design.bmp" <<'PY'
import sys
from PIL import Image
im = Image.open(sys.argv[1])
for y in range(20, 24):
    for x in range(128):
        im.putpixel((x, y), 63)
im.save(sys.argv[1])
PY
"$cli" save "$archive" "$work/expected.fsh" --parts "$work/expected"
band=$(od -An -tu1 -j $((54 + 4 * 63)) -N3 "$work/expected/back-design.bmp" | awk '{print $3, $2, $1}')

result() { # NAME PARTS [save options...]
    local name=$1 parts=$2
    shift 2
    if "$cli" save "$archive" "$work/$name.fsh" --parts "$parts" "$@" 2>"$work/$name.err" &&
        cmp -s "$work/$name.fsh" "$work/expected.fsh"; then
        echo "$name: round trip exact $(tr '\n' ' ' <"$work/$name.err")"
    else
        echo "$name: FAILED $(tr '\n' ' ' <"$work/$name.err")"
    fi
}

gimp_band() { # NAME MODE(indexed|rgb)
    local name=$1 mode=$2 parts="$work/$1"
    "$cli" export "$archive" "$parts" >/dev/null
    local file="$parts/front-design.bmp"
    local convert=""
    local format=""
    if [ "$mode" = rgb ]; then
        convert="(gimp-image-convert-rgb image)"
        format=" 0 0 5" # no RLE, no colour space, 32-bit X8R8G8B8 (GIMP 2.10.34 writes 4 as 32-bit too)
    else
        format=" 0 0 0"
    fi
    timeout 300 gimp-console -i -d -f -b "
      (let* ((image (car (gimp-file-load RUN-NONINTERACTIVE \"$file\" \"$file\")))
             (drawable (car (gimp-image-get-active-drawable image))))
        $convert
        (set! drawable (car (gimp-image-get-active-drawable image)))
        (gimp-context-set-foreground '($band))
        (gimp-image-select-rectangle image CHANNEL-OP-REPLACE 0 20 128 4)
        (gimp-edit-fill drawable FILL-FOREGROUND)
        (gimp-selection-none image)
        (file-bmp-save2 RUN-NONINTERACTIVE image drawable \"$file\" \"$file\"$format))" \
        -b '(gimp-quit 0)' >"$work/$name.gimp.log" 2>&1 || { echo "$name: GIMP failed"; cat "$work/$name.gimp.log"; return; }
    echo "$name: GIMP wrote $(od -An -tu2 -j28 -N2 "$file" | tr -d ' ')-bit, compression $(od -An -tu4 -j30 -N4 "$file" | tr -d ' ')"
    result "$name" "$parts"
}

if command -v gimp-console >/dev/null; then
    gimp_band gimp-indexed indexed
    gimp_band gimp-rgb rgb
else
    echo "GIMP: not installed, skipped"
fi

# KolourPaint has no batch mode: open the file on a virtual display, draw the band as a filled rectangle
# in the foreground colour (set through its colour dialog is not scriptable, so the band is drawn by index
# first and KolourPaint only re-saves it at 8 bits, which requantises the colours), save, quit.
if command -v kolourpaint >/dev/null && command -v xdotool >/dev/null && command -v xvfb-run >/dev/null; then
    parts="$work/kolourpaint"
    cp -r "$work/expected" "$parts"
    rm -f "$parts/tarnix-parts.json.bak"
    cp "$work/expected/tarnix-parts.json" "$parts/"
    xvfb-run -a bash -c "
      # A window manager, so that KolourPaint's window (and its dialogs) take the keyboard focus.
      command -v openbox >/dev/null && { openbox >/dev/null 2>&1 & sleep 1; }
      kolourpaint '$parts/front-design.bmp' >'$work/kp.log' 2>&1 &
      pid=\$!
      for i in \$(seq 60); do win=\$(xdotool search --pid \$pid --name front-design 2>/dev/null | head -1); [ -n \"\$win\" ] && break; sleep 0.5; done
      [ -n \"\$win\" ] || { echo 'KolourPaint window not found'; kill \$pid; exit 1; }
      sleep 1
      # Ctrl+S saves in the file's own format; KolourPaint may ask about the colour depth or quality loss,
      # which Return accepts in the dialog that has the focus.
      xdotool windowactivate --sync \$win 2>/dev/null; sleep 0.5
      xdotool key ctrl+s; sleep 2
      xdotool key Return; sleep 2
      xdotool key Return; sleep 1
      xdotool windowactivate --sync \$win 2>/dev/null; xdotool key ctrl+q; sleep 2
      kill \$pid 2>/dev/null; true" >"$work/kp.out" 2>&1
    cat "$work/kp.out"
    if cmp -s "$parts/front-design.bmp" "$work/expected/front-design.bmp"; then
        echo "kolourpaint: the file was not re-saved (KolourPaint could not be driven on this display)"
    else
        echo "kolourpaint: wrote $(od -An -tu2 -j28 -N2 "$parts/front-design.bmp" | tr -d ' ')-bit"
        result kolourpaint "$parts"
        result kolourpaint-nearest "$parts" --nearest
    fi
else
    echo "KolourPaint: not installed (or no xdotool/xvfb-run), skipped"
fi

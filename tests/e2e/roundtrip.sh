#!/usr/bin/env bash
# The editing round trip through tarnix-cli on every sample jersey: export, an "editor" that rewrites every
# part bitmap (Pillow when present), compose, save elsewhere and in place, thumbnail.
# Usage: roundtrip.sh TARNIX_CLI SAMPLE_GAME_FOLDER
set -euo pipefail
cli=$1
game=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/tarnix-e2e-XXXXXX")
trap 'rm -rf "$work"' EXIT

python=
for p in python3 /usr/bin/python3; do
    if "$p" -c 'import PIL' 2>/dev/null; then python=$p; break; fi
done

for archive in "$game"/Data/Player/Textures/PK0*.FSH; do
    name=$(basename "$archive")
    parts="$work/$name parts"
    "$cli" export "$archive" "$parts"
    [ "$(ls "$parts" | wc -l)" -eq 10 ] || { echo "$name: export did not write eight bitmaps, the tables and the palette"; exit 1; }
    if [ -n "$python" ]; then
        for f in "$parts"/*.bmp; do
            "$python" -c 'import sys; from PIL import Image; Image.open(sys.argv[1]).save(sys.argv[1])' "$f"
        done
    fi
    "$cli" compose "$parts" "$work/$name composed" --archive "$archive"
    [ "$(stat -c %s "$work/$name composed/front.bmp")" -eq 17462 ] || { echo "$name: bad composed front"; exit 1; }

    # Saved elsewhere with the archive's own colours and label, the unedited jersey is the archive itself.
    "$cli" save "$archive" "$work/$name" --parts "$parts"
    total=$(od -An -tu4 -j4 -N4 "$archive" | tr -d ' ')
    cmp -n "$total" "$archive" "$work/$name" || { echo "$name: archive data changed"; exit 1; }

    # In place with a label: the archive keeps everything before the trailer.
    cp "$work/$name" "$work/copy.fsh"
    "$cli" save "$work/copy.fsh" "$work/copy.fsh" --parts "$parts" --label "E2E" --colours 1,2,3,4,5,6,23
    cmp -n "$total" "$archive" "$work/copy.fsh" || { echo "$name: in-place save changed the archive data"; exit 1; }
    trailer=$(od -An -tu1 -j "$total" -N 28 "$work/copy.fsh" | tr -s ' \n' ' ')
    [ "$trailer" = " 1 1 2 3 4 5 6 22 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 69 50 69 0 " ] || {
        echo "$name: trailer is$trailer"; exit 1; }

    "$cli" thumbnail "$work/copy.fsh" "$work/thumb.bmp"
    [ "$(stat -c %s "$work/thumb.bmp")" -eq 5174 ] || { echo "$name: thumbnail size"; exit 1; }
done

# Failures leave the target as it was and say why on one line.
printf 'keep' > "$work/target.fsh"
rm "$parts/back-shade.bmp"
if "$cli" save "$archive" "$work/target.fsh" --parts "$parts" 2> "$work/err"; then
    echo "save without a part bitmap succeeded"; exit 1
fi
[ "$(cat "$work/target.fsh")" = keep ] || { echo "target changed by a failed save"; exit 1; }
grep -q '^tarnix-cli: the back shade bitmap' "$work/err" || { cat "$work/err"; exit 1; }
[ -z "$(ls -A "$work" | grep '^\.~Tar' || true)" ] || { echo "temporary file left"; exit 1; }
echo "round trip ok"

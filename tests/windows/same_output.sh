#!/usr/bin/env bash
# The Windows build under Wine writes what the Linux build writes: the sample game, and export, save,
# thumbnail and info byte for byte; render the same pixels (the PNG encoders differ: libpng on Linux,
# stb_image_write on Windows, so the compressed bytes do too). Output goes to a folder named outside
# ASCII, which reaches the .exe through its wide command line.
# Usage: same_output.sh WINE TARNIX_CLI_EXE LINUX_TARNIX_CLI SAMPLE_GAME
set -euo pipefail
wine=$1
win_cli=$2
linux_cli=$3
game=$4
if [ ! -x "$linux_cli" ]; then
    echo "no Linux build at $linux_cli (cmake --build --preset default first)"
    exit 77
fi
export LC_ALL=C.UTF-8
work=$(mktemp -d "${TMPDIR:-/tmp}/tarnix-same-XXXXXX")
trap 'rm -rf "$work"' EXIT

win() { "$wine" "$win_cli" "$@"; }
textures="$game/Data/Player/Textures"
for number in 001 004 012; do
    archive="$textures/PK$number.FSH"
    for side in linux windows; do
        mkdir -p "$work/$side/Ausgabe ä $number"
    done
    out_linux="$work/linux/Ausgabe ä $number"
    out_windows="$work/windows/Ausgabe ä $number"

    "$linux_cli" export "$archive" "$out_linux/parts"
    win export "$archive" "$out_windows/parts"
    "$linux_cli" save "$archive" "$out_linux/saved.fsh" --parts "$out_linux/parts" --colours 3,10,19,22,0,13,23 \
        --label "Grün-Weiß"
    win save "$archive" "$out_windows/saved.fsh" --parts "$out_windows/parts" --colours 3,10,19,22,0,13,23 \
        --label "Grün-Weiß"
    "$linux_cli" thumbnail "$out_linux/saved.fsh" "$out_linux/frmd.bmp"
    win thumbnail "$out_windows/saved.fsh" "$out_windows/frmd.bmp"
    for part in front back long-sleeve short-sleeve; do
        "$linux_cli" render "$archive" "$out_linux/$part.png" --part "$part" --colours 13,19,6,19,13,13,23
        win render "$archive" "$out_windows/$part.png" --part "$part" --colours 13,19,6,19,13,13,23
    done
    "$linux_cli" info "$archive" --game-folder "$game" >"$out_linux/info.json"
    win info "$archive" --game-folder "$game" | tr -d '\r' >"$out_windows/info.json"
done

status=0
while IFS= read -r -d '' file; do
    relative=${file#"$work/linux/"}
    case "$relative" in
    *.png) continue ;;
    */tarnix-parts.json)
        # The archive's path is written as each system spells it; the rest is the same.
        linux_archive=$(sed -n 's/^  "archive": "\(.*\)",$/\1/p' "$file")
        windows_archive=$(sed -n 's/^  "archive": "\(.*\)",$/\1/p' "$work/windows/$relative" | sed 's/\\\\/\\/g')
        if [ "$windows_archive" != "$(winepath -w "$linux_archive" 2>/dev/null)" ] ||
            ! cmp -s <(grep -v '^  "archive": ' "$file") <(grep -v '^  "archive": ' "$work/windows/$relative"); then
            echo "differs: $relative"
            status=1
        fi
        continue
        ;;
    esac
    if ! cmp -s "$file" "$work/windows/$relative"; then
        echo "differs: $relative"
        status=1
    fi
done < <(find "$work/linux" -type f -print0)

# The PNGs: same size and the same pixels, decoded by an independent reader.
python=
for p in python3 /usr/bin/python3; do
    if "$p" -c 'import PIL' 2>/dev/null; then python=$p; break; fi
done
[ -n "$python" ] || { echo "Pillow is missing (scripts/bootstrap installs python3-pil)"; exit 1; }
"$python" - "$work" <<'PY' || status=1
import pathlib, sys
from PIL import Image
work = pathlib.Path(sys.argv[1])
count = 0
for linux in sorted((work / "linux").rglob("*.png")):
    windows = work / "windows" / linux.relative_to(work / "linux")
    a, b = Image.open(linux), Image.open(windows)
    if a.size != b.size or a.mode != b.mode or a.tobytes() != b.tobytes():
        print("pixels differ:", linux.relative_to(work / "linux"))
        sys.exit(1)
    count += 1
print(count, "PNG files with the same pixels")
PY

# The sample game itself: the generator built for Windows writes the same files. Names are compared
# without letter case, since Windows folds the game's "DATA" and "Data" folders into one.
linux_game="$(dirname "$linux_cli")/../sample-game"
if [ -d "$linux_game" ]; then
    "$python" - "$linux_game" "$game" <<'PY' || status=1
import pathlib, sys
def files(root):
    root = pathlib.Path(root)
    return {str(p.relative_to(root)).lower(): p.read_bytes() for p in root.rglob("*") if p.is_file() and p.name != ".stamp"}
linux, windows = files(sys.argv[1]), files(sys.argv[2])
if linux != windows:
    print("sample games differ:", sorted(set(linux) ^ set(windows)) or [k for k in linux if linux[k] != windows[k]])
    sys.exit(1)
print(len(linux), "files of the sample game alike")
PY
fi
total=$(find "$work/linux" -type f | wc -l)
[ "$status" -eq 0 ] && echo "$total files compared: the Windows build wrote what the Linux build wrote"
exit "$status"

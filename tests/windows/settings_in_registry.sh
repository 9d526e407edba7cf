#!/usr/bin/env bash
# tarnix.exe keeps its settings in the registry (HKEY_CURRENT_USER\Software\Olvenar\Tarnix): a first run
# told the game folder stores it there, and the next run, told nothing, reads it back instead of asking.
# Usage: settings_in_registry.sh WINE TARNIX_EXE SAMPLE_GAME
set -euo pipefail
wine=$1
tarnix=$2
game=$3
key='HKCU\Software\Olvenar\Tarnix'
work=$(mktemp -d "${TMPDIR:-/tmp}/tarnix-settings-XXXXXX")
cleanup() {
    "$wine" reg delete "$key" /f >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT
"$wine" reg delete "$key" /f >/dev/null 2>&1 || true
folder=$(winepath -w "$game")
mark=$(winepath -w "$work/mark")

# Ends by itself once page one has painted; a question (no game folder known) would wait for the timeout.
run() {
    rm -f "$work/mark"
    TARNIX_STARTUP_MARK=$mark timeout 60 "$wine" "$tarnix" -platform offscreen "$@" >"$work/out" 2>&1 </dev/null || true
    [ -s "$work/mark" ] || { echo "tarnix.exe $* did not show page one: $(cat "$work/out")"; exit 1; }
}
path_value() { "$wine" reg query "$key" /v Path 2>/dev/null | tr -d '\r' | sed -n 's/^ *Path *REG_SZ *//p'; }

run --game-folder="$folder"
stored=$(path_value)
[ "$stored" = "$folder" ] || { echo "the registry holds Path '$stored', expected '$folder'"; exit 1; }

# A value another run left there survives this one, and the folder is read back without a question.
"$wine" reg add "$key" /v MardekPath /d 'C:\Mardek' /f >/dev/null
run
stored=$(path_value)
[ "$stored" = "$folder" ] || { echo "the second run left Path '$stored', expected '$folder'"; exit 1; }
"$wine" reg query "$key" /v MardekPath | tr -d '\r' | grep -q 'C:\\Mardek' ||
    { echo "the second run lost MardekPath"; exit 1; }
echo "settings stored in and read back from $key: Path = $stored"

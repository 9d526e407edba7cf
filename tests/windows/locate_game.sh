#!/usr/bin/env bash
# tarnix-cli.exe locate-game reads the game's registration through the Windows registry API: the game is
# registered in Wine's own registry (as its installer would), then looked up; the keys are removed again.
# Usage: locate_game.sh WINE TARNIX_CLI_EXE
set -euo pipefail
wine=$1
cli=$2
# UTF-8 for the arguments Wine hands to Windows programs and for the folder name below.
export LC_ALL=C.UTF-8
key='HKLM\Software\Microsoft\Windows\CurrentVersion\App Paths\fifa99.exe'
work=$(mktemp -d "${TMPDIR:-/tmp}/tarnix-locate-XXXXXX")
cleanup_keys_only() {
    "$wine" reg delete "$key" /f >/dev/null 2>&1 || true
    "$wine" reg delete "$key" /reg:32 /f >/dev/null 2>&1 || true
}
cleanup() {
    cleanup_keys_only
    rm -rf "$work"
}
trap cleanup EXIT
locate() { "$wine" "$cli" locate-game 2>"$work/err" | tr -d '\r'; }

mkdir -p "$work/EA Sports/FIFA 99 ä" "$work/Wow/FIFA99"
folder=$(winepath -w "$work/EA Sports/FIFA 99 ä")
folder32=$(winepath -w "$work/Wow/FIFA99")

cleanup_keys_only
if out=$(locate); then
    echo "found a game that is not registered: $out"
    exit 1
fi
grep -q "not registered" "$work/err" || { echo "unexpected message: $(cat "$work/err")"; exit 1; }

# /f: without it an existing value makes reg wait for an answer forever.
"$wine" reg add "$key" /v Path /d "$folder" /f >/dev/null
out=$(locate)
[ "$out" = "$folder" ] || { echo "expected '$folder', got '$out' ($(cat "$work/err"))"; exit 1; }

# A 32-bit installer wrote to the 32-bit view, which the game itself reads: that one wins.
"$wine" reg add "$key" /v Path /d "$folder32" /reg:32 /f >/dev/null
out=$(locate)
[ "$out" = "$folder32" ] || { echo "expected '$folder32', got '$out'"; exit 1; }

# Registered without a "Path": found, but of no use.
cleanup_keys_only
"$wine" reg add "$key" /ve /d 'C:\FIFA99\fifa99.exe' /f >/dev/null
if out=$(locate); then
    echo "a registration without a Path gave '$out'"
    exit 1
fi
grep -q 'without a "Path"' "$work/err" || { echo "unexpected message: $(cat "$work/err")"; exit 1; }
echo "locate-game found '$folder' and '$folder32'"

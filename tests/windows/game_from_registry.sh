#!/usr/bin/env bash
# The first run of tarnix.exe finds the game where its installer registered it (App Paths in
# HKEY_LOCAL_MACHINE), asks nothing, and stores the folder in its own settings.
# Usage: game_from_registry.sh WINE TARNIX_EXE SAMPLE_GAME
set -euo pipefail
wine=$1
tarnix=$2
game=$3
settings='HKCU\Software\Olvenar\Tarnix'
app='HKLM\Software\Microsoft\Windows\CurrentVersion\App Paths\fifa99.exe'
work=$(mktemp -d "${TMPDIR:-/tmp}/tarnix-registered-XXXXXX")
cleanup_keys() {
    "$wine" reg delete "$settings" /f >/dev/null 2>&1 || true
    "$wine" reg delete "$app" /f >/dev/null 2>&1 || true
    "$wine" reg delete "$app" /reg:32 /f >/dev/null 2>&1 || true
}
cleanup() {
    cleanup_keys
    rm -rf "$work"
}
trap cleanup EXIT
cleanup_keys
folder=$(winepath -w "$game")
# /f: without it an existing value makes reg wait for an answer forever.
"$wine" reg add "$app" /v Path /d "$folder" /f >/dev/null

# Page one paints and the program ends by itself; the question "select it yourself?" would hang instead.
TARNIX_STARTUP_MARK=$(winepath -w "$work/mark") timeout 60 "$wine" "$tarnix" -platform offscreen >"$work/out" 2>&1 </dev/null || true
[ -s "$work/mark" ] || { echo "tarnix.exe did not show page one: $(cat "$work/out")"; exit 1; }
stored=$("$wine" reg query "$settings" /v Path 2>/dev/null | tr -d '\r' | sed -n 's/^ *Path *REG_SZ *//p')
[ "$stored" = "$folder" ] || { echo "stored Path '$stored', expected the registered '$folder'"; exit 1; }
echo "the registered game '$folder' was found on the first run"

#!/bin/sh
# Start-up time of tarnix as a user meets it: from starting the process to the first page of the wizard
# painted, with the sample game folder and a sample jersey on the command line. The program writes the
# moment of that first paint when TARNIX_STARTUP_MARK names a file, and closes the wizard at once.
#
# usage: bench/startup.sh [TARNIX] [SAMPLE_GAME_FOLDER] [RUNS]
# Without a display it runs itself under xvfb-run; it measures on the X server (xcb) and offscreen.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
tarnix=${1:-$root/build/default/src/tarnix}
game=${2:-$root/build/default/sample-game}
runs=${3:-20}

if [ -z "${TARNIX_BENCH_BOOTSTRAPPED:-}" ]; then
    bash "$root/scripts/bootstrap" run bench
    export TARNIX_BENCH_BOOTSTRAPPED=1
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${TARNIX_BENCH_NO_X:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$tarnix" "$game" "$runs"
fi

[ -x "$tarnix" ] || { echo "startup.sh: no tarnix at $tarnix (build it first)" >&2; exit 2; }
jersey=$(find "$game" -iname 'PK012.FSH' | head -n 1)
[ -n "$jersey" ] || { echo "startup.sh: no sample jersey PK012.FSH under $game" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mark="$work/mark"
settings="$work/settings.ini"   # never the user's own settings

now_ms() { date +%s%3N; }

measure() { # platform -> prints one figure in ms per run
    platform=$1
    i=0
    while [ "$i" -lt "$runs" ]; do
        rm -f "$mark"
        t0=$(now_ms)
        QT_QPA_PLATFORM=$platform TARNIX_STARTUP_MARK=$mark TMPDIR=$work \
            "$tarnix" --settings "$settings" --game-folder "$game" "$jersey" >/dev/null 2>&1 || true
        [ -s "$mark" ] || { echo "startup.sh: tarnix did not show its first page ($platform)" >&2; exit 1; }
        echo $(( $(cat "$mark") - t0 ))
        i=$((i + 1))
    done
}

report() { # platform
    figures=$(measure "$1")
    cold=$(echo "$figures" | head -n 1)
    sorted=$(echo "$figures" | tail -n +2 | sort -n)
    count=$(echo "$sorted" | wc -l)
    min=$(echo "$sorted" | head -n 1)
    max=$(echo "$sorted" | tail -n 1)
    median=$(echo "$sorted" | sed -n "$(( (count + 1) / 2 ))p")
    printf '%-9s first run %4s ms; next %s runs: min %4s ms, median %4s ms, max %4s ms\n' \
        "$1" "$cold" "$count" "$min" "$median" "$max"
}

if [ -n "${DISPLAY:-}" ]; then
    report xcb
fi
report offscreen

#!/usr/bin/env bash
# The long fuzz runs behind docs/RELIABILITY.md: each harness in turn (one at a time, at the lowest
# priority) until it has run 10 million inputs or for MAX_SECONDS, whichever comes first, starting from its
# seed corpus. Findings land in <build>/fuzz/artifacts, the grown corpus in <build>/fuzz/work.
#   fuzz/run_long.sh [harness...]      (default: all harnesses; build the "fuzz" preset first)
set -uo pipefail
cd "$(dirname "$0")/.."
build=build/fuzz/fuzz
max_seconds=${MAX_SECONDS:-1800}
names=("$@")
if [ ${#names[@]} -eq 0 ]; then
    names=($(cd "$build" && ls fuzz_* | grep -v '\.' ))
fi
mkdir -p "$build/artifacts" "$build/logs"
# No allocation stack traces: recording one per malloc was a fifth of fuzz_teams' time. A finding is
# replayed with the default options (./fuzz_x ARTIFACT) to get them back.
export ASAN_OPTIONS=${ASAN_OPTIONS:-malloc_context_size=0}
for name in "${names[@]}"; do
    mkdir -p "$build/work/$name"
    echo "== $name: up to 10000000 runs or ${max_seconds} s" >&2
    nice -n 19 "$build/$name" -runs=10000000 -max_total_time="$max_seconds" -timeout=25 \
        -print_final_stats=1 -artifact_prefix="$build/artifacts/$name-" \
        "$build/work/$name" "$build/corpus/$name" >"$build/logs/$name.log" 2>&1
    echo "== $name: exit $?" >&2
    grep -E '^#[0-9]+.*(DONE|cov:)' "$build/logs/$name.log" | tail -1 >&2
    grep -E '^stat::' "$build/logs/$name.log" >&2
done

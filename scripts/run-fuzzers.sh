#!/usr/bin/env bash
# Runs every libFuzzer target of a fuzz build for a number of seconds each,
# starting from the seed corpus in fuzz/corpus/<target>. Fails on any finding.
#   scripts/run-fuzzers.sh BUILD_DIR SECONDS
set -euo pipefail
build=$1
seconds=$2
root=$(cd "$(dirname "$0")/.." && pwd)
status=0
for target in "$build"/fuzz/fuzz_*; do
    [ -x "$target" ] || continue
    name=$(basename "$target")
    work=$(mktemp -d)
    seeds="$root/fuzz/corpus/${name#fuzz_}"
    [ -d "$seeds" ] || seeds=""
    log="$work/log"
    if "$target" -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$work/" "$work" ${seeds:+"$seeds"} >"$log" 2>&1; then
        runs=$(grep -o 'Done [0-9]* runs' "$log" | tail -n 1)
        echo "fuzz $name: ${runs:-done} in ${seconds}s, no finding"
        rm -rf "$work"
    else
        echo "fuzz $name: FINDING (log and reproducer kept in $work)" >&2
        tail -n 40 "$log" >&2
        status=1
    fi
done
exit $status

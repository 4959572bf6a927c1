#!/usr/bin/env bash
# Runs every libFuzzer target of a fuzz build for a number of seconds each,
# starting from the seed corpus in fuzz/corpus/<target>, JOBS targets at a
# time (default: one per processor). Fails on any finding.
#   scripts/run-fuzzers.sh BUILD_DIR SECONDS [JOBS]
set -euo pipefail
build=$1
seconds=$2
jobs=${3:-$(nproc)}
root=$(cd "$(dirname "$0")/.." && pwd)
findings=$(mktemp -d)
trap 'rm -rf "$findings"' EXIT

# run_one TARGET: one run; its line is printed when it ends, and a finding
# leaves a mark in $findings (a background job's status is not kept).
run_one() {
    local target=$1 name work seeds log runs
    name=$(basename "$target")
    work=$(mktemp -d)
    seeds="$root/fuzz/corpus/${name#fuzz_}"
    [ -d "$seeds" ] || seeds=""
    log="$work/log"
    if "$target" -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$work/" "$work" ${seeds:+"$seeds"} >"$log" 2>&1; then
        runs=$(grep -o "Done [0-9]* runs" "$log" | tail -n 1) || true
        echo "fuzz $name: ${runs:-done} in ${seconds}s, no finding"
        rm -rf "$work"
    else
        {
            echo "fuzz $name: FINDING (log and reproducer kept in $work)"
            tail -n 40 "$log"
        } >&2
        touch "$findings/$name"
    fi
}

for target in "$build"/fuzz/fuzz_*; do
    [ -x "$target" ] || continue
    while (($(jobs -rp | wc -l) >= jobs)); do wait -n || true; done
    run_one "$target" &
done
wait
[ -z "$(ls -A "$findings")" ]

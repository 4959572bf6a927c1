#!/usr/bin/env bash
# Times calorvia-batch end to end, from start-up to the last result file:
#   bench/run.sh [RUNS]            (default 5 runs per case; the median is shown)
# Needs bash 5 (EPOCHREALTIME).
# Builds calorvia-batch with the release preset first, unless CALORVIA_BATCH
# names a program to time. Peak memory is the largest resident set of the
# runs, and the processor time user + system time, as GNU time reports them
# (package "time"); on a machine busy with other work the processor time
# says more than the wall time, which waits for the processor too.
#
# The cases:
#   steady-formula-K   N = 1000, K = 40 + 0.02*T, direct method (TABLU/SOLU),
#                      passes until the middle node settles
#   transient-10000    N = 1000, 10,000 time steps, direct method, every
#                      history file written and every profile drawn
#   transient-10000-png  the same, drawn into the desktop canvas and saved
#                      as a picture (--png)
#   gauss-seidel       N = 200, steady, Gauss-Seidel (G_S) to Tol = 1.0E-8
# and, for the first two, the NumPy/SciPy script a student would write
# (bench/numpy_slab.py: the same equations, scipy.linalg.solve_banded, the
# same history files), timed the same way; the ratios are Calorvia's time
# over the script's, wall and processor; and, last, transient-10000 run by
# the web build's calorvia-batch.js under node beside the native program,
# when build/web has it.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
runs=${1:-5}

if [ -z "${CALORVIA_BATCH:-}" ]; then
    cmake --preset release >/dev/null
    cmake --build --preset release --target calorvia-batch >/dev/null
    CALORVIA_BATCH=$repo/build/release/src/app/calorvia-batch
fi
batch=$(realpath "$CALORVIA_BATCH")
# GNU time for the peak memory; NumPy and SciPy of the system's Python for
# the comparison script.
scripts/ensure-packages.sh time python3-numpy python3-scipy
gnu_time=/usr/bin/time
python=/usr/bin/python3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Saved case files: Lx, N, K, Sc, Sp, state, method, [Ti, Rho, Cp, Delt_t,
# Nst, No], west type and value(s), east type and value(s), u.
printf '0.1\n 1000\n40+0.02*T\n1000000\n0\n 1\n 2\n 3\n25\n20\n 1\n100\n0\n' \
    > "$work/steady-formula-K.txt"
printf '0.1\n 1000\n45\n0\n0\n 2\n 2\n20\n7800\n470\n0.1\n 10000\n 500\n 3\n25\n20\n 1\n100\n0\n' \
    > "$work/transient-10000.txt"
printf '1\n 200\n10\n1000\n0\n 1\n 1\n 1\n100\n 1\n200\n0\n' > "$work/gauss-seidel.txt"

# run_once PROGRAM ARGS...: one timed run in a fresh folder (the program's
# current directory; "@" in ARGS stands for that folder); prints "seconds
# kilobytes processor-seconds".
run_once() {
    local folder
    folder=$(mktemp -d "$work/run.XXXXXX")
    local args=()
    for arg in "$@"; do args+=("${arg//@/$folder}"); done
    # GNU time gives the peak memory; its clock shows hundredths only, so
    # the wall time is bash's own microsecond clock around the run.
    local start=$EPOCHREALTIME
    (cd "$folder" && "$gnu_time" -f '%M %U %S' -o "$folder/.time" \
        "${args[@]}" >"$folder/.out" 2>"$folder/.err") || {
        echo "failed: $*" >&2
        cat "$folder/.err" >&2
        exit 1
    }
    local end=$EPOCHREALTIME
    local kilobytes user system
    read -r kilobytes user system <"$folder/.time"
    echo "$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", b - a }') $kilobytes" \
        "$(awk -v u="$user" -v s="$system" 'BEGIN { printf "%.2f", u + s }')"
    rm -rf "$folder"
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.3f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

printf '| case | median wall time (s) of %s runs | processor (s) | peak memory (MB) | NumPy/SciPy script: wall (s) | processor (s) | ratio: wall | processor |\n' "$runs"
printf '|---|---|---|---|---|---|---|---|\n'
# median_of COMMAND...: the median wall time, the peak memory and the median
# processor time of RUNS runs.
median_of() {
    local times=() cpus=() peak=0
    for ((i = 0; i < runs; i++)); do
        read -r seconds kilobytes cpu < <(run_once "$@")
        times+=("$seconds")
        cpus+=("$cpu")
        ((kilobytes > peak)) && peak=$kilobytes
    done
    echo "$(printf '%s\n' "${times[@]}" | median) $peak $(printf '%s\n' "${cpus[@]}" | median)"
}
# measure NAME SCRIPT-MODE CASE [OPTIONS...]; SCRIPT-MODE "-" has no script.
measure() {
    local name=$1 mode=$2 case=$3
    shift 3
    read -r seconds peak cpu < <(median_of "$batch" "$@" "$case")
    local script="" scriptCpu="" ratio="" cpuRatio=""
    if [ "$mode" != - ]; then
        read -r script _ scriptCpu < <(median_of "$python" "$repo/bench/numpy_slab.py" "$mode" @)
        ratio=$(awk -v a="$seconds" -v b="$script" 'BEGIN { printf "%.2f", a / b }')
        cpuRatio=$(awk -v a="$cpu" -v b="$scriptCpu" 'BEGIN { if (b > 0) printf "%.2f", a / b }')
    fi
    printf '| %s | %s | %s | %.1f | %s | %s | %s | %s |\n' "$name" "$seconds" "$cpu" \
        "$(awk -v k="$peak" 'BEGIN { print k / 1024 }')" "$script" "$scriptCpu" "$ratio" "$cpuRatio"
}
measure steady-formula-K steady "$work/steady-formula-K.txt"
measure transient-10000 transient "$work/transient-10000.txt" --steady no
measure transient-10000-png - "$work/transient-10000.txt" --steady no --png profile.png
measure gauss-seidel - "$work/gauss-seidel.txt"

# The web build's batch program (build/web/calorvia-batch.js, WebAssembly under
# node) beside the native one on the transient case, both as whole processes
# timed as above; the ratio is the web build's time over the native one's.
# CALORVIA_WEB_BATCH=path times another web build.
web_batch=${CALORVIA_WEB_BATCH:-$repo/build/web/calorvia-batch.js}
if [ -f "$web_batch" ] && command -v node >/dev/null; then
    export NODE_PATH=/usr/share/nodejs
    read -r seconds peak cpu < <(median_of "$batch" --steady no "$work/transient-10000.txt")
    read -r webSeconds webPeak webCpu < <(median_of node "$web_batch" --steady no "$work/transient-10000.txt")
    echo
    printf '| transient-10000, %s runs | median wall time (s) | processor (s) | peak memory (MB) |\n' "$runs"
    printf '|---|---|---|---|\n'
    printf '| native calorvia-batch | %s | %s | %.1f |\n' "$seconds" "$cpu" \
        "$(awk -v k="$peak" 'BEGIN { print k / 1024 }')"
    printf '| node calorvia-batch.js | %s | %s | %.1f |\n' "$webSeconds" "$webCpu" \
        "$(awk -v k="$webPeak" 'BEGIN { print k / 1024 }')"
    printf '| ratio web / native | %s | %s | |\n' \
        "$(awk -v a="$webSeconds" -v b="$seconds" 'BEGIN { printf "%.2f", a / b }')" \
        "$(awk -v a="$webCpu" -v b="$cpu" 'BEGIN { if (b > 0) printf "%.2f", a / b }')"
else
    echo
    echo "(no $web_batch or no node: the web build's side-by-side is left out;" \
         "cmake --preset web && cmake --build --preset web)"
fi

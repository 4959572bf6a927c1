#!/bin/sh
# calorvia-batch on a full disk: a small tmpfs in a private mount namespace
# (root only; skipped with 77 elsewhere).
#   full_disk.sh BATCH CASE WORK histories   a transient run whose histories
#       are cut (--force: run although they cannot fit): every incomplete
#       file is named and none is listed as written
#   full_disk.sh BATCH CASE WORK refused     the same run without --force:
#       refused with exit 2 before anything is written
#   full_disk.sh BATCH CASE WORK picture     --png: no picture and no
#       temporary file is left behind, and no "Picture:" line is printed
batch=$1 case=$2 work=$3 mode=$4
rm -rf "$work" && mkdir -p "$work/disk" || exit 1
unshare -m true 2>/dev/null || exit 77
if [ "$mode" = refused ]; then size=64k; set -- --set Nst=2000
elif [ "$mode" = histories ]; then size=64k; set -- --force --set Nst=2000 --json "$work/summary.json"
else size=40k; set -- --png pic.png; fi
unshare -m sh -c '
    work=$1 size=$2 batch=$3 case=$4; shift 4
    mount -t tmpfs -o size=$size tmpfs "$work/disk" || exit 77
    cd "$work/disk" && "$batch" "$@" "$case" >"$work/out" 2>"$work/err"
    echo $? >"$work/status"; ls -A >"$work/left"' sh "$work" "$size" "$batch" "$case" "$@"
[ $? = 77 ] && exit 77
fail() { echo "$1"; cat "$work/out" "$work/err"; exit 1; }
if [ "$mode" = refused ]; then
    [ "$(cat "$work/status")" = 2 ] || fail "exit status $(cat "$work/status"), not 2"
    grep -q 'will take about [0-9]* KB, and the disk of the program.s folder has [0-9]* KB free' "$work/err" || fail "no sizes said"
    grep -q -E '^(Unsteady|Average|West|East)\.txt$' "$work/left" && fail "histories written"
    exit 0
fi
[ "$(cat "$work/status")" = 1 ] || fail "exit status $(cat "$work/status"), not 1"
if [ "$mode" = histories ]; then
    grep -q 'incomplete or were not written: "Unsteady.txt", "Average.txt", "West.txt", "East.txt"' \
        "$work/err" || fail "the cut histories are not all named"
    grep -q -E '^(Unsteady|Average|West|East)\.txt$' "$work/out" && fail "a cut file is listed"
    grep -q '"result_files": \[\]' "$work/summary.json" || fail "the JSON lists cut files"
else
    grep -q -E '^pic\.png' "$work/left" && fail "a cut picture is left: $(cat "$work/left")"
    grep -q '^Picture:' "$work/out" && fail "the cut picture is reported"
fi
exit 0

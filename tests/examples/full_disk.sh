#!/bin/sh
# A transient run on a full disk: a small tmpfs in a private mount namespace
# (root only; skipped with 77 elsewhere). The histories are cut, so the batch
# exits 1, names every incomplete file and lists none of them as written.
#   full_disk.sh BATCH CASE WORK
batch=$1 case=$2 work=$3
rm -rf "$work" && mkdir -p "$work/disk" || exit 1
unshare -m true 2>/dev/null || exit 77
unshare -m sh -c '
    mount -t tmpfs -o size=64k tmpfs "$3/disk" || exit 77
    cd "$3/disk" && "$1" --set Nst=2000 --json "$3/summary.json" "$2" >"$3/out" 2>"$3/err"
    echo $? >"$3/status"' sh "$batch" "$case" "$work"
code=$?
[ "$code" = 77 ] && exit 77
status=$(cat "$work/status")
[ "$status" = 1 ] || { echo "exit status $status, not 1"; cat "$work/err"; exit 1; }
grep -q 'incomplete or were not written: "Unsteady.txt", "Average.txt", "West.txt", "East.txt"' \
    "$work/err" || { echo "the cut histories are not all named"; cat "$work/err"; exit 1; }
if grep -q -E '^(Unsteady|Average|West|East)\.txt$' "$work/out"; then
    echo "a cut history is listed as written"; cat "$work/out"; exit 1
fi
grep -q '"result_files": \[\]' "$work/summary.json" || { echo "the JSON lists cut files"; exit 1; }

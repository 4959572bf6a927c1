#!/usr/bin/env bash
# The web build's batch program computes what the native one does: every
# example run by calorvia-batch.js under node leaves the stored result files
# byte for byte, and prints the same summary, --exact lines and energy
# balance as the native calorvia-batch (the computing time aside).
#   tests/web/node_batch_golden.sh NATIVE_BUILD_DIR WEB_BUILD_DIR
# Exits 77 (skipped) where the web build or node is missing, or when
# CALORVIA_SKIP_WEB_TESTS is set (./test --no-web).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
if [ -n "${CALORVIA_SKIP_WEB_TESTS:-}" ]; then
    echo "skipped: the web build was not made (./test --no-web)"; exit 77
fi
if [ ! -f "$2/calorvia-batch.js" ] || ! command -v node >/dev/null; then
    echo "skipped: no $2/calorvia-batch.js or no node (cmake --preset web && cmake --build --preset web)"
    exit 77
fi
native=$(cd "$1" && pwd)/src/app/calorvia-batch
web=$(cd "$2" && pwd)/calorvia-batch.js
golden=$repo/tests/examples/golden
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export NODE_PATH=/usr/share/nodejs

failures=0
fail() { echo "FAIL $1: $2"; failures=$((failures + 1)); }

# One run in a fresh folder: the files it leaves in $work/NAME, what it prints
# (its computing time left out) in $work/NAME.out, its status in $work/NAME.status.
run() {
    local name=$1 extra=$2; shift 2
    rm -rf "$work/$name" && mkdir "$work/$name"
    [ -n "$extra" ] && cp "$repo/examples/$extra" "$work/$name/"
    local status=0
    (cd "$work/$name" && "$@" >"$work/$name.raw" 2>&1) || status=$?
    grep -v '^Computing time' "$work/$name.raw" >"$work/$name.out" || true
    echo "$status" >"$work/$name.status"
}

while IFS='|' read -r name case options extra; do
    IFS=',' read -r -a opts <<<"$options"
    run native "$extra" "$native" "${opts[@]}" --exact "$repo/examples/$case"
    run web "$extra" node "$web" "${opts[@]}" --exact "$repo/examples/$case"
    cmp -s "$work/native.status" "$work/web.status" ||
        fail "$name" "exit status $(cat "$work/web.status"), native $(cat "$work/native.status")"
    diff -u "$work/native.out" "$work/web.out" >"$work/diff" ||
        fail "$name" "printed differently from the native program:
$(head -20 "$work/diff")"
    for file in "$golden/$name"/*.txt; do
        base=$(basename "$file")
        cmp -s "$file" "$work/web/$base" || fail "$name" "$base differs from the stored file"
    done
    for balance in Balance.txt Balanço.txt; do
        [ -f "$work/native/$balance" ] || continue
        cmp -s "$work/native/$balance" "$work/web/$balance" ||
            fail "$name" "$balance differs from the native one"
    done
    echo "checked $name: $(ls "$golden/$name" | wc -l) files"
done < <(sed -n 's/^  "\(.*\)"[)]*$/\1/p' "$repo/tests/examples/examples.cmake")

# The pictures need the desktop canvas: refused in words, with the status of
# a run that could not be made.
run web "" node "$web" --png picture.png "$repo/examples/plane-wall.txt"
grep -q "draws no pictures" "$work/web.out" || fail "--png" "no clear refusal: $(cat "$work/web.out")"
[ "$(cat "$work/web.status")" != 0 ] || fail "--png" "a refused picture exited 0"

if [ "$failures" != 0 ]; then
    echo "$failures difference(s) between the web build and the native one"
    exit 1
fi
echo "the web build's batch program agrees with the native one on every example"

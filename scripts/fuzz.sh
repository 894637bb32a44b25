#!/usr/bin/env bash
# Runs each libFuzzer target for a while from the seed corpus (default 5 seconds each).
# Usage: scripts/fuzz.sh [seconds]    e.g. scripts/fuzz.sh 600 for a long run
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-5}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in tablelimit pointscount hand; do
    mkdir -p "$work/$target"
    status=0
    build-fuzz/tests/fuzz/fuzz_$target -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$work/" "$work/$target" "tests/fuzz/corpus/$target" \
        >"$work/$target.log" 2>&1 || status=$?
    runs=$(grep -o 'stat::number_of_executed_units: [0-9]*' "$work/$target.log" | grep -o '[0-9]*$' || echo 0)
    echo "fuzz_$target: $runs executions in ${seconds}s"
    if [ "$status" -ne 0 ]; then
        tail -n 30 "$work/$target.log"
        echo "fuzz_$target failed"
        exit 1
    fi
done

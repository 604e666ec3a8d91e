#!/usr/bin/env bash
# Runs every fuzz target of build-fuzz on its committed seeds for the given number of seconds.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in $(grep -E '^[a-z_]+$' fuzz/targets.txt); do
    mkdir -p "$work/$target"
    echo "fuzz: $target for ${seconds}s"
    # New inputs go to the scratch folder; the committed seeds are only read.
    status=0
    build-fuzz/fuzz/$target -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$work/$target-" "$work/$target" "fuzz/seeds/$target" \
        >"$work/$target.log" 2>&1 || status=$?
    grep -E '^(stat::number_of_executed_units|Done)' "$work/$target.log" || true
    if [ "$status" -ne 0 ]; then
        echo "fuzz: $target failed (exit $status)"
        tail -40 "$work/$target.log"
        for crash in "$work"/$target-*; do [ -f "$crash" ] && xxd "$crash" | head -20; done
        exit 1
    fi
done
echo "fuzz: ok"

#!/usr/bin/env bash
# Runs every fuzz target of build-fuzz on its committed seeds for the given number of seconds,
# two at a time, one a core.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fuzz_one() {
    local target=$1 status=0
    mkdir -p "$work/$target"
    # New inputs go to the scratch folder; the committed seeds are only read.
    build-fuzz/fuzz/$target -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$work/$target-" "$work/$target" "fuzz/seeds/$target" \
        >"$work/$target.log" 2>&1 || status=$?
    echo "$status" >"$work/$target.status"
}

targets=($(grep -E '^[a-z_]+$' fuzz/targets.txt))
for ((i = 0; i < ${#targets[@]}; i += 2)); do
    for target in "${targets[@]:i:2}"; do
        echo "fuzz: $target for ${seconds}s"
        fuzz_one "$target" &
    done
    wait
done
failed=0
for target in "${targets[@]}"; do
    grep -E '^(stat::number_of_executed_units|Done)' "$work/$target.log" || true
    status=$(cat "$work/$target.status")
    if [ "$status" -ne 0 ]; then
        echo "fuzz: $target failed (exit $status)"
        tail -40 "$work/$target.log"
        for crash in "$work"/$target-*; do [ -f "$crash" ] && xxd "$crash" | head -20; done
        failed=1
    fi
done
[ "$failed" -eq 0 ] || exit 1
echo "fuzz: ok"

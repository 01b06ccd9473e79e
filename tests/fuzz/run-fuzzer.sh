#!/usr/bin/env bash
# Runs one fuzz target for a bounded time from a copy of its seed corpus and reports how many
# inputs it tried. Exits non-zero on any crash or finding.
set -euo pipefail
target="$1"
seeds="$2"
seconds="$3"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/corpus" "$work/artifacts"
cp -r "$seeds"/. "$work/corpus/" 2>/dev/null || true
set +e
"$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$work/artifacts/" "$work/corpus" >"$work/log" 2>&1
status=$?
set -e
runs="$(grep -Eo 'stat::number_of_executed_units: *[0-9]+' "$work/log" | grep -Eo '[0-9]+$' || true)"
echo "$(basename "$target"): ${runs:-?} inputs in ${seconds} s, exit $status"
if [ "$status" -ne 0 ]; then
    tail -n 60 "$work/log"
    for artifact in "$work"/artifacts/*; do
        [ -e "$artifact" ] && { echo "input that failed ($artifact):"; od -c "$artifact" | head -n 20; }
    done
    exit 1
fi

#!/usr/bin/env bash
# Runs one fuzz target for a while on a copy of its seed corpus.
#   run-fuzzer.sh <fuzz binary> <seed corpus directory> <seconds>
set -euo pipefail
binary=$1
seeds=$2
seconds=$3
work=$(mktemp -d /tmp/zelk-fuzz-XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/corpus"
cp -r "$seeds"/. "$work/corpus/" 2>/dev/null || true
cd "$work"
"$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 corpus

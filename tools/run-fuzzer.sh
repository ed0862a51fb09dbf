#!/usr/bin/env bash
# Runs one fuzz target for a while on a copy of its seed corpus. An input
# that crashes the target is kept in the directory this was started from.
#   run-fuzzer.sh <fuzz binary> <seed corpus directory> <seconds>
set -euo pipefail
binary=$(realpath "$1")
seeds=$(realpath "$2")
seconds=$3
origin=$(pwd)
work=$(mktemp -d /tmp/zelk-fuzz-XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/corpus"
cp -r "$seeds"/. "$work/corpus/" 2>/dev/null || true
cd "$work"
# The target enters a directory of its own: every path it is given is absolute.
# Inputs up to 4 KiB, whatever the longest seed.
"$binary" -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
  -artifact_prefix="$origin/$(basename "$binary")-" "$work/corpus"

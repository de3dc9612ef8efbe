#!/usr/bin/env bash
# Builds the libFuzzer target with the sanitizers and runs it for a bounded time.
#   scripts/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
scripts/install-deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target fuzz_text_inputs -j "$(nproc)"
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
cp fuzz/corpus/* "$corpus"/
build-fuzz/fuzz/fuzz_text_inputs -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 "$corpus" 2>&1 | tail -n 12

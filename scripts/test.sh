#!/usr/bin/env bash
# Installs what is missing, builds and runs every test.
#   scripts/test.sh              normal build (build/)
#   scripts/test.sh sanitize     the same suite under ASan + UBSan (build-sanitize/)
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-default}
scripts/install-deps.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j "$(nproc)"
ctest --preset "$preset" -j "$(nproc)" --timeout 600

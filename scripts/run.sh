#!/usr/bin/env bash
# Installs what is missing, builds and starts Kesora.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)"
if [ -x build/bin/kesora ]; then
  exec build/bin/kesora "$@"
fi
# Until the windows exist, cast an example chart on the terminal.
exec build/bin/kesora-cast --era 昭和 --year 59 --month 2 --day 4 --hour 11時～13時 --name 見本 "$@"

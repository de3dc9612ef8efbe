#!/usr/bin/env bash
# Prints the window benchmarks of a build: the chart button to the chart
# window painted (offscreen and on a virtual X server), and start-up against
# a minimal Qt Widgets program.
#   bench/run_window_benchmarks.sh [BUILD_DIR] [CHART_RUNS] [STARTS]
set -euo pipefail
build=$(cd "${1:-$(dirname "$0")/../build}" && pwd)
chart_runs=${2:-200}
starts=${3:-20}
cmake --build "$build" --target bench_chart_window bench_startup >/dev/null

# The sound library and the X server talk on stderr; the figures are on stdout.
QT_QPA_PLATFORM=offscreen "$build/bench/bench_chart_window" "$chart_runs" 2>/dev/null
x_server=(xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp")
"${x_server[@]}" "$build/bench/bench_chart_window" "$chart_runs" 2>/dev/null
"${x_server[@]}" "$build/bench/bench_startup" "$starts" 2>/dev/null

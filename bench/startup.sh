#!/usr/bin/env bash
# Start-up time to first paint and peak memory of zorvan-calculator against a minimal Qt
# Widgets window, on a virtual X display (one server for all runs, so its start is in no
# measurement). Not a test: run by hand after building the default preset.
# Usage: bench/startup.sh [runs [baseline build dir]]
#        QT_QPA_PLATFORM=offscreen bench/startup.sh [runs [baseline build dir]]
set -euo pipefail
runs=${1:-30}
baseline=()
if [ $# -ge 2 ]; then
    baseline=("$(realpath "$2")")
fi
cd "$(dirname "$0")/.."
scripts/install-deps.sh bench
if [ "${QT_QPA_PLATFORM:-}" = offscreen ]; then
    exec python3 bench/startup.py build "$runs" "${baseline[@]}"
fi
exec xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb \
    python3 bench/startup.py build "$runs" "${baseline[@]}"

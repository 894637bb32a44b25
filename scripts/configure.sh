#!/usr/bin/env bash
# Configures and builds one preset of CMakePresets.json (default: build/).
# Usage: scripts/configure.sh [default|asan|fuzz|page]
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-default}
cmake --preset "$preset"
cmake --build --preset "$preset" --parallel

#!/usr/bin/env bash
# Builds everything on a fresh Debian/Ubuntu machine and runs every test (no display needed).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
scripts/configure.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure --timeout 600

#!/usr/bin/env bash
# Builds the calculator on a fresh Debian/Ubuntu machine and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
scripts/configure.sh
exec build/shell/zorvan-calculator

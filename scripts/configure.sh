#!/usr/bin/env bash
# Configures and builds the project into build/ (shared by run.sh and test.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZORVAN_WERROR=ON "$@"
cmake --build build --parallel

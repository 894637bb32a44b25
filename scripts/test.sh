#!/usr/bin/env bash
# Builds everything on a fresh Debian/Ubuntu machine and runs every test (no display needed):
# the normal build, the engine module for the web (in node, against the normal build's
# zorvan-hand), the same suite under AddressSanitizer/LeakSanitizer/UBSan, and a short run of
# each fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test

scripts/configure.sh default
ctest --preset default --timeout 600

scripts/configure.sh page
ctest --preset page --timeout 900

scripts/configure.sh asan
ctest --preset asan --timeout 900

scripts/configure.sh fuzz
scripts/fuzz.sh 5

echo "All test suites passed."

#!/usr/bin/env bash
# Builds everything on a fresh Debian/Ubuntu machine and runs every test (no display needed):
# the normal build, the phone page and its engine in headless Chromium, the same suite under
# AddressSanitizer/LeakSanitizer/UBSan, and a short run of each fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test

scripts/configure.sh default
ctest --preset default --timeout 600

# The engine module and the phone page, built with emscripten alone and tested in headless
# Chromium, each compared with the zorvan-hand just built.
scripts/configure.sh page
ctest --preset page --timeout 900

scripts/configure.sh asan
ctest --preset asan --timeout 900

scripts/configure.sh fuzz
scripts/fuzz.sh 5

echo "All test suites passed."

#!/usr/bin/env bash
# Redraws the pictures of the windows (docs/*.png, shown by the README and the guide) on the
# offscreen platform, in its default sans font and at the design scale the program works out
# for it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
scripts/configure.sh default
QT_QPA_PLATFORM=offscreen build/tools/screenshots/zorvan-screenshots docs

#!/usr/bin/env bash
# Redraws the README's pictures of the windows (docs/*.png) on the offscreen platform, with the
# DejaVu fonts the deps script installs.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
scripts/configure.sh default
QT_QPA_PLATFORM=offscreen build/tools/screenshots/zorvan-screenshots docs

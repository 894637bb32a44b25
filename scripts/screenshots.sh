#!/usr/bin/env bash
# Redraws the pictures of the windows (docs/*.png, shown by the README and the guide) on the
# offscreen platform, in its default sans font and at the design scale the program works out
# for it; then the calculator and the practice window in Dutch and German
# (docs/calculator-nl.png, docs/practice-de.png ...).
# With a language, only that language's two pictures: scripts/screenshots.sh nl
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
scripts/configure.sh default
shoot() {
    QT_QPA_PLATFORM=offscreen build/tools/screenshots/zorvan-screenshots "$@"
}
languages=("$@")
if [ ${#languages[@]} -eq 0 ]; then
    shoot docs
    languages=(nl de)
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for language in "${languages[@]}"; do
    shoot --language "$language" "$scratch"
    cp "$scratch/calculator-$language.png" "$scratch/practice-$language.png" docs/
done

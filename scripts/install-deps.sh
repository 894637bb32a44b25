#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages the build needs, only those that are missing.
# Usage: scripts/install-deps.sh [run|test|bench|windows|web]
set -euo pipefail

# Qt Linguist's tools and their CMake API (lupdate, lrelease: qt6-l10n-tools, qt6-tools-dev) and
# Qt's own catalogues (qt6-translations-l10n), which the program carries inside it.
packages=(cmake ninja-build g++ qt6-base-dev libgl-dev fonts-dejavu-core
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n)
case "${1:-run}" in
test)
    # The benchmarks, the fuzzers, the checks of the desktop entry, the AppStream metadata
    # and the manual pages, dpkg-shlibdeps for the .deb's dependencies and lintian for the
    # .deb itself, and the desktops' fonts that tst_designscale and tst_handwindow lay the
    # windows out in; python3 for tst_mutate. The German and Dutch locales tst_language reads
    # numbers under: locales-all. The phone page (the page preset): Debian's emscripten,
    # python3-pil for its tile picture, brotli for its compressed copies, and Chromium with
    # python3-websocket (the DevTools protocol) for its tests in the browser.
    packages+=(libbenchmark-dev clang libclang-rt-14-dev desktop-file-utils appstream groff-base
        dpkg-dev lintian fonts-noto-core fonts-cantarell fonts-liberation2 python3 locales-all
        emscripten nodejs python3-pil brotli chromium python3-websocket)
    ;;
bench)
    # bench/startup.sh: a virtual X display, peak memory, the driver.
    packages+=(xvfb xauth time python3)
    ;;
windows)
    # scripts/windows.sh: the cross compiler, Wine and its fonts, the host Qt tools,
    # apt-get source's unpacker, Qt's build scripts, and for the zip's check a virtual display,
    # xdotool and ImageMagick, the German locale it starts the program in; NSIS for the
    # installer, binutils' strings to read its shortcut.
    packages+=(g++-mingw-w64-x86-64-posix wine wine64 fonts-wine qt6-base-dev-tools dpkg-dev
        perl python3 xvfb xdotool imagemagick locales-all nsis binutils)
    ;;
web)
    # scripts/web.sh: Debian's emscripten (with its clang, lld, binaryen and node), the host Qt
    # tools, apt-get source's unpacker and Qt's build scripts; Chromium and its driver for the
    # tests in the browser; python3 for the page server and the test runner; brotli for the
    # site's compressed copies; python3-pil for the phone page's tile picture.
    packages+=(emscripten qt6-base-dev-tools dpkg-dev perl python3 chromium chromium-driver brotli
        python3-pil)
    ;;
esac

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"

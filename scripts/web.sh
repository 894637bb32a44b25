#!/usr/bin/env bash
# Turns a checkout into the calculator for the web on a Debian 12 machine: Debian's emscripten
# and Chromium from apt, a static Qt for WebAssembly built once from Debian's own qt6-base
# source (kept in a cache outside the checkout, beside the Qt for Windows), the project built
# for the web, its test suite run in headless Chromium, and the site packed into
# build-web/site/ and build-web/packages/.
# Usage: scripts/web.sh [--qt-only | --cached-qt | --serve]
#   --qt-only    build Qt for WebAssembly (if it is not in the cache yet) and stop
#   --cached-qt  install nothing, build nothing: exit 0 when Qt for WebAssembly is in the cache
#   --serve      serve the built site on 127.0.0.1 (port ZORVAN_WEB_PORT, default 8000)
set -euo pipefail
cd "$(dirname "$0")/.."
cache=${XDG_CACHE_HOME:-$HOME/.cache}/zorvan

# Qt for WebAssembly is kept per Qt version and emscripten version; the Qt version is the host
# Qt's.
qt_prefix_for() {
    local qt_version emscripten_version
    qt_version=$(dpkg-query -W -f='${source:Upstream-Version}' qt6-base-dev 2>/dev/null) || return 1
    emscripten_version=$(dpkg-query -W -f='${Version}' emscripten 2>/dev/null) || return 1
    echo "$cache/qt-${qt_version%%+*}-wasm-static-emscripten${emscripten_version%%~*}"
}
if [ "${1:-}" = --cached-qt ]; then
    prefix=$(qt_prefix_for) && [ -f "$prefix/lib/cmake/Qt6/Qt6Config.cmake" ]
    exit
fi
if [ "${1:-}" = --serve ]; then
    [ -f build-web/site/index.html ] || { echo "No site yet: run scripts/web.sh first" >&2; exit 1; }
    port=${ZORVAN_WEB_PORT:-8000}
    echo "The calculator: http://127.0.0.1:$port/ (Ctrl+C ends)"
    exec python3 -m http.server "$port" --bind 127.0.0.1 --directory build-web/site
fi

export DEBIAN_FRONTEND=noninteractive
# shellcheck source=scripts/qt-source.sh
source scripts/qt-source.sh

scripts/install-deps.sh web

qt_prefix=$(qt_prefix_for)
qt_version=${qt_prefix##*/qt-}
qt_version=${qt_version%%-*}
emscripten_version=${qt_prefix##*-emscripten}
toolchain=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake

# Qt's build for WebAssembly reads the emscripten version and toolchain from an emsdk folder
# (named by EMSDK), which Debian's emscripten does not make: a folder of that shape whose tools
# are Debian's stands in for it.
export EMSDK=$cache/emsdk-$emscripten_version
if [ ! -x "$EMSDK/upstream/emscripten/emcc" ]; then
    mkdir -p "$EMSDK/upstream/emscripten"
    echo "EMSCRIPTEN_ROOT = emsdk_path + '/upstream/emscripten'" >"$EMSDK/.emscripten"
    for tool in emcc em++ emar emranlib; do
        ln -sf "/usr/bin/$tool" "$EMSDK/upstream/emscripten/$tool"
    done
    ln -sfn /usr/share/emscripten/cmake "$EMSDK/upstream/emscripten/cmake"
fi
# emcc runs its JavaScript steps with node, which must find Debian's node modules also where
# the node on the PATH is not Debian's.
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}

# Without threads (they would need cross-origin isolation headers from every host) and
# without asyncify: Qt 6.4 finds asyncify at run time, so the program switches it on when
# it is linked.
ensure_qt "$qt_prefix" "$cache/build-qt-$qt_version-wasm" WebAssembly \
    -release -static -xplatform wasm-emscripten -qt-host-path /usr \
    -no-feature-thread -nomake tests -nomake examples \
    -qt-zlib -qt-libjpeg -qt-libpng -qt-pcre -qt-harfbuzz -qt-freetype \
    -no-dbus -no-feature-network -no-feature-sql -no-feature-printsupport \
    -no-feature-concurrent -no-feature-xml \
    -- -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
[ "${1:-}" = --qt-only ] && exit 0

export ZORVAN_QT_WEB=$qt_prefix
cmake --preset web
cmake --build --preset web --parallel
ctest --preset web --timeout 600
echo "The site: build-web/site/ and $(ls build-web/packages/zorvan-calculator-*-web.zip);" \
    "scripts/web.sh --serve serves it on 127.0.0.1"

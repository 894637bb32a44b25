#!/usr/bin/env bash
# Turns a checkout into a tested Windows zip on a Debian 12 machine: MinGW-w64 and Wine from
# apt, a static Qt for Windows built once from Debian's own qt6-base source (kept in a cache
# outside the checkout), the project cross-built, its test suite run under Wine, and the zip
# packed by CPack into build-windows/packages/ with the installer, each checked under Wine.
# Usage: scripts/windows.sh [--qt-only | --cached-qt]
#   --qt-only    build Qt for Windows (if it is not in the cache yet) and stop
#   --cached-qt  install nothing, build nothing: exit 0 when Qt for Windows is in the cache
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
cache=${XDG_CACHE_HOME:-$HOME/.cache}/zorvan

# Qt for Windows is kept per Qt version and compiler; the version is the host Qt's.
qt_prefix_for() {
    local qt_version gcc_version
    qt_version=$(dpkg-query -W -f='${source:Upstream-Version}' qt6-base-dev 2>/dev/null) || return 1
    gcc_version=$(x86_64-w64-mingw32-g++-posix -dumpversion 2>/dev/null) || return 1
    echo "$cache/qt-${qt_version%%+*}-win64-static-mingw-gcc${gcc_version%%-*}"
}
if [ "${1:-}" = --cached-qt ]; then
    prefix=$(qt_prefix_for) && [ -f "$prefix/lib/cmake/Qt6/Qt6Config.cmake" ]
    exit
fi

export DEBIAN_FRONTEND=noninteractive
# shellcheck source=scripts/qt-source.sh
source scripts/qt-source.sh

scripts/install-deps.sh windows

qt_prefix=$(qt_prefix_for)
qt_version=${qt_prefix##*/qt-}
qt_version=${qt_version%%-*}

ensure_qt "$qt_prefix" "$cache/build-qt-$qt_version" Windows \
    -release -static -platform linux-g++ -xplatform win32-g++ -qt-host-path /usr \
    -nomake tests -nomake examples \
    -qt-zlib -qt-libjpeg -qt-libpng -qt-pcre -qt-harfbuzz -qt-freetype \
    -no-opengl -no-dbus -no-feature-vulkan -no-feature-network -no-feature-sql \
    -no-feature-printsupport -no-feature-concurrent -no-feature-xml \
    -no-feature-tabletevent -no-feature-direct2d -no-feature-directwrite3 \
    -- -G Ninja -DCMAKE_TOOLCHAIN_FILE="$source_dir/cmake/mingw-w64-x86_64.cmake" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
[ "${1:-}" = --qt-only ] && exit 0

# The Linux zorvan-hand, which the Windows one is compared with.
if [ ! -x build/cli/zorvan-hand ]; then
    cmake --preset default >/dev/null
    cmake --build --preset default --target zorvan-hand
fi

export ZORVAN_QT_WINDOWS=$qt_prefix
cmake --preset windows -DZORVAN_LINUX_HAND="$source_dir/build/cli/zorvan-hand"
cmake --build --preset windows --parallel

# A Wine prefix of the project's own, made once (it takes about half a minute). Debian's Wine
# leaves its own fonts out of a new prefix, and without Tahoma, the face Wine gives as the
# Windows UI font, every window would fall back to a serif face: they go where Windows keeps
# its fonts.
# Wine's menu builder stays off: it would copy Start-menu shortcuts into this machine's own
# application menu.
export WINEPREFIX=$cache/wine-prefix WINEDEBUG=-all WINEDLLOVERRIDES=winemenubuilder.exe=d
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Making the Wine prefix $WINEPREFIX"
    wineboot --init >/dev/null 2>&1
    wineserver --wait
fi
cp -u /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
ctest --preset windows --timeout 600

cpack --preset windows
package=$(ls build-windows/packages/zorvan-calculator-*-win64.zip)
installer=$(ls build-windows/packages/zorvan-calculator-*-win64-setup.exe)
scripts/windows-zip-check.sh "$package"
scripts/windows-installer-check.sh "$installer"
echo "Windows packages: $package, $installer"

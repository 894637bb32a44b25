# Sourced by scripts/windows.sh and scripts/web.sh: fetches Debian's own qt6-base source, the
# version of the host Qt, into a folder, so that every Qt the project builds for another
# platform is the one the Linux build uses, and builds it once into a cache.
# fetch_qt_source <folder>: unpacks the source into <folder> and prints the path of its tree.
fetch_qt_source() {
    local work=$1 source_version sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    source_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
    if [ -z "$(apt-cache showsrc qt6-base 2>/dev/null)" ]; then
        echo "No Debian source list is enabled: adding deb-src entries for apt-get source" \
            "(/etc/apt/sources.list.d/zorvan-deb-src.sources)." >&2
        local list=/etc/apt/sources.list.d/debian.sources
        if [ -f "$list" ]; then
            sed 's/^Types:.*/Types: deb-src/' "$list" |
                "${sudo[@]}" tee /etc/apt/sources.list.d/zorvan-deb-src.sources >/dev/null
        else
            grep -h '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
                "${sudo[@]}" tee /etc/apt/sources.list.d/zorvan-deb-src.list >/dev/null
        fi
        "${sudo[@]}" apt-get update -q >&2
    fi
    (cd "$work" && apt-get source -q "qt6-base=$source_version" >&2)
    find "$work" -maxdepth 1 -mindepth 1 -type d -name 'qt6-base-*' | head -n1
}

# ensure_qt <prefix> <work folder> <platform name> <configure argument>...: builds Qt from that
# source with those arguments and installs it into <prefix>, unless it is there already; the
# first time, it prints the minutes it took.
ensure_qt() {
    local prefix=$1 work=$2 platform=$3 started qt_source
    shift 3
    if [ -f "$prefix/lib/cmake/Qt6/Qt6Config.cmake" ]; then
        echo "Qt for $platform: $prefix (cached)"
        return
    fi
    started=$(date +%s)
    rm -rf "$work"
    mkdir -p "$work/build"
    qt_source=$(fetch_qt_source "$work")
    (cd "$work/build" && "$qt_source/configure" -prefix "$prefix" "$@")
    cmake --build "$work/build" --parallel
    cmake --install "$work/build"
    rm -rf "$work"
    echo "Qt for $platform built in $((($(date +%s) - started + 59) / 60)) minutes into $prefix"
}

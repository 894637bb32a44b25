# Sourced by scripts/windows.sh and scripts/web.sh: fetches Debian's own qt6-base source, the
# version of the host Qt, into a folder, so that every Qt the project builds for another
# platform is the one the Linux build uses.
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

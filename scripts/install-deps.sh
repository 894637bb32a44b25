#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages the build needs, only those that are missing.
# Usage: scripts/install-deps.sh [run|test]
set -euo pipefail

packages=(cmake ninja-build g++ qt6-base-dev libgl-dev fonts-dejavu-core)
if [ "${1:-run}" = test ]; then
    packages+=(libbenchmark-dev clang libclang-rt-14-dev)
fi

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

#!/usr/bin/env bash
# Installs, from Debian's packages, whatever of the build and test tools is missing, and
# configures a build folder. Sourced by run.sh and test.sh; quick when everything is present.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

packages=(
    cmake ninja-build g++ pkg-config
    clang libclang-rt-14-dev
    qt6-base-dev qt6-svg-dev libgl-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libgtest-dev libbenchmark-dev libboost-dev
    xvfb xauth xdotool x11-utils x11-xkb-utils libxcb1-dev
    fonts-dejavu-core poppler-utils
    dbus-daemon dbus-bin at-spi2-core gir1.2-atspi-2.0 python3-gi python3-xlib
    dpkg-dev file desktop-file-utils appstream shared-mime-info
)

ensure_packages() {
    local missing=()
    local status
    for p in "$@"; do
        status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
        [[ $status == installed ]] || missing+=("$p")
    done
    ((${#missing[@]})) || return 0
    echo "Installing from Debian: ${missing[*]}" >&2
    local sudo=()
    ((EUID == 0)) || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >&2
}

# configure BUILD_DIR [cmake options...]
configure() {
    local dir=$1
    shift
    local werror=OFF
    [[ ${CI:-} == true ]] && werror=ON
    if [[ ! -f $dir/build.ninja ]]; then
        cmake -S "$root" -B "$dir" -G Ninja -DPREDIVO_WERROR=$werror "$@" >&2
    fi
}

ensure_packages "${packages[@]}"

#!/usr/bin/env bash
# Regenerates the committed PNGs from their SVG sources and checks that each
# output has exactly the intended pixel size. Needs rsvg-convert.
set -euo pipefail

pictures="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
resources="$(dirname "$pictures")"
icons="$resources/icons"

command -v rsvg-convert >/dev/null || { echo "rsvg-convert not found" >&2; exit 1; }

# Width and height from the PNG header (big-endian, bytes 16..23).
png_size() {
    local w h
    read -r w h < <(od -An -tu1 -j16 -N8 "$1" |
        awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }')
    echo "${w}x${h}"
}

render() { # svg png width height
    rsvg-convert -w "$3" -h "$4" -o "$2" "$1"
    local got; got="$(png_size "$2")"
    if [[ "$got" != "$3x$4" ]]; then
        echo "size mismatch: $2 is $got, expected $3x$4" >&2
        exit 1
    fi
    echo "$got  ${2#"$resources"/}"
}

render "$pictures/info32.svg" "$pictures/info32.png"    32 32
render "$pictures/info32.svg" "$pictures/info32@2x.png" 64 64
render "$pictures/banner.svg" "$pictures/banner.png"    149 23
render "$pictures/banner.svg" "$pictures/banner@2x.png" 298 46

for n in 16 24 32 48 64 128 256; do
    case $n in
        16) src="$icons/predivo-16.svg" ;;
        24) src="$icons/predivo-24.svg" ;;
        *)  src="$icons/predivo.svg" ;;
    esac
    dir="$icons/hicolor/${n}x${n}/apps"
    mkdir -p "$dir"
    render "$src" "$dir/predivo.png" "$n" "$n"
done

#!/usr/bin/env bash
# Makes the README's screenshots: runs Predivo on a private virtual screen, works through the
# worked example as a person would, and saves each window as a PNG in docs/.
# Usage: docs/screenshots.sh [PROGRAM]   (default: build/predivo; needs xvfb, xdotool, imagemagick)
# In another language or at another scale, to look at every window there, e.g.
#   LANGUAGE=de SCALE=2 OUT=/tmp/de-2x DESCRIPTION=Beschreibung EXPLANATION=Erklärung docs/screenshots.sh
# with the two windows' titles in that language.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
prog=${1:-$root/build/predivo}
out=${OUT:-$root/docs}
scale=${SCALE:-1}
export QT_SCALE_FACTOR=$scale
mkdir -p "$out"

for d in $(seq 150 199); do [[ -e /tmp/.X11-unix/X$d || -e /tmp/.X$d-lock ]] || break; done
Xvfb ":$d" -screen 0 $((1024 * scale))x$((768 * scale))x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $app $xvfb 2>/dev/null || true; wait 2>/dev/null || true' EXIT
export DISPLAY=":$d"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

"$prog" >/dev/null 2>&1 &
app=$!

shoot() {  # shoot WINDOW-ID FILE
    import -window "$1" "$out/$2"
    echo "saved $out/$2"
}

sleep 0.7
shoot "$(xdotool search --sync --onlyvisible --class Predivo | head -n 1)" about.png
calc=$(xdotool search --sync --onlyvisible --name '^Varnholt$' | head -n 1)
sleep 0.3
read -r x y < <(xdotool getwindowgeometry --shell "$calc" | awk -F= '/^X=/{x=$2} /^Y=/{y=$2} END{print x, y}')
bar=19  # the menu bar above the content area
click() { xdotool mousemove $((x + scale * $1)) $((y + scale * (bar + $2))) click 1; sleep 0.15; }
click 437 250; xdotool type 0.3
click 437 280; xdotool type 50
click 437 310; xdotool type 3
click 75 405
sleep 0.3
shoot "$calc" calculator.png
click 256 404
desc=$(xdotool search --sync --onlyvisible --name "^${DESCRIPTION:-Description}\$" | head -n 1)
sleep 0.5
shoot "$desc" description.png
# The counts win over the percentages still in their fields; the window asked for from the
# keyboard, with the focus still in a field.
xdotool windowraise "$calc"
click 236 147; xdotool type 15
click 309 147; xdotool type 299
click 236 181; xdotool type 15
click 309 181; xdotool type 9671
xdotool key ctrl+i
expl=$(xdotool search --sync --onlyvisible --name "^${EXPLANATION:-Explanation}\$" | head -n 1)
sleep 0.5
shoot "$expl" explanation.png
# Tab on to the curves, which scrolls them into view, and move their reading to the right.
for _ in 1 2 3 4 5 6 7; do xdotool key Tab; sleep 0.15; done
xdotool key Right Right Right
sleep 0.3
shoot "$expl" explanation-curves.png

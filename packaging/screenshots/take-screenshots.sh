#!/usr/bin/env bash
# Takes the screenshots that the AppStream metadata lists, from the real
# window on a virtual X server: types a length, chooses a mode and a scale
# with the mouse and the keyboard as a user would, and captures the window.
#
#   bash packaging/screenshots/take-screenshots.sh [path/to/corvane]
#
# Needs xvfb-run, xdotool, xwininfo and ImageMagick's import. The default
# program is the one of the release preset (build/release).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
program=${1:-$here/../../build/release/source/ui/main/corvane}
program=$(realpath "$program")

for tool in xvfb-run xdotool xwininfo import; do
    command -v "$tool" >/dev/null || { echo "$tool is needed" >&2; exit 1; }
done

if [[ -z "${CORVANE_ON_XVFB:-}" ]]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" \
        env CORVANE_ON_XVFB=1 bash "$0" "$program"
fi

# French regional settings when they are installed: decimal commas.
if locale -a 2>/dev/null | grep -qi '^fr_FR\.utf-\?8$'; then
    export LC_ALL=fr_FR.UTF-8
fi

# Points inside the controls, in window pixels (15 twips a pixel).
length_box=(112 49)
mode_arrow=(222 50)
scale_arrow=(174 74)

click() {
    xdotool mousemove --window "$window" "$1" "$2" click 1
    sleep 0.3
}

# Opens a list with its arrow, moves down from the first item to the n-th
# with the keyboard and chooses it.
choose() {
    click "$1" "$2"
    local step
    for ((step = 1; step < $3; ++step)); do
        xdotool key Down
        sleep 0.1
    done
    xdotool key Return
    sleep 0.5
}

shoot() {
    local length=$1 mode=$2 scale=$3 output=$4
    "$program" 2>/dev/null &
    local pid=$!
    window=$(xdotool search --sync --onlyvisible --name '^ Corvane 2\.3$' | head -1)
    sleep 1
    click "${length_box[@]}"
    xdotool type --delay 80 "$length"
    choose "${mode_arrow[@]}" "$mode"
    choose "${scale_arrow[@]}" "$scale"
    sleep 0.5
    import -window "$window" -strip "$output"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$output: $(identify -format '%wx%h' "$output")"
}

# Mode list: 1 " Sol", 2 " Do". Scale list: 1 Tempérée Diatonique,
# 2 Tempérée Chromatique, 3 Naturelle Diatonique, 4 Naturelle Chromatique,
# 5 Pythagore Diatonique, 6 Pythagore Chromatique.
shoot 650 2 2 "$here/main-window-chromatic.png"
shoot 650 1 3 "$here/main-window-diatonic.png"

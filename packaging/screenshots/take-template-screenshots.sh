#!/usr/bin/env bash
# Takes the two pictures of the full-size template: the first page of the
# PDF that corvane-frets writes for a 650 mm equal-tempered guitar, and the
# "Gabarit" tab of the print dialog as the print button opens it, ticked.
#
#   bash packaging/screenshots/take-template-screenshots.sh [build directory]
#
# Needs xvfb-run, xdotool, ImageMagick's import and pdftoppm. The default
# build is the release preset's (build/release).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=$(realpath "${1:-$here/../../build/release}")
frets=$build/source/cli/corvane-frets
program=$build/source/ui/main/corvane

for tool in xvfb-run xdotool import pdftoppm; do
    command -v "$tool" >/dev/null || { echo "$tool is needed" >&2; exit 1; }
done

if [[ -z "${CORVANE_ON_XVFB:-}" ]]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" \
        env CORVANE_ON_XVFB=1 bash "$0" "$build"
fi
if locale -a 2>/dev/null | grep -qi '^fr_FR\.utf-\?8$'; then
    export LC_ALL=fr_FR.UTF-8
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# The rendered page: no display involved.
"$frets" --length 650 --scale tempered-chromatic --mode sol --template "$scratch/template.pdf"
pdftoppm -png -r 80 -f 1 -l 1 "$scratch/template.pdf" "$scratch/page"
mv "$scratch"/page-1.png "$here/template-page.png"
echo "$here/template-page.png: $(identify -format '%wx%h' "$here/template-page.png")"

# The print dialog: length, mode " Do", "Tempérée Chromatique", print button,
# "Options >>", the "Gabarit" tab, its box ticked. Points in window pixels.
"$program" 2>/dev/null &
pid=$!
window=$(xdotool search --sync --onlyvisible --name '^ Corvane 2\.3$' | head -1)
sleep 1
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.4; }
click "$window" 112 49
xdotool type --delay 80 650
click "$window" 222 50; xdotool key Down Return; sleep 0.4
click "$window" 174 74; xdotool key Down Return; sleep 0.4
click "$window" 112 104
dialog=$(xdotool search --sync --onlyvisible --name '^Imprimer$' | head -1)
sleep 1
xdotool key --window "$dialog" alt+o; sleep 0.6
click "$dialog" 162 156   # the "Gabarit" tab
click "$dialog" 29 186    # "Imprimer aussi le gabarit grandeur nature"
import -window "$dialog" -strip "$here/print-dialog-template-tab.png"
kill "$pid"
wait "$pid" 2>/dev/null || true
echo "$here/print-dialog-template-tab.png: $(identify -format '%wx%h' "$here/print-dialog-template-tab.png")"

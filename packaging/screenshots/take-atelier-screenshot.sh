#!/usr/bin/env bash
# Takes the Atelier's screenshot that its AppStream metadata lists: the real
# window on a virtual X server, opening the fanned seven-string 19-EDO
# design kept beside this script, captured at its default size.
#
#   bash packaging/screenshots/take-atelier-screenshot.sh [path/to/corvane-atelier]
#
# Needs xvfb-run, xdotool and ImageMagick's import. The default program is
# the one of the release preset (build/release).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
program=${1:-$here/../../build/release/source/ui/atelier/corvane-atelier}
program=$(realpath "$program")

for tool in xvfb-run xdotool import; do
    command -v "$tool" >/dev/null || { echo "$tool is needed" >&2; exit 1; }
done

if [[ -z "${CORVANE_ON_XVFB:-}" ]]; then
    exec xvfb-run -a -s "-screen 0 1600x1000x24" \
        env CORVANE_ON_XVFB=1 bash "$0" "$program"
fi

# French regional settings when they are installed: decimal commas. Fresh
# settings, so the window has its default size and no remembered state.
if locale -a 2>/dev/null | grep -qi '^fr_FR\.utf-\?8$'; then
    export LC_ALL=fr_FR.UTF-8
fi
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT

output=$here/atelier-fanned-19-edo.png
"$program" "$here/atelier-fanned-19-edo.corvane" 2>/dev/null &
pid=$!
window=$(xdotool search --sync --onlyvisible --name 'atelier-fanned-19-edo\.corvane' | head -1)
sleep 1.5
import -window "$window" -strip "$output"
kill "$pid"
wait "$pid" 2>/dev/null || true
echo "$output: $(identify -format '%wx%h' "$output")"

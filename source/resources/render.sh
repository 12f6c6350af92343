#!/usr/bin/env bash
# Renders the program's pictures from the SVG drawings in art/ (and the
# scalable application icon in icons/) into the files the build embeds.
# The outputs are checked in next to this script; run it again after
# changing a drawing:
#
#     bash source/resources/render.sh
#
# Needs rsvg-convert (librsvg2-bin), convert (imagemagick) and python3.
# The output is deterministic: same drawings, same bytes.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
art="$here/art"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

for tool in rsvg-convert convert python3; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "render.sh: '$tool' is missing (apt-get install librsvg2-bin imagemagick python3)" >&2
        exit 1
    fi
done

# svg W H NAME: render art/NAME.svg at W x H pixels into $tmp/NAME.png
svg() {
    rsvg-convert --width "$1" --height "$2" --format png \
        --output "$tmp/$3.png" "$art/$3.svg"
}

# jpeg NAME OUT: flatten onto white, 24-bit colour, full-resolution colour
# (no chroma subsampling: the small red details of the tapestry need it),
# no metadata, quality 90
jpeg() {
    convert "$tmp/$1.png" -background white -alpha remove -alpha off \
        -colorspace sRGB -type TrueColor -sampling-factor 1x1 \
        -strip -quality 90 "$here/$2"
}

# --- main window background: 485 x 500 JPEG ---------------------------------
svg 485 500 background
jpeg background background.jpg

# --- about window background: 200 x 272 JPEG --------------------------------
svg 200 272 info-background
jpeg info-background info-background.jpg

# --- instrument beside the fret table: 48 x 238, 24-bit uncompressed BMP ----
svg 48 238 instrument
convert "$tmp/instrument.png" -background white -alpha remove -alpha off \
    -type TrueColor -compress None -strip "BMP3:$here/instrument.bmp"

# --- icons: palettised images with a 1-bit transparency mask ----------------
# ImageMagick would store them as 32-bit images, so make_ico.py packs them.
svg 16 16 print-16
python3 "$here/make_ico.py" --bpp 4 "$here/print.ico" "$tmp/print-16.png"

svg 16 16 corvane-16
svg 32 32 corvane-32
python3 "$here/make_ico.py" --bpp 4 "$here/corvane.ico" \
    "$tmp/corvane-16.png" "$tmp/corvane-32.png"

svg 32 32 info-figure
python3 "$here/make_ico.py" --bpp 8 "$here/info-figure.ico" "$tmp/info-figure.png"

# --- application icon for the desktop (freedesktop hicolor theme) -----------
# corvane: the classic window; corvane-atelier: the board designer.
for icon in corvane corvane-atelier; do
    scalable="$here/icons/hicolor/scalable/apps/$icon.svg"
    for size in 48 64 128 256; do
        dir="$here/icons/hicolor/${size}x${size}/apps"
        mkdir -p "$dir"
        rsvg-convert --width "$size" --height "$size" --format png \
            --output "$dir/$icon.png" "$scalable"
    done
done

echo "render.sh: pictures written to $here"

#pragma once

// One colour per kind of mark in the vector files, so that laser and CAD
// software can sort them (cut the slots, score the outline, engrave the
// texts…): an AutoCAD colour index for DXF layers and the same colour as
// RGB for SVG strokes. Printed pages stay black.

#include "drawing.h"

namespace corvane::drawing {

struct LayerColour {
    int aci; // AutoCAD colour index
    const char* rgb; // "#rrggbb", the index's usual RGB
};

constexpr LayerColour ColourOf(Layer layer) noexcept
{
    switch (layer) {
    case Layer::Frets:
        return { 1, "#ff0000" }; // red
    case Layer::Edges:
        return { 3, "#00ff00" }; // green
    case Layer::Nut:
        return { 5, "#0000ff" }; // blue
    case Layer::Saddle:
        return { 6, "#ff00ff" }; // magenta
    case Layer::Strings:
        return { 4, "#00ffff" }; // cyan
    case Layer::CentreLine:
        return { 8, "#808080" }; // grey
    case Layer::Labels:
        return { 7, "#000000" }; // black (white on a dark screen)
    case Layer::TitleBlock:
        return { 250, "#333333" };
    case Layer::Ruler:
        return { 30, "#ff7f00" }; // orange
    case Layer::Registration:
        return { 9, "#c0c0c0" }; // light grey
    case Layer::Slots:
        return { 10, "#ff3f3f" }; // light red
    case Layer::Markers:
        return { 2, "#c8a000" }; // yellow, darkened to show on white
    }
    return { 7, "#000000" };
}

} // namespace corvane::drawing

#pragma once

// Each kind of mark in the vector files, defined once: its DXF layer, its
// SVG group and its colour, so that laser and CAD software can sort them
// (cut the slots, score the outline, engrave the texts…): an AutoCAD colour
// index for the DXF layer and the same colour as RGB for the SVG stroke.
// Printed pages stay black.

#include "drawing.h"
#include "enum_table.h"

#include <array>

namespace corvane::drawing {

struct LayerInfo {
    Layer layer;
    const char* dxfName; // the DXF layer ("FRETTES")
    const char* svgId; // the SVG group's id ("frets")
    int aci; // AutoCAD colour index
    const char* rgb; // "#rrggbb", the index's usual RGB
};

inline constexpr std::array<LayerInfo, 12> Layers = { {
    { Layer::Nut, "SILLET", "nut", 5, "#0000ff" }, // blue
    { Layer::Frets, "FRETTES", "frets", 1, "#ff0000" }, // red
    { Layer::Saddle, "CHEVALET", "saddle", 6, "#ff00ff" }, // magenta
    { Layer::Edges, "BORDS", "edges", 3, "#00ff00" }, // green
    { Layer::CentreLine, "AXE", "centre-line", 8, "#808080" }, // grey
    { Layer::Strings, "CORDES", "strings", 4, "#00ffff" }, // cyan
    { Layer::Labels, "REPERES", "labels", 7, "#000000" }, // black (white on a dark screen)
    { Layer::TitleBlock, "CARTOUCHE", "title-block", 250, "#333333" },
    { Layer::Ruler, "REGLE", "ruler", 30, "#ff7f00" }, // orange
    { Layer::Registration, "ASSEMBLAGE", "registration", 9, "#c0c0c0" }, // light grey
    { Layer::Slots, "FENTES", "slots", 10, "#ff3f3f" }, // light red
    { Layer::Markers, "REPERES_INCRUSTES", "markers", 2, "#c8a000" }, // yellow, darkened
} };

static_assert(board::InEnumOrder(Layers, [](const LayerInfo& info) { return info.layer; }),
    "one description per layer, in the enum's order");

constexpr const LayerInfo& Describe(Layer layer) noexcept
{
    return Layers[static_cast<std::size_t>(layer)];
}

// The DXF layer of the texts, which carry no colour of a kind.
inline constexpr const char* DxfTextLayer = "TEXTES";

} // namespace corvane::drawing

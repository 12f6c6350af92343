#pragma once

// The drawing model of a full-size template: what is drawn, in millimetres,
// with no knowledge of where it will be drawn.
//
//   classic texts / fretboard layout --builders--> Drawing (the board, mm)
//   Drawing --Paginate(paper)--> pages, each a Drawing in page mm, with the
//       calibration ruler, registration crosses and page labels added
//   Drawing --renderers--> QPainter (screen, print, PDF), SVG file, DXF file
//
// Units are decided at the edges: builders turn the user's unit into mm,
// renderers turn mm into the device's unit. Nothing between them scales.
//
// Coordinates: x to the right, y downwards (as on a page and in SVG), origin
// at the drawing's top-left corner. A renderer whose y goes up (DXF) flips.

#include <string>
#include <vector>

namespace corvane::drawing {

struct Point {
    double x = 0; // mm
    double y = 0; // mm

    friend bool operator==(const Point&, const Point&) = default;
};

// What a mark is, so that outputs can group, colour or hide by kind (SVG
// groups, DXF layers, the Atelier's view).
enum class Layer {
    Nut,
    Frets,
    Saddle,
    Edges,      // the board's outline
    CentreLine,
    Strings,
    Labels,     // fret numbers, distances, note names
    TitleBlock,
    Ruler,      // calibration ruler and its texts
    Registration, // crosses, cut/align line, page labels
};

struct Line {
    Point from;
    Point to;
    Layer layer = Layer::Frets;
    double widthMm = 0.2;
    bool dashed = false;
};

enum class Anchor { Left, Centre, Right }; // horizontal anchor of a text at its baseline point

struct Text {
    Point at;          // baseline point, placed as the anchor says
    std::string utf8;
    double heightMm = 3.0; // cap height of the font
    Layer layer = Layer::Labels;
    Anchor anchor = Anchor::Left;
    double rotationDeg = 0; // counter-clockwise as seen on the page
};

struct Drawing {
    double widthMm = 0;
    double heightMm = 0;
    std::vector<Line> lines;
    std::vector<Text> texts;
};

} // namespace corvane::drawing

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

#include <optional>
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
    Edges, // the board's outline
    CentreLine,
    Strings,
    Labels, // fret numbers, distances, note names
    TitleBlock,
    Ruler, // calibration ruler and its texts
    Registration, // crosses, cut/align line, page labels
    Slots, // fret slots as closed outlines of the saw's width
    Markers, // inlay markers
};

struct Line {
    Point from;
    Point to;
    Layer layer = Layer::Frets;
    double widthMm = 0.2;
    bool dashed = false;
};

// A closed outline (the board's), drawn as one piece: cutting software
// follows it round without joining loose lines. Open, it is a polyline (a
// fret that bends at the strings of a board with a length per string).
struct Outline {
    std::vector<Point> points; // in order; closed, the last joins the first
    Layer layer = Layer::Edges;
    double widthMm = 0.2;
    bool closed = true;
};

// A circle (an inlay marker), outlined.
struct Circle {
    Point centre;
    double diameterMm = 6;
    Layer layer = Layer::Markers;
    double widthMm = 0.2;
};

enum class Anchor { Left, Centre, Right }; // horizontal anchor of a text at its baseline point

// An axis-aligned rectangle in millimetres.
struct Box {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;

    double width() const noexcept { return right - left; }
    double height() const noexcept { return bottom - top; }
    friend bool operator==(const Box&, const Box&) = default;
};

struct Text {
    Point at; // baseline point, placed as the anchor says
    std::string utf8;
    double heightMm = 3.0; // cap height of the font
    Layer layer = Layer::Labels;
    Anchor anchor = Anchor::Left;
    double rotationDeg = 0; // counter-clockwise as seen on the page
    // Set on a page of a tiled template for a text that straddles the edge
    // of the page's share of the board: only the part inside is drawn, so
    // that the two halves meet when the pages are put together.
    std::optional<Box> clip;
};

struct Drawing {
    double widthMm = 0;
    double heightMm = 0;
    // The point a CAD file takes as its origin (on a board, the middle of
    // the nut), so that a fret's x in the file is its distance from the nut.
    Point datum;
    std::vector<Line> lines;
    std::vector<Outline> outlines;
    std::vector<Circle> circles;
    std::vector<Text> texts;
};

// The sides of an outline as lines, for what works line by line (tiling);
// a circle as the sides of a 72-gon, within 0.1 % of its radius.
std::vector<Line> OutlineSides(const Outline& outline);
std::vector<Line> CircleSides(const Circle& circle);

} // namespace corvane::drawing

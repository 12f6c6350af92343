#include "svg_writer.h"

#include "layers.h"

#include "number_format.h"

#include <array>

namespace corvane::drawing {

namespace {

constexpr std::array AllLayers { Layer::Edges, Layer::CentreLine, Layer::Strings, Layer::Nut,
    Layer::Frets, Layer::Saddle, Layer::Labels, Layer::TitleBlock, Layer::Ruler,
    Layer::Registration, Layer::Slots, Layer::Markers };

// A cap height in em for the sans-serif fonts a viewer picks for
// "sans-serif" (DejaVu Sans, Liberation Sans, Arial are all near 0.72).
constexpr double CapHeightPerEm = 0.72;

void AppendEscaped(std::string& out, const std::string& text)
{
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
}

// Coordinates are written from the drawing's datum, so that a fret's x in
// the file is its distance from the nut; the viewBox is shifted to match.
void AppendLine(std::string& out, Line line, Point datum)
{
    line.from = Point { line.from.x - datum.x, line.from.y - datum.y };
    line.to = Point { line.to.x - datum.x, line.to.y - datum.y };
    out += "    <line x1=\"";
    AppendNumber(out, line.from.x);
    out += "\" y1=\"";
    AppendNumber(out, line.from.y);
    out += "\" x2=\"";
    AppendNumber(out, line.to.x);
    out += "\" y2=\"";
    AppendNumber(out, line.to.y);
    out += "\" stroke-width=\"";
    AppendNumber(out, line.widthMm);
    if (line.dashed)
        out += "\" stroke-dasharray=\"2 1";
    out += "\"/>\n";
}

void AppendText(std::string& out, Text text, Point datum)
{
    text.at = Point { text.at.x - datum.x, text.at.y - datum.y };
    out += "    <text stroke=\"none\" x=\"";
    AppendNumber(out, text.at.x);
    out += "\" y=\"";
    AppendNumber(out, text.at.y);
    out += "\" font-size=\"";
    AppendNumber(out, text.heightMm / CapHeightPerEm);
    out += "\"";
    if (text.anchor != Anchor::Left)
        out += text.anchor == Anchor::Centre ? " text-anchor=\"middle\"" : " text-anchor=\"end\"";
    if (text.rotationDeg != 0) {
        // SVG turns clockwise on its downward y; the model counts counter-clockwise.
        out += " transform=\"rotate(";
        AppendNumber(out, -text.rotationDeg);
        out += ' ';
        AppendNumber(out, text.at.x);
        out += ' ';
        AppendNumber(out, text.at.y);
        out += ")\"";
    }
    out += '>';
    AppendEscaped(out, text.utf8);
    out += "</text>\n";
}

// One path, closed or not, from the datum like every coordinate.
void AppendOutline(std::string& out, const Outline& outline, Point datum)
{
    out += "    <path d=\"";
    for (std::size_t i = 0; i < outline.points.size(); ++i) {
        out += i == 0 ? "M " : " L ";
        AppendNumber(out, outline.points[i].x - datum.x);
        out += ' ';
        AppendNumber(out, outline.points[i].y - datum.y);
    }
    out += outline.closed ? " Z\" fill=\"none\" stroke-width=\""
                          : "\" fill=\"none\" stroke-width=\"";
    AppendNumber(out, outline.widthMm);
    out += "\"/>\n";
}

void AppendCircle(std::string& out, const Circle& circle, Point datum)
{
    out += "    <circle cx=\"";
    AppendNumber(out, circle.centre.x - datum.x);
    out += "\" cy=\"";
    AppendNumber(out, circle.centre.y - datum.y);
    out += "\" r=\"";
    AppendNumber(out, circle.diameterMm / 2);
    out += "\" fill=\"none\" stroke-width=\"";
    AppendNumber(out, circle.widthMm);
    out += "\"/>\n";
}

// Every stroke at the hairline width some laser software cuts.
Drawing Hairlined(Drawing drawing)
{
    for (Line& line : drawing.lines)
        line.widthMm = HairlineMm;
    for (Outline& outline : drawing.outlines)
        outline.widthMm = HairlineMm;
    for (Circle& circle : drawing.circles)
        circle.widthMm = HairlineMm;
    return drawing;
}

} // namespace

std::string SvgText(const Drawing& original, const std::string& title, bool hairline)
{
    const Drawing drawing = hairline ? Hairlined(original) : original;
    std::string out;
    out.reserve(256 + 120 * (drawing.lines.size() + drawing.texts.size()));
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"";
    AppendNumber(out, drawing.widthMm);
    out += "mm\" height=\"";
    AppendNumber(out, drawing.heightMm);
    out += "mm\" viewBox=\"";
    AppendNumber(out, -drawing.datum.x);
    out += ' ';
    AppendNumber(out, -drawing.datum.y);
    out += ' ';
    AppendNumber(out, drawing.widthMm);
    out += ' ';
    AppendNumber(out, drawing.heightMm);
    out += "\">\n  <title>";
    AppendEscaped(out, title);
    out += "</title>\n";
    for (const Layer layer : AllLayers) {
        std::string group;
        for (const Line& line : drawing.lines)
            if (line.layer == layer)
                AppendLine(group, line, drawing.datum);
        for (const Outline& outline : drawing.outlines)
            if (outline.layer == layer)
                AppendOutline(group, outline, drawing.datum);
        for (const Circle& circle : drawing.circles)
            if (circle.layer == layer)
                AppendCircle(group, circle, drawing.datum);
        for (const Text& text : drawing.texts)
            if (text.layer == layer)
                AppendText(group, text, drawing.datum);
        if (group.empty())
            continue;
        out += "  <g id=\"";
        out += Describe(layer).svgId;
        out += "\" stroke=\"";
        out += Describe(layer).rgb;
        out += "\" fill=\"";
        out += Describe(layer).rgb;
        out += "\" stroke-linecap=\"butt\" "
               "font-family=\"DejaVu Sans, Liberation Sans, Arial, sans-serif\">\n";
        out += group;
        out += "  </g>\n";
    }
    out += "</svg>\n";
    return out;
}

std::optional<files::WriteProblem> WriteSvgFile(
    const Drawing& drawing, const std::string& title, const std::string& path, bool hairline)
{
    return files::WriteWholeFile(path, SvgText(drawing, title, hairline));
}

} // namespace corvane::drawing

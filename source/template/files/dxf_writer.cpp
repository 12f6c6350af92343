#include "dxf_writer.h"

#include "layers.h"

#include <dxflib/dl_dxf.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>

namespace corvane::drawing {

namespace {

// $INSUNITS: 1 inches, 4 millimetres, 5 centimetres.
int InsUnits(Unit unit) noexcept
{
    switch (unit) {
    case Unit::Inch:
        return 1;
    case Unit::Centimetre:
        return 5;
    case Unit::Millimetre:
        break;
    }
    return 4;
}

// R2000 texts are in the drawing's code page; anything outside ASCII goes
// as a \U+XXXX escape, which every DXF reader understands.
std::string DxfTextEscaped(const std::string& utf8)
{
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            out += static_cast<char>(lead);
            ++i;
            continue;
        }
        const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        unsigned codePoint = lead & (length == 2 ? 0x1Fu : length == 3 ? 0x0Fu : 0x07u);
        for (std::size_t k = 1; k < length && i + k < utf8.size(); ++k)
            codePoint = (codePoint << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3Fu);
        char escape[16];
        std::snprintf(escape, sizeof escape, "\\U+%04X", codePoint);
        out += escape;
        i += length;
    }
    return out;
}

// dxflib takes a text's angle in radians and writes it out in degrees, as
// DXF wants.
constexpr double DegreesToRadians = 3.14159265358979323846 / 180.0;

int Justification(Anchor anchor) noexcept
{
    return anchor == Anchor::Left ? 0 : anchor == Anchor::Centre ? 1 : 2;
}

// dxflib's ASCII writer, into memory: the same group codes and numbers as
// its file writer ("%.16f", trailing zeros cut but one), no file opened.
class MemoryWriter : public DL_WriterA {
public:
    MemoryWriter()
        : DL_WriterA("", DL_Codes::AC1015)
    {
    }
    void dxfReal(int gc, double value) const override
    {
        char text[512];
        std::snprintf(text, sizeof text, "%.16f", value);
        std::string number(text);
        if (const std::size_t point = number.find('.'); point != std::string::npos) {
            std::size_t end = point + 2;
            for (std::size_t i = point + 1; i < number.size(); ++i)
                if (number[i] != '0')
                    end = i + 1;
            number.resize(std::min(end, number.size()));
        }
        dxfString(gc, number);
    }
    void dxfInt(int gc, int value) const override { dxfString(gc, std::to_string(value)); }
    void dxfHex(int gc, int value) const override
    {
        char text[16];
        std::snprintf(text, sizeof text, "%0X", static_cast<unsigned>(value));
        dxfString(gc, text);
    }
    void dxfString(int gc, const char* value) const override
    {
        dxfString(gc, std::string(value != nullptr ? value : ""));
    }
    void dxfString(int gc, const std::string& value) const override
    {
        bytes_ += (gc < 10 ? "  " : gc < 100 ? " " : "") + std::to_string(gc) + "\n" + value + "\n";
    }
    std::string Bytes() const { return bytes_; }

private:
    mutable std::string bytes_;
};

std::string Dxf(const Drawing& drawing, Unit unit)
{
    DL_Dxf dxf;
    MemoryWriter dw;
    const double unitMm = MillimetresPer(unit);
    const auto fileX = [&](double x) { return (x - drawing.datum.x) / unitMm; };
    const auto fileY = [&](double y) { return (drawing.datum.y - y) / unitMm; };

    dxf.writeHeader(dw);
    dw.dxfString(9, "$INSUNITS");
    dw.dxfInt(70, InsUnits(unit));
    dw.dxfString(9, "$MEASUREMENT");
    dw.dxfInt(70, unit == Unit::Inch ? 0 : 1);
    dw.dxfString(9, "$DWGCODEPAGE");
    dw.dxfString(3, "ANSI_1252");
    dw.sectionEnd();

    dw.sectionTables();
    dxf.writeVPort(dw);
    dw.tableLinetypes(4);
    dxf.writeLinetype(dw, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
    double dash[2] = { 2.0 / unitMm, -1.0 / unitMm };
    dxf.writeLinetype(dw, DL_LinetypeData("DASHED", "__ __ __", 0, 2, 3.0 / unitMm, dash));
    dw.tableEnd();

    dw.tableLayers(static_cast<int>(Layers.size()) + 2);
    dxf.writeLayer(dw, DL_LayerData("0", 0), DL_Attributes("", 7, 0, 100, "CONTINUOUS"));
    for (const LayerInfo& layer : Layers)
        dxf.writeLayer(
            dw, DL_LayerData(layer.dxfName, 0), DL_Attributes("", layer.aci, 0, -3, "CONTINUOUS"));
    dxf.writeLayer(dw, DL_LayerData(DxfTextLayer, 0), DL_Attributes("", 7, 0, -3, "CONTINUOUS"));
    dw.tableEnd();

    dw.tableStyle(1);
    dxf.writeStyle(dw, DL_StyleData("Standard", 0, 0.0, 1.0, 0.0, 0, 2.5, "txt", ""));
    dw.tableEnd();
    dxf.writeView(dw);
    dxf.writeUcs(dw);
    dw.tableAppid(1);
    dxf.writeAppid(dw, "ACAD");
    dw.tableEnd();
    dxf.writeDimStyle(dw, 2.5, 0.625, 0.625, 0.625, 2.5);
    dxf.writeBlockRecord(dw);
    dw.tableEnd();
    dw.sectionEnd();

    dw.sectionBlocks();
    for (const char* space : { "*Model_Space", "*Paper_Space", "*Paper_Space0" }) {
        dxf.writeBlock(dw, DL_BlockData(space, 0, 0.0, 0.0, 0.0));
        dxf.writeEndBlock(dw, space);
    }
    dw.sectionEnd();

    dw.sectionEntities();
    for (const Line& line : drawing.lines) {
        DL_Attributes attributes(
            Describe(line.layer).dxfName, 256, -1, line.dashed ? "DASHED" : "BYLAYER", 1.0);
        dxf.writeLine(dw,
            DL_LineData(fileX(line.from.x), fileY(line.from.y), 0.0, fileX(line.to.x),
                fileY(line.to.y), 0.0),
            attributes);
    }
    // An outline is one closed LWPOLYLINE (flag 1), which cutting software
    // follows as one path; a polyline, one open LWPOLYLINE.
    for (const Outline& outline : drawing.outlines) {
        dxf.writePolyline(dw,
            DL_PolylineData(static_cast<int>(outline.points.size()), 0, 0, outline.closed ? 1 : 0),
            DL_Attributes(Describe(outline.layer).dxfName, 256, -1, "BYLAYER", 1.0));
        for (const Point& point : outline.points)
            dxf.writeVertex(dw, DL_VertexData(fileX(point.x), fileY(point.y), 0.0, 0.0));
        dxf.writePolylineEnd(dw);
    }
    for (const Circle& circle : drawing.circles)
        dxf.writeCircle(dw,
            DL_CircleData(fileX(circle.centre.x), fileY(circle.centre.y), 0.0,
                circle.diameterMm / 2 / unitMm),
            DL_Attributes(Describe(circle.layer).dxfName, 256, -1, "BYLAYER", 1.0));
    for (const Text& text : drawing.texts) {
        const double x = fileX(text.at.x), y = fileY(text.at.y);
        dxf.writeText(dw,
            DL_TextData(x, y, 0.0, x, y, 0.0, text.heightMm / unitMm, 1.0, 0,
                Justification(text.anchor), 0, DxfTextEscaped(text.utf8), "Standard",
                text.rotationDeg * DegreesToRadians),
            DL_Attributes(DxfTextLayer, 256, -1, "BYLAYER", 1.0));
    }
    dw.sectionEnd();

    dxf.writeObjects(dw);
    dxf.writeObjectsEnd(dw);
    dw.dxfEOF();
    return dw.Bytes();
}

} // namespace

std::string DxfText(const Drawing& drawing, Unit unit)
{
    return Dxf(drawing, unit);
}

std::optional<files::WriteProblem> WriteDxfFile(
    const Drawing& drawing, Unit unit, const std::string& path)
{
    return files::WriteWholeFile(path, DxfText(drawing, unit));
}

} // namespace corvane::drawing

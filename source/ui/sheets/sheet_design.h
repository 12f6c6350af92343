#pragma once

// The two result sheets as they were designed. A sheet is a framed page: a
// title over two heading labels, four columns of boxes (position, note,
// position, note) and a frame of five lines. Everything that differs between
// the diatonic sheet "Capture1" and the chromatic sheet "Capture" is data in
// a SheetDesign, including the copy table its load step walks; SheetWindow
// builds either one from it.

#include "look.h"

#include <QString>

#include <vector>

namespace corvane::ui {

enum class SheetBoxKind {
    Position, // 1455 twips wide, Times New Roman 12 pt bold, window colours
    Note, // 615 twips wide, MS Sans Serif 9.75 pt, tooltip background
};

struct SheetBox {
    QString name; // object name, "Text<n>"
    SheetBoxKind kind;
    int left, top; // twips, from the client area's top-left
};

struct SheetFont {
    const char* face;
    double points;
    bool bold;
};

struct SheetLabel {
    QString name;
    int left, top, width, height; // twips
    SheetFont font;
    ColourRole background;
    QString text; // at creation
};

// A 1-pixel solid line between two points, in twips.
struct SheetLine {
    QString name;
    int x1, y1, x2, y2;
};

// One step of the load: the sheet control takes the source control's text.
struct CopyStep {
    QString sheetControl; // a box "Text<n>" or the title label "Label3"
    QString sourceControl; // a main-window control: "Longvib", "Combo1", "Text<n>"
};

struct SheetDesign {
    QString name; // object name of the window
    QString caption; // leading space included
    int clientWidth, clientHeight; // twips
    std::vector<SheetLabel> labels;
    std::vector<SheetLine> lines;
    std::vector<SheetBox> boxes; // in increasing number: the focus order
    QString diapasonBox; // shows "Diap." from creation; never loaded
    std::vector<CopyStep> load; // in the order the load step runs
};

inline constexpr int SheetBoxHeightTwips = 405;
inline constexpr const char* DiapasonText = "Diap.";
// The control whose caption becomes the scale name: the same on both sheets.
inline constexpr const char* SheetTitleLabel = "Label3";

const SheetDesign& DiatonicSheet();
const SheetDesign& ChromaticSheet();

// The sheet the print button opens for the main window's scale kind
// (fret::DiatonicScaleKind or fret::ChromaticScaleKind), or nullptr for none.
const SheetDesign* SheetForScaleKind(int scaleKind);

int BoxWidthTwips(SheetBoxKind kind);

} // namespace corvane::ui

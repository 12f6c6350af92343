#pragma once

// The main window as it was designed: its frame and every control with its
// place in twips, font, background role, initial content and visibility.
// The window builds itself from these tables and holds no layout of its own.

#include "look.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace corvane::ui {

inline constexpr const char* BaseCaption = " Corvane 2.3";
inline constexpr int BaseClientWidthTwips = 7275;
inline constexpr int BaseClientHeightTwips = 6120;

// Pictures embedded from source/resources.
inline constexpr const char* BaseBackgroundPicture = ":/background.jpg";
inline constexpr const char* BaseWindowIcon = ":/corvane.ico";

enum class ControlKind {
    TextBox, // editable single-line box, text left-aligned
    Label, // opaque caption, takes no focus
    Button, // push button with a caption, or with a picture when it has one
    PictureBox, // picture at the top-left inside a sunken border
    DropDownCombo, // editable text field with a drop-down list
};

struct FontDesign {
    const char* face;
    double points;
    bool bold;
};

// The window's own font, used by every control that names none.
inline constexpr FontDesign BaseDefaultFont { SansSerifFace, 8.25, false };

struct ControlDesign {
    QString name; // the control name, also the widget's object name
    ControlKind kind;
    int left, top, width, height; // twips, from the client area's top-left
    QString text; // caption or initial text
    QString picture; // resource path, or empty
    QStringList items; // a drop-down list's items, in order
    FontDesign font;
    ColourRole background;
    bool visible;
};

// Every control of the main window, in tab order. The 48 result boxes come
// from the grid rule: slot n's position box "Textn" and note box
// "Text(n+24)" stand side by side in column (n-1)/8, row (n-1)%8.
std::vector<ControlDesign> BaseControls();

} // namespace corvane::ui

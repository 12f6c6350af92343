#pragma once

#include "design_document.h"

#include <QGroupBox>

class QCheckBox;
class QLineEdit;

namespace corvane::atelier {

// What the laser and the router need of the template: the slots as outlines
// of the saw's width, fret lines prolonged for a jig, the face dots, and
// hairline strokes in SVG. Part of the design (saved in its file), shown in
// its unit; the last used are remembered for the next new design.
class CutOptionsBox : public QGroupBox {
    Q_OBJECT

public:
    explicit CutOptionsBox(board::DesignDocument& document, QWidget* parent = nullptr);

    // The cut options last used, for a new design.
    static board::CutOptions Remembered();

    QLineEdit* slotWidthField() const { return slotWidth_; }
    QCheckBox* markersField() const { return markers_; }
    QLineEdit* bindingMarginField() const { return bindingMargin_; }

private:
    // Shows the document's cut options (a design opened, a unit changed).
    void showDocument();
    void read();

    board::DesignDocument& document_;
    board::Unit unit_ = board::Unit::Millimetre;
    bool filling_ = false;
    QLineEdit* slotWidth_ = nullptr;
    QLineEdit* extend_ = nullptr;
    QCheckBox* markers_ = nullptr;
    QLineEdit* markerDiameter_ = nullptr;
    QCheckBox* hairline_ = nullptr;
    QLineEdit* bindingMargin_ = nullptr;
};

} // namespace corvane::atelier

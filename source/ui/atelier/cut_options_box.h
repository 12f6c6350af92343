#pragma once

#include "board_drawing.h"
#include "units.h"

#include <QGroupBox>

class QCheckBox;
class QLineEdit;

namespace corvane::atelier {

// What the laser and the router need of the template: the slots as outlines
// of the saw's width, fret lines prolonged for a jig, the face dots, and
// hairline strokes in SVG. Not part of the design: remembered for the next
// template, shown in the design's unit, drawn live and exported.
class CutOptionsBox : public QGroupBox {
    Q_OBJECT

public:
    explicit CutOptionsBox(QWidget* parent = nullptr);

    // The lengths are shown and read in this unit.
    void setUnit(board::Unit unit);
    // The drawing options with the cut options set.
    drawing::BoardDrawingOptions applied(drawing::BoardDrawingOptions options) const;
    bool hairline() const;

    QLineEdit* slotWidthField() const { return slotWidth_; }
    QCheckBox* markersField() const { return markers_; }

signals:
    void changed();

private:
    void read();

    board::Unit unit_ = board::Unit::Millimetre;
    double slotWidthMm_ = 0, extendMm_ = 0, markerDiameterMm_ = 6;
    QLineEdit* slotWidth_ = nullptr;
    QLineEdit* extend_ = nullptr;
    QCheckBox* markers_ = nullptr;
    QLineEdit* markerDiameter_ = nullptr;
    QCheckBox* hairline_ = nullptr;
};

} // namespace corvane::atelier

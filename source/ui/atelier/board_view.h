#pragma once

#include "drawing.h"

#include <QScrollArea>

namespace corvane::atelier {

class BoardCanvas;

// The live drawing of the board: the template's drawing model painted by
// the same renderer as print and PDF, scaled to the view. It fits the view
// until the user zooms; zooming keeps the point under the view's centre.
// Only the drawing changes on an edit; Qt's double-buffered painting keeps
// the redraw free of flicker.
class BoardView : public QScrollArea {
    Q_OBJECT

public:
    explicit BoardView(QWidget* parent = nullptr);

    void setDrawing(drawing::Drawing drawing);
    const drawing::Drawing& shownDrawing() const;

    // Screen pixels per millimetre of the board.
    double scale() const;
    bool fitsView() const { return fit_; }

public slots:
    void zoomIn();
    void zoomOut();
    void zoomToFit();
    // One millimetre of the board is one millimetre of the screen, as far
    // as the screen reports its size truly.
    void zoomToTrueSize();

signals:
    void scaleChanged(double pixelsPerMillimetre);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void setScale(double pixelsPerMm, bool fit);
    double fitScale() const;
    void fitToView();

    BoardCanvas* canvas_ = nullptr;
    bool fit_ = true;
    // A drawing was given while the view was hidden and is not fitted yet.
    bool fitPending_ = false;
};

// The smallest and largest zoom: a 60-fret bass fits in a small window at
// the one end; a fret slot's width fills a good part of the view at the
// other.
inline constexpr double MinimumPixelsPerMm = 0.05;
inline constexpr double MaximumPixelsPerMm = 200.0;
inline constexpr double ZoomStep = 1.25;

} // namespace corvane::atelier

#include "board_view.h"

#include "painter_renderer.h"
#include "readable_labels.h"

#include <QPainter>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace corvane::atelier {
namespace {

// A margin around the board, in pixels, so that edge lines and labels are
// not cut by the view's frame.
constexpr int MarginPx = 16;

} // namespace

// The widget the view scrolls: the board at the chosen scale, with its
// labels at a readable size, plus the margin.
class BoardCanvas : public QWidget {
public:
    explicit BoardCanvas(QWidget* parent)
        : QWidget(parent)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setBackgroundRole(QPalette::Base);
    }

    drawing::Drawing board;
    double pixelsPerMm = 1.0;

    // What is painted at this scale, and where it reaches (mm): labels
    // made readable may stand out of the board's own rectangle.
    drawing::Drawing shown;
    QRectF reach;

    void placeLabels()
    {
        ReadableDrawing readable = ReadableAt(board, pixelsPerMm);
        shown = std::move(readable.shown);
        reach = readable.reach;
    }

    void resizeToBoard()
    {
        placeLabels();
        resize(static_cast<int>(std::ceil(reach.width() * pixelsPerMm)) + 2 * MarginPx,
            static_cast<int>(std::ceil(reach.height() * pixelsPerMm)) + 2 * MarginPx);
        update();
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        painter.fillRect(event->rect(), palette().color(QPalette::Base));
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.translate(
            MarginPx - reach.left() * pixelsPerMm, MarginPx - reach.top() * pixelsPerMm);
        drawing::RenderDrawing(shown, painter, pixelsPerMm);
    }
};

BoardView::BoardView(QWidget* parent)
    : QScrollArea(parent)
    , canvas_(new BoardCanvas(this))
{
    setWidget(canvas_);
    setWidgetResizable(false);
    setAlignment(Qt::AlignCenter);
    setBackgroundRole(QPalette::Base);
    setAccessibleName(tr("Dessin de la touche"));
    setFocusPolicy(Qt::StrongFocus);
}

void BoardView::setDrawing(drawing::Drawing drawing)
{
    canvas_->board = std::move(drawing);
    // A hidden view has no room to fit the board in yet: showing it fits
    // the board and places the labels, once.
    fitPending_ = fit_ && !isVisible();
    if (fitPending_)
        return;
    if (fit_)
        canvas_->pixelsPerMm = fitScale();
    canvas_->resizeToBoard();
}

const drawing::Drawing& BoardView::shownDrawing() const
{
    return canvas_->board;
}

double BoardView::scale() const
{
    return canvas_->pixelsPerMm;
}

double BoardView::fitScale() const
{
    const drawing::Drawing& board = canvas_->board;
    if (board.widthMm <= 0 || board.heightMm <= 0)
        return 1.0;
    const QSize room = maximumViewportSize() - QSize(2 * MarginPx + 2, 2 * MarginPx + 2);
    const auto fit = [&](double widthMm, double heightMm) {
        return std::clamp(std::min(room.width() / widthMm, room.height() / heightMm),
            MinimumPixelsPerMm, MaximumPixelsPerMm);
    };
    // The labels' reach grows as the scale shrinks: fit the board, then
    // what the labels reach at that scale, a few times over.
    double scale = fit(board.widthMm, board.heightMm);
    for (int round = 0; round < 3; ++round) {
        const QRectF reach = ReadableAt(board, scale).reach;
        scale = fit(reach.width(), reach.height());
    }
    return scale;
}

void BoardView::setScale(double pixelsPerMm, bool fit)
{
    pixelsPerMm = std::clamp(pixelsPerMm, MinimumPixelsPerMm, MaximumPixelsPerMm);
    // The board point at the centre of the view stays there.
    const QPointF centre(horizontalScrollBar()->value() + viewport()->width() / 2.0 - MarginPx,
        verticalScrollBar()->value() + viewport()->height() / 2.0 - MarginPx);
    const double factor = pixelsPerMm / canvas_->pixelsPerMm;
    fit_ = fit;
    canvas_->pixelsPerMm = pixelsPerMm;
    canvas_->resizeToBoard();
    horizontalScrollBar()->setValue(
        static_cast<int>(centre.x() * factor + MarginPx - viewport()->width() / 2.0));
    verticalScrollBar()->setValue(
        static_cast<int>(centre.y() * factor + MarginPx - viewport()->height() / 2.0));
    emit scaleChanged(pixelsPerMm);
}

void BoardView::zoomIn()
{
    setScale(scale() * ZoomStep, false);
}

void BoardView::zoomOut()
{
    setScale(scale() / ZoomStep, false);
}

void BoardView::zoomToFit()
{
    setScale(fitScale(), true);
}

void BoardView::zoomToTrueSize()
{
    const QScreen* shown = screen();
    const double dotsPerInch
        = shown ? shown->physicalDotsPerInchX() / shown->devicePixelRatio() : 96.0;
    setScale(dotsPerInch / 25.4, false);
}

void BoardView::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    if (fit_)
        fitToView();
}

// Showing a view sends its pending resize first; this is for one shown
// again at the size it had, with a drawing given while it was hidden.
void BoardView::showEvent(QShowEvent* event)
{
    QScrollArea::showEvent(event);
    if (fitPending_ && fit_)
        fitToView();
}

void BoardView::fitToView()
{
    fitPending_ = false;
    canvas_->pixelsPerMm = fitScale();
    canvas_->resizeToBoard();
    emit scaleChanged(canvas_->pixelsPerMm);
}

void BoardView::wheelEvent(QWheelEvent* event)
{
    // Ctrl + wheel zooms, as in drawing programs; the wheel alone scrolls.
    if (event->modifiers() & Qt::ControlModifier) {
        const int steps = event->angleDelta().y() / 120;
        if (steps != 0)
            setScale(scale() * std::pow(ZoomStep, steps), false);
        event->accept();
        return;
    }
    QScrollArea::wheelEvent(event);
}

} // namespace corvane::atelier

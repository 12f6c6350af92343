#include "board_view.h"

#include "painter_renderer.h"

#include <QPainter>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QTransform>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace corvane::atelier {
namespace {

// A margin around the board, in pixels, so that edge lines and labels are
// not cut by the view's frame.
constexpr int MarginPx = 16;
// Texts are never drawn with a cap height under this on screen (a font of
// about 13 pixels).
constexpr double MinimumTextPx = 9.0;

// Roughly where a text's letters go: a digit of the renderer's font is
// about 0.85 of its cap height wide; half a cap height keeps labels apart.
QRectF ApproximateBox(const drawing::Text& text)
{
    const double glyphs = static_cast<double>(QString::fromStdString(text.utf8).size());
    const double width = 0.85 * text.heightMm * glyphs + 0.5 * text.heightMm;
    double left = 0;
    if (text.anchor == drawing::Anchor::Centre)
        left = -width / 2;
    else if (text.anchor == drawing::Anchor::Right)
        left = -width;
    // Turned about its anchor, counter-clockwise on the page (y down).
    QTransform turn;
    turn.translate(text.at.x, text.at.y);
    turn.rotate(-text.rotationDeg);
    return turn.mapRect(QRectF(left, -1.15 * text.heightMm, width, 1.3 * text.heightMm));
}

// The board's labels at a size the eye can read at this scale: a
// smaller text is drawn at the minimum size, at its own place; a label
// that would then cover one already kept is left out until the user
// zooms in.
drawing::Drawing ReadableTexts(const drawing::Drawing& board, double pixelsPerMm)
{
    const double minimumMm = MinimumTextPx / pixelsPerMm;
    bool needed = false;
    for (const drawing::Text& text : board.texts)
        needed = needed || text.heightMm < minimumMm;
    if (!needed)
        return board;
    drawing::Drawing readable = board;
    readable.texts.clear();
    // Level texts (fret numbers, names) first: they win over the upright
    // distances where the two would meet.
    std::vector<drawing::Text> texts = board.texts;
    std::stable_partition(texts.begin(), texts.end(), [](const drawing::Text& text) { return text.rotationDeg == 0; });
    std::vector<QRectF> kept;
    for (drawing::Text text : texts) {
        text.heightMm = std::max(text.heightMm, minimumMm);
        const QRectF box = ApproximateBox(text);
        const bool covers = std::any_of(kept.begin(), kept.end(), [&](const QRectF& k) { return k.intersects(box); });
        if (covers && text.layer == drawing::Layer::Labels)
            continue;
        kept.push_back(box);
        readable.texts.push_back(std::move(text));
    }
    return readable;
}

struct Readable {
    drawing::Drawing shown;
    QRectF reach; // mm: labels made readable may stand out of the board
};

Readable ReadableAt(const drawing::Drawing& board, double pixelsPerMm)
{
    Readable readable{ReadableTexts(board, pixelsPerMm), QRectF(0, 0, board.widthMm, board.heightMm)};
    for (const drawing::Text& text : readable.shown.texts)
        readable.reach = readable.reach.united(ApproximateBox(text));
    return readable;
}

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

    void prepare()
    {
        Readable readable = ReadableAt(board, pixelsPerMm);
        shown = std::move(readable.shown);
        reach = readable.reach;
    }

    void resizeToBoard()
    {
        prepare();
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
        painter.translate(MarginPx - reach.left() * pixelsPerMm, MarginPx - reach.top() * pixelsPerMm);
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
        return std::clamp(std::min(room.width() / widthMm, room.height() / heightMm), MinimumPixelsPerMm,
                          MaximumPixelsPerMm);
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
    horizontalScrollBar()->setValue(static_cast<int>(centre.x() * factor + MarginPx - viewport()->width() / 2.0));
    verticalScrollBar()->setValue(static_cast<int>(centre.y() * factor + MarginPx - viewport()->height() / 2.0));
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
    const double dotsPerInch = shown ? shown->physicalDotsPerInchX() / shown->devicePixelRatio() : 96.0;
    setScale(dotsPerInch / 25.4, false);
}

void BoardView::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    if (fit_) {
        canvas_->pixelsPerMm = fitScale();
        canvas_->resizeToBoard();
        emit scaleChanged(canvas_->pixelsPerMm);
    }
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

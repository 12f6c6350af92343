#include "painter_renderer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <QTransform>

#include <algorithm>

namespace corvane::drawing {

namespace {

// Texts are shaped at a large pixel size and scaled down to their cap
// height: pixel sizes are whole numbers, cap heights are not.
constexpr int ShapingPixelSize = 200;

QFont TemplateFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(ShapingPixelSize);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(true);
    return font;
}

double CapHeight(const QFontMetricsF& metrics)
{
    return metrics.capHeight() > 0 ? metrics.capHeight() : metrics.ascent() * 0.72;
}

QString Content(const Text& text)
{
    return QString::fromUtf8(text.utf8.data(), qsizetype(text.utf8.size()));
}

// Where the text starts on its baseline, in font units, for its anchor.
double AnchorOffset(const Text& text, double advance)
{
    return text.anchor == Anchor::Left  ? 0
        : text.anchor == Anchor::Centre ? -advance / 2
                                        : -advance;
}

} // namespace

void RenderDrawing(const Drawing& drawing, QPainter& painter, double deviceUnitsPerMm)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.scale(deviceUnitsPerMm, deviceUnitsPerMm);

    QPen pen(Qt::black);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    for (const Line& line : drawing.lines) {
        pen.setWidthF(line.widthMm);
        if (line.dashed)
            pen.setDashPattern({ 2.0 / line.widthMm, 1.0 / line.widthMm }); // 2 mm on, 1 mm off
        else
            pen.setStyle(Qt::SolidLine);
        painter.setPen(pen);
        painter.drawLine(QPointF(line.from.x, line.from.y), QPointF(line.to.x, line.to.y));
    }
    pen.setStyle(Qt::SolidLine);
    painter.setBrush(Qt::NoBrush);
    for (const Outline& outline : drawing.outlines) {
        pen.setWidthF(outline.widthMm);
        painter.setPen(pen);
        QPolygonF polygon;
        for (const Point& point : outline.points)
            polygon << QPointF(point.x, point.y);
        if (outline.closed)
            painter.drawPolygon(polygon);
        else
            painter.drawPolyline(polygon);
    }
    for (const Circle& circle : drawing.circles) {
        pen.setWidthF(circle.widthMm);
        painter.setPen(pen);
        const double radius = circle.diameterMm / 2;
        painter.drawEllipse(QPointF(circle.centre.x, circle.centre.y), radius, radius);
    }

    const QFont font = TemplateFont();
    const QFontMetricsF metrics(font);
    const double capHeight = CapHeight(metrics);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (const Text& text : drawing.texts) {
        painter.save();
        if (text.clip)
            painter.setClipRect(QRectF(QPointF(text.clip->left, text.clip->top),
                                    QPointF(text.clip->right, text.clip->bottom)),
                Qt::IntersectClip);
        painter.translate(text.at.x, text.at.y);
        painter.rotate(-text.rotationDeg); // Qt turns clockwise on a y-down page
        const double scale = text.heightMm / capHeight;
        painter.scale(scale, scale);
        const QString content = Content(text);
        painter.drawText(
            QPointF(AnchorOffset(text, metrics.horizontalAdvance(content)), 0), content);
        painter.restore();
    }
    painter.restore();
}

std::vector<Box> TextBounds(const std::vector<Text>& texts)
{
    const QFontMetricsF metrics(TemplateFont());
    const double capHeight = CapHeight(metrics);
    std::vector<Box> bounds;
    bounds.reserve(texts.size());
    for (const Text& text : texts) {
        const QString content = Content(text);
        const double advance = metrics.horizontalAdvance(content);
        const QRectF ink = metrics.tightBoundingRect(content);
        const double start = AnchorOffset(text, advance);
        // The ink, widened to the advance so that a label's side bearings
        // count, and at least from the baseline to the cap height.
        const QRectF letters(
            QPointF(start + std::min(0.0, ink.left()), std::min(ink.top(), -capHeight)),
            QPointF(start + std::max(advance, ink.right()), std::max(ink.bottom(), 0.0)));
        const double scale = text.heightMm / capHeight;
        QTransform placed;
        placed.translate(text.at.x, text.at.y);
        placed.rotate(-text.rotationDeg);
        placed.scale(scale, scale);
        const QRectF box = placed.mapRect(letters);
        bounds.push_back(Box { box.left(), box.top(), box.right(), box.bottom() });
    }
    return bounds;
}

} // namespace corvane::drawing

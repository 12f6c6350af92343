#include "painter_renderer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

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
            pen.setDashPattern({2.0 / line.widthMm, 1.0 / line.widthMm}); // 2 mm on, 1 mm off
        else
            pen.setStyle(Qt::SolidLine);
        painter.setPen(pen);
        painter.drawLine(QPointF(line.from.x, line.from.y), QPointF(line.to.x, line.to.y));
    }

    const QFont font = TemplateFont();
    const QFontMetricsF metrics(font);
    const double capHeight = metrics.capHeight() > 0 ? metrics.capHeight() : metrics.ascent() * 0.72;
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
        const QString content = QString::fromUtf8(text.utf8.data(), qsizetype(text.utf8.size()));
        const double width = metrics.horizontalAdvance(content);
        const double x = text.anchor == Anchor::Left ? 0 : text.anchor == Anchor::Centre ? -width / 2 : -width;
        painter.drawText(QPointF(x, 0), content);
        painter.restore();
    }
    painter.restore();
}

} // namespace corvane::drawing

#include "image_export.h"

#include "painter_renderer.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

namespace corvane::drawing {

std::optional<files::WriteProblem> WritePngFile(
    const Drawing& drawing, const std::string& path, double dotsPerInch)
{
    const double pixelsPerMm = dotsPerInch / 25.4;
    QImage image(static_cast<int>(drawing.widthMm * pixelsPerMm),
        static_cast<int>(drawing.heightMm * pixelsPerMm), QImage::Format_RGB32);
    image.setDotsPerMeterX(static_cast<int>(pixelsPerMm * 1000));
    image.setDotsPerMeterY(static_cast<int>(pixelsPerMm * 1000));
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        RenderDrawing(drawing, painter, pixelsPerMm);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return files::WriteWholeFile(path, bytes.toStdString());
}

} // namespace corvane::drawing

#include "image_export.h"

#include "painter_renderer.h"
#include "svg_writer.h"
#include "template_format.h"

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

std::optional<files::WriteProblem> WriteChartFile(
    const Drawing& chart, const std::string& title, const std::string& path)
{
    if (ChartFormatOf(path) == ChartFormat::Png)
        return WritePngFile(chart, path);
    return WriteSvgFile(chart, title, path);
}

} // namespace corvane::drawing

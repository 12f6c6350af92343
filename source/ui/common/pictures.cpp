#include "pictures.h"

#include <QByteArray>
#include <QImageReader>
#include <QPixmap>

namespace corvane::ui {

namespace {

QByteArray FormatOf(const QString& path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('.')) + 1).toLower().toLatin1();
}

void ReadOnlyAs(QImageReader& reader, const QString& path)
{
    reader.setFileName(path);
    reader.setFormat(FormatOf(path));
    reader.setAutoDetectImageFormat(false);
}

} // namespace

QImage ReadPicture(const QString& path, const QRect& clip)
{
    QImageReader reader;
    ReadOnlyAs(reader, path);
    if (clip.isValid())
        reader.setClipRect(clip.intersected(QRect(QPoint(0, 0), reader.size())));
    return reader.read();
}

QIcon ReadIcon(const QString& path)
{
    QImageReader reader;
    ReadOnlyAs(reader, path);
    QIcon icon;
    do {
        const QImage image = reader.read();
        if (image.isNull())
            break;
        icon.addPixmap(QPixmap::fromImage(image));
    } while (reader.jumpToNextImage());
    return icon;
}

} // namespace corvane::ui

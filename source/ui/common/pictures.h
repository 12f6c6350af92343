#pragma once

#include <QIcon>
#include <QImage>
#include <QRect>
#include <QString>

namespace corvane::ui {

// Reads an embedded picture in the format its file name gives (".jpg",
// ".bmp", ".ico"). Qt would otherwise load and ask every image plugin
// whether it knows the data before falling back on its own BMP reader.
// With a clip, only that part of the picture is kept; a JPEG is not even
// decoded below it.
QImage ReadPicture(const QString& path, const QRect& clip = QRect());

// Every image of an icon file, each at its own size.
QIcon ReadIcon(const QString& path);

} // namespace corvane::ui

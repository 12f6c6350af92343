#include "picture_box.h"

#include <QPainter>

namespace corvane::ui {

PictureBox::PictureBox(const QPixmap& picture, QWidget* parent)
    : QFrame(parent)
    , picture_(picture)
{
    // The classic single border of a picture box: two pixels, sunken.
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setAutoFillBackground(true);
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inside = contentsRect();
    painter.setClipRect(inside);
    painter.drawPixmap(inside.topLeft(), picture_);
}

} // namespace corvane::ui

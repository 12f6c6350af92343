#pragma once

#include <QFrame>
#include <QPixmap>

namespace corvane::ui {

// A picture drawn at its own size from the top-left corner inside a sunken
// border. Unlike a QLabel, it clips the picture to the inside of the border,
// so a picture a little larger than the box loses its right and bottom edge
// instead of painting over the frame.
class PictureBox : public QFrame {
    Q_OBJECT

public:
    PictureBox(const QPixmap& picture, QWidget* parent);

    const QPixmap& picture() const noexcept { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};

} // namespace corvane::ui

#pragma once

#include "modal_window.h"

#include <QPixmap>

namespace corvane::ui {

// The about window: the program's name and version, its authors, "Logiciel
// Libre" and the year in light letters over a dark picture, a small picture
// on the right. It has nothing to do but be looked at.
class InfoWindow : public ModalWindow {
    Q_OBJECT

public:
    InfoWindow();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap background_;
};

} // namespace corvane::ui

#pragma once

#include "control_surface.h"

#include <QString>

class QWidget;

namespace corvane::ui {

// The calculator's view of a window: its controls found by object name
// among the window's children. Text boxes give and take their text, drop-down
// lists the text of their field. Texts cross as UTF-8.
class WidgetSurface : public fret::ControlSurface {
public:
    explicit WidgetSurface(QWidget& window)
        : window_(window)
    {
    }

    std::string Text(std::string_view control) override;
    void SetText(std::string_view control, std::string_view text) override;
    void SetVisible(std::string_view control, bool visible) override;

    // The current text of a text box or drop-down list. Throws
    // std::invalid_argument for a name that is no such control.
    QString text(const QString& control) const;

private:
    QWidget& control(const QString& name) const;

    QWidget& window_;
};

} // namespace corvane::ui

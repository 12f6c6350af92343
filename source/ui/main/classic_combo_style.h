#pragma once

#include <QProxyStyle>

namespace corvane::ui {

// The window's drop-down lists were sized for a 16-pixel drop-down button.
// Qt's styles draw a wider one, which in the narrow mode list hides the end
// of its prompt "Mode :"; this style gives the button back its classic
// width and the text field the rest. Everything else is the application's
// style.
class ClassicComboStyle : public QProxyStyle {
    Q_OBJECT

public:
    explicit ClassicComboStyle(QObject* owner);

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
        const QWidget* widget) const override;
};

} // namespace corvane::ui

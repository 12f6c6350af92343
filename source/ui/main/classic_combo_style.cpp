#include "classic_combo_style.h"

#include <QApplication>
#include <QStyleFactory>
#include <QStyleOption>

namespace corvane::ui {

namespace {
constexpr int ClassicDropDownButtonWidth = 16;
}

ClassicComboStyle::ClassicComboStyle(QObject* owner)
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name()))
{
    setParent(owner);
}

QRect ClassicComboStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
    SubControl part, const QWidget* widget) const
{
    QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
    if (control != CC_ComboBox || option->direction != Qt::LeftToRight)
        return rect;
    const QRect button = QProxyStyle::subControlRect(control, option, SC_ComboBoxArrow, widget);
    const int spare = button.width() - ClassicDropDownButtonWidth;
    if (spare <= 0)
        return rect;
    if (part == SC_ComboBoxArrow)
        rect.setLeft(rect.left() + spare);
    else if (part == SC_ComboBoxEditField)
        rect.setRight(rect.right() + spare);
    return rect;
}

} // namespace corvane::ui

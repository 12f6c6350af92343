#include "widget_surface.h"

#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

#include <stdexcept>

namespace corvane::ui {

namespace {

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

[[noreturn]] void NoTextControl(const QString& name)
{
    throw std::invalid_argument("not a text control: " + name.toStdString());
}

[[noreturn]] void NoControl(const QString& name)
{
    throw std::invalid_argument("no control named " + name.toStdString());
}

} // namespace

std::string WidgetSurface::Text(std::string_view control)
{
    return text(FromUtf8(control)).toStdString();
}

void WidgetSurface::SetText(std::string_view control, std::string_view text)
{
    const QString name = FromUtf8(control);
    QWidget& widget = this->control(name);
    // A text box reports the change (textChanged) even when the program
    // makes it; the window's handlers rely on that.
    if (auto* box = qobject_cast<QLineEdit*>(&widget)) {
        box->setText(FromUtf8(text));
        // setText leaves the cursor at the end, and a text longer than its
        // box then shows its end: "61728394,5617" would read "1728394,5617".
        // A number is read from its first digit.
        box->setCursorPosition(0);
    } else if (auto* list = qobject_cast<QComboBox*>(&widget))
        list->setEditText(FromUtf8(text));
    else
        NoTextControl(name);
}

void WidgetSurface::SetVisible(std::string_view control, bool visible)
{
    this->control(FromUtf8(control)).setVisible(visible);
}

QString WidgetSurface::text(const QString& control) const
{
    QWidget& widget = this->control(control);
    if (auto* box = qobject_cast<QLineEdit*>(&widget))
        return box->text();
    if (auto* list = qobject_cast<QComboBox*>(&widget))
        return list->currentText();
    NoTextControl(control);
}

QWidget& WidgetSurface::control(const QString& name) const
{
    // Only the window's own controls: a drop-down list's inner line edit
    // is not one of them.
    auto* widget = window_.findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
    if (!widget)
        NoControl(name);
    return *widget;
}

} // namespace corvane::ui

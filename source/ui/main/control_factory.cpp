#include "control_factory.h"

#include "classic_combo_style.h"
#include "picture_box.h"
#include "pictures.h"
#include "twips.h"

#include <QComboBox>
#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

namespace corvane::ui {

namespace {

constexpr QSize ButtonPictureSize(16, 16);

// Qt's lists take the focus from the wheel and change their item with it,
// so rolling the wheel to scroll past a list would choose a scale and
// recompute. The classic lists change by the wheel only once they have the
// focus; elsewhere the wheel passes to the window.
class WheelOnlyWhenFocused : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Wheel || static_cast<QWidget*>(watched)->hasFocus())
            return false;
        event->ignore();
        return true;
    }
};

QWidget* CreateTextBox(const ControlDesign& design, QWidget& window)
{
    auto* box = new QLineEdit(design.text, &window);
    box->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return box;
}

QWidget* CreateLabel(const ControlDesign& design, QWidget& window)
{
    // Plain text keeps the caption's runs of blanks as they were designed.
    auto* label = new QLabel(design.text, &window);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setAutoFillBackground(true);
    return label;
}

QWidget* CreateButton(const ControlDesign& design, QWidget& window)
{
    auto* button = new QPushButton(design.text, &window);
    button->setAutoDefault(false);
    if (!design.picture.isEmpty()) {
        button->setIcon(ReadIcon(design.picture));
        button->setIconSize(ButtonPictureSize);
    }
    return button;
}

QWidget* CreatePictureBox(const ControlDesign& design, QWidget& window)
{
    auto* box = new PictureBox(QPixmap::fromImage(ReadPicture(design.picture)), &window);
    // A picture box is a stop of the tab order, like the other controls.
    box->setFocusPolicy(Qt::StrongFocus);
    return box;
}

// A list whose choice is made only in the list: picking an item in the
// popup with the mouse, or moving the selection with the arrow keys, both
// of which QComboBox reports as activated(). Typing in the text field must
// choose nothing, so the three ways QComboBox turns typed text into a
// choice are switched off.
QWidget* CreateDropDownCombo(const ControlDesign& design, QWidget& window)
{
    auto* combo = new QComboBox(&window);
    // Created after the list, so the window deletes it after the list.
    combo->setStyle(new ClassicComboStyle(&window));
    combo->setFocusPolicy(Qt::StrongFocus);
    combo->installEventFilter(new WheelOnlyWhenFocused(combo));
    combo->setEditable(true);
    // Enter would otherwise add the typed text to the list.
    combo->setInsertPolicy(QComboBox::NoInsert);
    // The completer would pick the item the typed text completes to.
    combo->setCompleter(nullptr);
    // When editing ends on a text equal to an item, QComboBox selects that
    // item and reports it activated.
    QObject::disconnect(combo->lineEdit(), SIGNAL(editingFinished()), combo, nullptr);

    combo->addItems(design.items);
    // Until a choice the field shows a prompt that is not one of the items.
    combo->setCurrentIndex(-1);
    combo->setEditText(design.text);
    // Show the prompt from its first letter, as a field that was never
    // edited does; the narrow mode list cannot show all of it otherwise.
    combo->lineEdit()->setCursorPosition(0);
    return combo;
}

QWidget* CreateWidget(const ControlDesign& design, QWidget& window)
{
    switch (design.kind) {
    case ControlKind::TextBox:
        return CreateTextBox(design, window);
    case ControlKind::Label:
        return CreateLabel(design, window);
    case ControlKind::Button:
        return CreateButton(design, window);
    case ControlKind::PictureBox:
        return CreatePictureBox(design, window);
    case ControlKind::DropDownCombo:
        return CreateDropDownCombo(design, window);
    }
    return nullptr;
}

// Each kind of widget paints its face with a different palette role.
QPalette::ColorRole FaceRole(ControlKind kind)
{
    switch (kind) {
    case ControlKind::TextBox:
    case ControlKind::DropDownCombo:
        return QPalette::Base;
    case ControlKind::Button:
        return QPalette::Button;
    case ControlKind::Label:
    case ControlKind::PictureBox:
        break;
    }
    return QPalette::Window;
}

} // namespace

QWidget* CreateControl(const ControlDesign& design, QWidget& window)
{
    QWidget* control = CreateWidget(design, window);
    control->setObjectName(design.name);
    control->setGeometry(TwipsRect(design.left, design.top, design.width, design.height));
    // A control in the window's own font inherits it: setting it again
    // would only make the control lay its text out once more.
    const QFont font = DesignFont(design.font.face, design.font.points, design.font.bold);
    if (font != window.font())
        control->setFont(font);

    QPalette palette = control->palette();
    palette.setColor(FaceRole(design.kind), RoleColour(design.background));
    control->setPalette(palette);

    if (!design.visible)
        control->hide();
    return control;
}

} // namespace corvane::ui

#include "base_driver.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QMessageBox>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>

namespace corvane::test {

namespace {

constexpr int ModalPollMilliseconds = 20;

// A combo's popup ignores a release that comes too soon after it opened,
// taking it for the end of the click that opened it.
void WaitOutPopupOpening()
{
    QTest::qWait(QApplication::doubleClickInterval() + 50);
}

QPoint ArrowCentre(QComboBox& list)
{
    QStyleOptionComboBox option;
    option.initFrom(&list);
    option.editable = list.isEditable();
    option.subControls = QStyle::SC_All;
    return list.style()
        ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, &list)
        .center();
}

QWidget& Focused()
{
    QWidget* focused = QApplication::focusWidget();
    Q_ASSERT(focused);
    return *focused;
}

} // namespace

void TypeText(QWidget& widget, const QString& text)
{
    for (const QChar character : text) {
        const auto key = static_cast<Qt::Key>(character.toUpper().unicode());
        QTest::sendKeyEvent(QTest::Press, &widget, key, QString(character), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, &widget, key, QString(character), Qt::NoModifier);
    }
}

void TypeText(const QString& text)
{
    TypeText(Focused(), text);
}

ModalCloser::ModalCloser()
{
    timer_.setInterval(ModalPollMilliseconds);
    QObject::connect(&timer_, &QTimer::timeout, [this] { closeModal(); });
    timer_.start();
}

ModalCloser::~ModalCloser() = default;

void ModalCloser::closeModal()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        seen_.push_back({ modal->metaObject()->className(), modal->objectName(), box->windowTitle(),
            box->text(), box->icon() });
        // Close it as the user would, with its button.
        QTest::mouseClick(box->buttons().first(), Qt::LeftButton);
    } else {
        seen_.push_back({ modal->metaObject()->className(), modal->objectName(),
            modal->windowTitle(), {}, -1 });
        modal->close();
    }
}

BaseDriver::BaseDriver()
    : window_(std::make_unique<ui::Base>())
{
    window_->show();
    QApplication::setActiveWindow(window_.get());
    if (!QTest::qWaitForWindowActive(window_.get()))
        qWarning("the main window did not become active");
}

BaseDriver::~BaseDriver() = default;

void BaseDriver::returnToWindow()
{
    // The offscreen platform has no window manager to give the activation
    // back to the main window once a modal window closed; do what one would.
    window_->activateWindow();
    if (!QTest::qWaitForWindowActive(window_.get()))
        qWarning("the main window did not become active again");
}

QLineEdit& BaseDriver::box(const QString& name)
{
    auto* box = window_->findChild<QLineEdit*>(name, Qt::FindDirectChildrenOnly);
    Q_ASSERT_X(box, "BaseDriver::box", qPrintable(name));
    return *box;
}

QComboBox& BaseDriver::list(const QString& name)
{
    auto* list = window_->findChild<QComboBox*>(name, Qt::FindDirectChildrenOnly);
    Q_ASSERT_X(list, "BaseDriver::list", qPrintable(name));
    return *list;
}

QPushButton& BaseDriver::button(const QString& name)
{
    auto* button = window_->findChild<QPushButton*>(name, Qt::FindDirectChildrenOnly);
    Q_ASSERT_X(button, "BaseDriver::button", qPrintable(name));
    return *button;
}

void BaseDriver::typeInto(QWidget& control, const QString& text)
{
    // Click near the right end of the field, so the typing is appended.
    QTest::mouseClick(
        &control, Qt::LeftButton, {}, QPoint(control.width() - 4, control.height() / 2));
    QTest::keyClick(&Focused(), Qt::Key_End);
    TypeText(text);
}

void BaseDriver::typeLength(const QString& text)
{
    QLineEdit& length = box("Longvib");
    QTest::mouseClick(&length, Qt::LeftButton);
    QTest::keySequence(&Focused(), QKeySequence::SelectAll);
    if (text.isEmpty())
        QTest::keyClick(&Focused(), Qt::Key_Delete);
    else
        TypeText(text);
}

void BaseDriver::pressKey(QWidget& control, Qt::Key key)
{
    control.setFocus(Qt::OtherFocusReason);
    QTest::keyClick(&Focused(), key);
}

void BaseDriver::chooseWithMouse(QComboBox& list, int index)
{
    QTest::mouseClick(&list, Qt::LeftButton, {}, ArrowCentre(list));
    QAbstractItemView* view = list.view();
    if (!QTest::qWaitFor([view] { return view->isVisible(); })) {
        qWarning("the list %s did not open", qPrintable(list.objectName()));
        return;
    }
    WaitOutPopupOpening();
    const QPoint item = view->visualRect(view->model()->index(index, 0)).center();
    QTest::mouseMove(view->viewport(), item);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item);
    if (!QTest::qWaitFor([view] { return !view->isVisible(); }))
        qWarning("the list %s did not close", qPrintable(list.objectName()));
}

void BaseDriver::chooseWithKeys(QComboBox& list, int index)
{
    // Click into the text field, as a user does before using the keys.
    QTest::mouseClick(&list, Qt::LeftButton, {}, QPoint(8, list.height() / 2));
    for (int moves = 0; list.currentIndex() != index && moves < list.count() + 1; ++moves)
        QTest::keyClick(&Focused(), list.currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
}

void BaseDriver::chooseWithMouse(QComboBox& list, const QString& item)
{
    chooseWithMouse(list, list.findText(item, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void BaseDriver::chooseWithKeys(QComboBox& list, const QString& item)
{
    chooseWithKeys(list, list.findText(item, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void BaseDriver::click(QPushButton& button)
{
    QTest::mouseClick(&button, Qt::LeftButton);
}

QStringList BaseDriver::positionTexts(int firstSlot, int lastSlot)
{
    QStringList texts;
    for (int slot = firstSlot; slot <= lastSlot; ++slot)
        texts << box(QStringLiteral("Text%1").arg(slot)).text();
    return texts;
}

QStringList BaseDriver::noteTexts(int firstSlot, int lastSlot)
{
    QStringList texts;
    for (int slot = firstSlot; slot <= lastSlot; ++slot)
        texts << box(QStringLiteral("Text%1").arg(slot + 24)).text();
    return texts;
}

QList<int> BaseDriver::visibleResultBoxes()
{
    QList<int> visible;
    for (int number = 1; number <= 48; ++number)
        if (box(QStringLiteral("Text%1").arg(number)).isVisible())
            visible << number;
    return visible;
}

} // namespace corvane::test

#pragma once

// Drives the main window the way a user does: clicks, key presses and
// choices in the drop-down lists, each sent through the event system.

#include "base_window.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <memory>

namespace corvane::test {

// Watches for modal windows while it lives and closes each one as soon as
// it appears, recording what it showed. A test that expects none checks
// that none came; a test that expects one fails if it did not appear,
// instead of hanging.
class ModalCloser {
public:
    struct Seen {
        QString className;
        QString name;
        QString title;
        QString text;
        int icon; // QMessageBox::Icon, or -1 for a window that is no message box
    };

    ModalCloser();
    ~ModalCloser();

    const QList<Seen>& seen() const noexcept { return seen_; }
    void clear() { seen_.clear(); }

private:
    void closeModal();

    QTimer timer_;
    QList<Seen> seen_;
};

// Types the text into the widget one key at a time, accented letters
// included (QTest::keyClicks takes only ASCII).
void TypeText(QWidget& widget, const QString& text);

// Types into whatever has the keyboard focus.
void TypeText(const QString& text);

class BaseDriver {
public:
    // Creates the window, shows it and waits until it is active.
    BaseDriver();
    ~BaseDriver();

    ui::Base& window() { return *window_; }

    // After a modal window closed, the user comes back to the main window;
    // keys go there once it is active again.
    void returnToWindow();

    QLineEdit& box(const QString& name);
    QComboBox& list(const QString& name);
    QPushButton& button(const QString& name);

    // Clicks into the box and types, one key at a time.
    void typeInto(QWidget& control, const QString& text);
    // Clicks into the length box, selects all and types over it.
    void typeLength(const QString& text);
    void pressKey(QWidget& control, Qt::Key key);

    // Opens the list with a click on its arrow and clicks the item.
    void chooseWithMouse(QComboBox& list, int index);
    // Moves the selection with the Down and Up keys until the item is chosen.
    void chooseWithKeys(QComboBox& list, int index);
    // The same, by the item's text.
    void chooseWithMouse(QComboBox& list, const QString& item);
    void chooseWithKeys(QComboBox& list, const QString& item);

    void click(QPushButton& button);

    // The texts of Text1..Text24 (or the note boxes) of the given slots.
    QStringList positionTexts(int firstSlot, int lastSlot);
    QStringList noteTexts(int firstSlot, int lastSlot);
    // The result boxes (Textn) that are visible, by number.
    QList<int> visibleResultBoxes();

private:
    std::unique_ptr<ui::Base> window_;
};

} // namespace corvane::test

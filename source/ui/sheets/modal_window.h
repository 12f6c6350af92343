#pragma once

#include <QWidget>

class QEventLoop;

namespace corvane::ui {

// A secondary window of the program: shown modal, ended only by its title
// bar's close button or the window manager's close command.
//
// Not a QDialog: a dialog closes on Escape and, when it opens, selects all
// of its first box as if the user had tabbed into it. These windows react
// to no key of their own and open with the caret at the start of the box.
class ModalWindow : public QWidget {
    Q_OBJECT

public:
    // frame: Qt::Tool for the sheets, Qt::Dialog for the about window; the
    // title bar gets a close button only.
    ModalWindow(Qt::WindowType frame, const QString& name, const QString& caption,
        int clientWidthTwips, int clientHeightTwips);

    // Shows the window application-modal and returns when the user has
    // closed it; until then the other windows take no input.
    void showModal();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QEventLoop* modalLoop_ = nullptr;
};

} // namespace corvane::ui

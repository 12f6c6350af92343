#include "modal_window.h"

#include "twips.h"

#include <QCloseEvent>
#include <QEventLoop>

namespace corvane::ui {

ModalWindow::ModalWindow(Qt::WindowType frame, const QString& name, const QString& caption,
    int clientWidthTwips, int clientHeightTwips)
    // No owner is named. Qt makes a parentless dialog or tool window
    // transient for the active window, which keeps it out of the task bar.
    : QWidget(
        nullptr, frame | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(name);
    setWindowTitle(caption);
    // A fixed size also tells the window manager there is nothing to resize.
    setFixedSize(TwipsSize(clientWidthTwips, clientHeightTwips));
}

void ModalWindow::showModal()
{
    setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    modalLoop_ = &loop;
    show();
    loop.exec(QEventLoop::DialogExec);
    modalLoop_ = nullptr;
}

void ModalWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (modalLoop_ != nullptr)
        modalLoop_->quit();
}

} // namespace corvane::ui

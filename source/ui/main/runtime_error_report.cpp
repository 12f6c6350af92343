#include "runtime_error_report.h"

#include <QMessageBox>
#include <QString>

namespace corvane::ui {

void ReportRuntimeError(QWidget* window, const fret::RuntimeError& error)
{
    QMessageBox box(QMessageBox::Critical, QString::fromLatin1(RuntimeErrorTitle),
        QString::fromStdString(error.message()), QMessageBox::Ok, window);
    box.exec();
}

} // namespace corvane::ui

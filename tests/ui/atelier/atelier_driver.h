#pragma once

// Driving the Atelier's window as a user does: typing, choosing from lists,
// answering its dialogs. Shared by the window's tests.

#include "atelier_window.h"
#include "interface_language.h"
#include "pdf_paper_dialog.h"
#include "translation.h"
#include "workshop_table.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <functional>
#include <memory>

namespace corvane::atelier_driver {

using atelier::AtelierWindow;

// Runs the action, which must open a message box; reads its text and
// closes it with the given button. Fails if no box appeared.
inline QString AnswerMessageBox(
    const std::function<void()>& action, QMessageBox::StandardButton answer = QMessageBox::Ok)
{
    QString text;
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen = true;
        text = box->text();
        QAbstractButton* button = box->button(answer);
        button ? button->click() : box->reject();
    });
    action();
    if (!seen)
        QTest::qFail("no message box appeared", __FILE__, __LINE__);
    return text;
}

// Answers a file dialog with the path and closes it. QFileDialog::
// selectFile leaves the file name box alone while it has the focus, which
// it gets at a moment of its own: the box is filled as a user fills it.
inline void ChooseFile(QFileDialog* dialog, const QString& path)
{
    dialog->selectFile(path);
    if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
        name->setText(path);
    static_cast<QDialog*>(dialog)->accept(); // QFileDialog hides it; the dialog is what closes
}

// Runs the action, which must open a file dialog, and answers it with the
// path. Fails if no file dialog appeared.
inline void AnswerFileDialog(const std::function<void()>& action, const QString& path)
{
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        seen = true;
        ChooseFile(dialog, path);
    });
    action();
    if (!seen)
        QTest::qFail("no file dialog appeared", __FILE__, __LINE__);
}

inline QAction* MenuAction(const QMainWindow& window, const QString& text)
{
    for (QAction* action : window.findChildren<QAction*>())
        if (action->text() == text)
            return action;
    return nullptr;
}

inline void Retype(QLineEdit* field, const QString& text)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

// Chooses a list entry by its text, with the keyboard, as a user would.
inline void Choose(QComboBox* list, const QString& text)
{
    const int index = list->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Home);
    while (list->currentIndex() != index)
        QTest::keyClick(list, Qt::Key_Down);
}

// Answers the paper dialog that follows the choice of a PDF file: picks the
// paper (empty: keeps the one offered) and exports. Returns the paper that
// was offered, or an empty text when no such dialog appeared within a
// second.
inline std::shared_ptr<QString> AnswerPaperDialog(QObject* owner, const QString& label)
{
    auto offered = std::make_shared<QString>();
    auto* poll = new QTimer(owner);
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, offered, label] {
        auto* dialog = qobject_cast<atelier::PdfPaperDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll->stop();
        *offered = dialog->paperField()->currentText();
        if (!label.isEmpty())
            Choose(dialog->paperField(), label);
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    poll->start();
    QTimer::singleShot(1000, poll, &QTimer::stop);
    return offered;
}

// The table cell of a fret (first string) under a column header.
inline QString Cell(const AtelierWindow& window, int fret, const QString& header)
{
    const atelier::WorkshopTable& table = *window.table();
    for (int column = 0; column < table.columnCount(); ++column)
        if (table.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString().startsWith(header))
            for (int row = 0; row < table.rowCount(); ++row)
                if (table.index(row, 0).data().toInt() == fret)
                    return table.index(row, column).data().toString();
    return QStringLiteral("(none)");
}

// The interface in English (as under British settings) until the returned
// guard is dropped; then French again.
[[nodiscard]] inline auto EnglishInterface()
{
    language::InstallInterfaceLanguage(*QCoreApplication::instance(),
        QStringLiteral("corvane-atelier"), QLocale(QLocale::English, QLocale::UnitedKingdom));
    return qScopeGuard([] {
        for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>())
            QCoreApplication::removeTranslator(translator);
        language::LoadTranslations(QStringLiteral("fr"));
    });
}

inline bool LooksInvalid(const QWidget* field)
{
    return field->palette().color(QPalette::Base) != QApplication::palette().color(QPalette::Base);
}

} // namespace corvane::atelier_driver

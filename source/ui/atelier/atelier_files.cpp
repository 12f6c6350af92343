// The window's files: designs opened and saved, the template exported or
// printed, the table written as CSV.

#include "atelier_window.h"

#include "board_drawing.h"
#include "cut_options_box.h"
#include "design_file.h"
#include "design_form.h"
#include "file_names.h"
#include "pdf_paper_dialog.h"
#include "problem_text.h"
#include "radius_gauges.h"
#include "recent_files.h"
#include "slotting_dialog.h"
#include "strings_panel.h"
#include "template_export.h"
#include "translation.h"
#include "whole_file.h"
#include "workshop_table.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QStatusBar>

namespace corvane::atelier {
namespace {

std::filesystem::path FileSystemPath(const QString& path)
{
    return std::filesystem::path(drawing::NativeFileName(path));
}

QString WithExtension(QString path, const QString& extension)
{
    if (QFileInfo(path).suffix().isEmpty())
        path += extension;
    return path;
}

} // namespace

void AtelierWindow::newDesign()
{
    if (!maybeSave())
        return;
    startNewDesign();
}

void AtelierWindow::open()
{
    if (!maybeSave())
        return;
    const QString path = QFileDialog::getOpenFileName(this, tr("Ouvrir un dessin"),
        currentFile_.isEmpty() ? QDir::homePath() : QFileInfo(currentFile_).path(),
        tr("Dessins Corvane (*.corvane);;Tous les fichiers (*)"));
    if (!path.isEmpty())
        openFile(path);
}

void AtelierWindow::openRecent()
{
    const auto* action = qobject_cast<const QAction*>(sender());
    if (!action || !maybeSave())
        return;
    const QString path = action->data().toString();
    std::error_code ignored;
    if (!openFile(path) && !std::filesystem::exists(FileSystemPath(path), ignored)) {
        ForgetRecentFile(path);
        updateRecentFiles();
    }
}

bool AtelierWindow::openFile(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (const auto error = document_.Open(drawing::NativeFileName(absolute))) {
        QMessageBox::warning(this, tr("Corvane Atelier"),
            tr("Impossible d'ouvrir « %1 » :\n%2")
                .arg(QFileInfo(path).fileName(), form_->fileProblemText(*error)));
        return false;
    }
    setCurrentFile(absolute);
    RememberRecentFile(path);
    updateRecentFiles();
    statusBar()->showMessage(tr("Dessin ouvert : %1").arg(QFileInfo(path).fileName()), 3000);
    return true;
}

bool AtelierWindow::refuseInvalidDesign()
{
    if (form_->problem().isEmpty())
        return false;
    QMessageBox::warning(this, tr("Corvane Atelier"),
        tr("Le dessin ne peut pas être enregistré tant qu'un champ est invalide :\n%1")
            .arg(form_->problem()));
    return true;
}

bool AtelierWindow::save()
{
    return currentFile_.isEmpty() ? saveAs() : saveFile(currentFile_);
}

bool AtelierWindow::saveAs()
{
    if (refuseInvalidDesign())
        return false;
    const QString path = QFileDialog::getSaveFileName(this, tr("Enregistrer le dessin"),
        suggestedPath(QStringLiteral(".corvane")), tr("Dessins Corvane (*.corvane)"));
    if (path.isEmpty())
        return false;
    return saveFile(WithExtension(path, QStringLiteral(".corvane")));
}

// Saving over the window's own file after something else changed it
// would lose that change without a word: ask first, as editors do.
bool AtelierWindow::overwriteChangedFile(const QString& path)
{
    if (!document_.ChangedOnDisk(drawing::NativeFileName(QFileInfo(path).absoluteFilePath())))
        return true;
    const auto answer = QMessageBox::warning(this, tr("Corvane Atelier"),
        tr("« %1 » a été modifié sur le disque depuis que cette fenêtre l'a ouvert ou enregistré.\n"
           "L'enregistrer quand même, et remplacer ces modifications ?")
            .arg(QFileInfo(path).fileName()),
        QMessageBox::Save | QMessageBox::Cancel, QMessageBox::Cancel);
    return answer == QMessageBox::Save;
}

bool AtelierWindow::saveFile(const QString& path)
{
    if (refuseInvalidDesign())
        return false;
    if (!overwriteChangedFile(path)) {
        statusBar()->showMessage(tr("Rien n'a été enregistré."), 5000);
        return false;
    }
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (const auto problem = document_.Save(drawing::NativeFileName(absolute))) {
        const QString reason = problem->write ? language::WriteProblemReasonText(*problem->write)
                                              : form_->fileProblemText(*problem->invalid);
        QMessageBox::warning(this, tr("Corvane Atelier"),
            tr("Impossible d'enregistrer « %1 » :\n%2").arg(QFileInfo(path).fileName(), reason));
        statusBar()->showMessage(tr("Rien n'a été enregistré."), 5000);
        return false;
    }
    setCurrentFile(absolute);
    RememberRecentFile(path);
    updateRecentFiles();
    statusBar()->showMessage(tr("Dessin enregistré : %1").arg(QFileInfo(path).fileName()), 3000);
    return true;
}

QString AtelierWindow::suggestedPath(const QString& extension) const
{
    if (currentFile_.isEmpty())
        return QDir::home().filePath(tr("touche") + extension);
    const QFileInfo file(currentFile_);
    return file.dir().filePath(file.completeBaseName() + extension);
}

void AtelierWindow::exportTemplate()
{
    exportDrawing(templateDrawing(),
        QString::fromStdString(drawing::BoardTemplateTitle(document_.layout(),
            QLocale().decimalPoint().toStdString(), language::InterfaceTemplateWords())),
        tr("Exporter le gabarit"), tr("Gabarit exporté : %1"));
}

void AtelierWindow::exportRadiusGauges()
{
    const std::string separator = QLocale().decimalPoint().toStdString();
    const drawing::TemplateWords words = language::InterfaceTemplateWords();
    exportDrawing(drawing::RadiusGauges(document_.layout(), words, separator),
        QString::fromStdString(drawing::RadiusGaugesTitle(document_.layout(), words, separator)),
        tr("Exporter les gabarits de rayon"), tr("Gabarits de rayon exportés : %1"));
}

// A drawing at true size into the file the user names: a PDF in pages on
// the paper they choose, an SVG or a DXF.
void AtelierWindow::exportDrawing(const drawing::Drawing& drawn, const QString& title,
    const QString& dialogTitle, const QString& doneMessage)
{
    const QString pdf = tr("PDF calibré, par pages (*.pdf)");
    const QString svg = tr("SVG en millimètres (*.svg)");
    const QString dxf = tr("DXF (*.dxf)");
    QString filter = pdf;
    QString path
        = QFileDialog::getSaveFileName(this, dialogTitle, suggestedPath(QStringLiteral(".pdf")),
            QStringList { pdf, svg, dxf }.join(QStringLiteral(";;")), &filter);
    if (path.isEmpty())
        return;
    path = WithExtension(path,
        filter == svg       ? QStringLiteral(".svg")
            : filter == dxf ? QStringLiteral(".dxf")
                            : QStringLiteral(".pdf"));
    drawing::ExportOptions options;
    if (QFileInfo(path).suffix().compare(QStringLiteral("pdf"), Qt::CaseInsensitive) == 0) {
        PdfPaperDialog paperDialog(drawn, this);
        if (paperDialog.exec() != QDialog::Accepted)
            return;
        options.paper = paperDialog.paper();
    }
    options.unit = document_.design().unit;
    options.title = title;
    options.words = language::InterfaceTemplateWords();
    options.hairline = document_.design().cut.hairline;
    if (const auto error = drawing::ExportTemplate(drawn, path, options)) {
        QMessageBox::warning(this, tr("Corvane Atelier"),
            tr("Impossible d'exporter « %1 » :\n%2")
                .arg(QFileInfo(path).fileName(), language::ProblemText(*error)));
        statusBar()->showMessage(tr("Rien n'a été exporté."), 5000);
        return;
    }
    statusBar()->showMessage(doneMessage.arg(QFileInfo(path).fileName()), 3000);
}

void AtelierWindow::exportTable()
{
    QString path = QFileDialog::getSaveFileName(this, tr("Exporter le tableau"),
        suggestedPath(QStringLiteral(".csv")), tr("Tableau CSV (*.csv)"));
    if (path.isEmpty())
        return;
    path = WithExtension(path, QStringLiteral(".csv"));
    // The byte order mark tells spreadsheets the text is UTF-8 (note names
    // such as "Ré").
    const QByteArray bytes = QByteArrayLiteral("\xEF\xBB\xBF") + table_->toCsv().toUtf8();
    if (const auto problem = files::WriteWholeFile(drawing::NativeFileName(path),
            std::string_view(bytes.constData(), std::size_t(bytes.size())))) {
        QMessageBox::warning(this, tr("Corvane Atelier"),
            tr("Impossible d'exporter « %1 » :\n%2")
                .arg(QFileInfo(path).fileName(), language::WriteProblemReasonText(*problem)));
        statusBar()->showMessage(tr("Rien n'a été exporté."), 5000);
        return;
    }
    statusBar()->showMessage(tr("Tableau exporté : %1").arg(QFileInfo(path).fileName()), 3000);
}

void AtelierWindow::exportSlottingProgram()
{
    SlottingDialog dialog(document_.layout(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The router's values belong to the design: saved with it.
    const board::RouterValues router = dialog.values();
    document_.Edit([&](board::Design& design) { design.router = router; });
    QString path = QFileDialog::getSaveFileName(this, tr("Exporter le programme de rainurage"),
        suggestedPath(QStringLiteral(".nc")), tr("Programme G-code (*.nc *.gcode)"));
    if (path.isEmpty())
        return;
    path = WithExtension(path, QStringLiteral(".nc"));
    const auto programs
        = drawing::SlottingPrograms(document_.layout(), document_.layout().temperament.name);
    const auto refused = [&](const QString& name, const QString& reason) {
        QMessageBox::warning(this, tr("Corvane Atelier"),
            tr("Impossible d'exporter « %1 » :\n%2").arg(name, reason));
        statusBar()->showMessage(tr("Rien n'a été exporté."), 5000);
    };
    if (const auto* problem = std::get_if<board::DesignError>(&programs)) {
        refused(QFileInfo(path).fileName(),
            language::ProblemText(problem->problem, language::FieldSubjectText(problem->field)));
        return;
    }
    // A board longer than the router's travel: one file per part, NAME-1.nc…
    const auto& texts = std::get<std::vector<std::string>>(programs);
    for (std::size_t k = 0; k < texts.size(); ++k) {
        const QString part = texts.size() == 1
            ? path
            : QString::fromStdString(drawing::PartFileName(path.toStdString(), k + 1));
        if (const auto problem = files::WriteWholeFile(drawing::NativeFileName(part), texts[k])) {
            refused(QFileInfo(part).fileName(), language::WriteProblemReasonText(*problem));
            return;
        }
    }
    statusBar()->showMessage(texts.size() == 1
            ? tr("Programme exporté : %1").arg(QFileInfo(path).fileName())
            : tr("Programme exporté en %n parties : %1", nullptr, static_cast<int>(texts.size()))
                  .arg(QFileInfo(drawing::PartFileName(path.toStdString(), 1).c_str()).fileName()),
        3000);
}

void AtelierWindow::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(currentFile_.isEmpty() ? tr("Gabarit de touche")
                                              : QFileInfo(currentFile_).completeBaseName());
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Imprimer le gabarit"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (const auto error
        = drawing::PrintTemplate(templateDrawing(), printer, language::InterfaceTemplateWords())) {
        QMessageBox::warning(this, tr("Corvane Atelier"), language::ProblemText(*error));
        return;
    }
    statusBar()->showMessage(tr("Gabarit envoyé à l'impression"), 3000);
}

} // namespace corvane::atelier

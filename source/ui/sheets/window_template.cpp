#include "window_template.h"

#include "sheets.h"
#include "template_export.h"
#include "template_options.h"

#include "phrase.h"
#include "words.h"

#include "classic_positions.h"
#include "fret_slots.h"
#include "number_text.h"
#include "read_number.h"
#include "regional_numbers.h"
#include "runtime_error.h"
#include "scale_catalogue.h"

#include <QDate>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvane::ui {

namespace {

std::string Utf8(const QString& text)
{
    return text.toStdString();
}

QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString SlotControl(int number)
{
    return QStringLiteral("Text%1").arg(number);
}

// The length as the engine stores it, read from the text the positions came
// from by the same steps as the length box: "650 mm" is 650.
std::optional<std::string> EngineLengthText(
    const std::string& lengthText, const std::string& separator, QString& error)
{
    try {
        return fret::CurrencyText(
            fret::ClassicLength(lengthText, fret::DecimalInputFor(separator)), separator);
    } catch (const fret::RuntimeError& failure) {
        error = QStringLiteral("La longueur « %1 » est hors limites : %2")
                    .arg(FromUtf8(lengthText), FromUtf8(failure.message()));
        return std::nullopt;
    }
}

// The separator the main window writes its positions with, and reads.
std::string DecimalSeparator()
{
    return regional::DecimalSeparator();
}

} // namespace

drawing::TemplateWords ClassicTemplateWords()
{
    return language::TemplateWordsIn(language::Language::French);
}

QString ClassicProblemText(const board::Problem& problem)
{
    // Lengths in metres on a French sheet take the decimal comma.
    return FromUtf8(
        language::Phrase(problem, { language::Language::French, board::Unit::Millimetre, "," }));
}

WindowTemplateTexts SnapshotTemplateTexts(const SheetSource& source)
{
    WindowTemplateTexts texts;
    drawing::ClassicTemplateRequest& request = texts.request;
    request.decimalSeparator = DecimalSeparator();
    request.scaleText = Utf8(source.sourceText(QStringLiteral("Combo1")));
    const fret::ScaleChoice* scale = fret::FindScaleChoice(request.scaleText);
    if (scale == nullptr) {
        texts.error = ClassicProblemText({ board::ProblemKind::NoScaleChosen, {}, {} });
        return texts;
    }
    const QString mode = source.sourceText(QStringLiteral("Combo2"));
    request.modeText = mode == QLatin1String(" Sol") ? "Sol"
        : mode == QLatin1String(" Do")               ? "Do"
                                                     : "";

    QString lengthError;
    const auto length = EngineLengthText(
        Utf8(source.sourceText(QStringLiteral("Longvib"))), request.decimalSeparator, lengthError);
    if (!length) {
        texts.error = lengthError;
        return texts;
    }
    request.lengthText = *length;

    const bool diatonic = scale->kind == fret::DiatonicScaleKind;
    for (fret::FretSlot slot = 1; slot <= fret::SlotCount; ++slot) {
        const int fretNumber = fret::PlayerFretNumber(diatonic, slot);
        if (fretNumber == 0)
            continue;
        request.frets.push_back(
            drawing::ClassicFret { fretNumber, Utf8(source.sourceText(SlotControl(slot))),
                request.modeText.empty()
                    ? std::string()
                    : Utf8(source.sourceText(SlotControl(slot + fret::SlotCount))) });
    }
    return texts;
}

WindowTemplate BuildWindowTemplate(const WindowTemplateTexts& texts, const TemplateChoice& choice)
{
    WindowTemplate result;
    if (texts.error) {
        result.error = texts.error;
        return result;
    }
    drawing::ClassicTemplateRequest request = texts.request;
    request.unit = choice.unit;
    request.boardWidth = choice.boardWidth;
    request.date = Utf8(QDate::currentDate().toString(Qt::ISODate));
    request.words = ClassicTemplateWords();
    drawing::ClassicTemplate built = drawing::BuildClassicTemplate(request);
    if (!built.drawing) {
        result.error = ClassicProblemText(*built.error);
        return result;
    }
    result.drawing = std::move(built.drawing);
    result.title = FromUtf8(drawing::ClassicTemplateTitle(request));
    return result;
}

void SaveTemplateInteractively(QWidget* parent, const WindowTemplateTexts& texts)
{
    const QString caption = QStringLiteral("Enregistrer le gabarit");
    if (texts.error) {
        QMessageBox::warning(parent, caption, *texts.error);
        return;
    }

    QDialog optionsDialog(parent);
    optionsDialog.setObjectName(QStringLiteral("TemplateSaveOptions"));
    optionsDialog.setWindowTitle(caption);
    auto* layout = new QVBoxLayout(&optionsDialog);
    auto* options = new TemplateOptionsWidget(TemplateOptionsWidget::Use::Saving, &optionsDialog);
    layout->addWidget(options);
    auto* buttons
        = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &optionsDialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Enregistrer…"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &optionsDialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &optionsDialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (optionsDialog.exec() != QDialog::Accepted)
        return;
    const TemplateChoice choice = options->choice();

    // Refused before asking for a file: nothing to choose a name for.
    const WindowTemplate made = BuildWindowTemplate(texts, choice);
    if (!made.drawing) {
        QMessageBox::warning(parent, caption, *made.error);
        return;
    }

    const QString pdf = QStringLiteral("PDF, à imprimer (*.pdf)");
    const QString svg = QStringLiteral("SVG, pour la découpe laser (*.svg)");
    const QString dxf = QStringLiteral("DXF, pour la CAO et la CNC (*.dxf)");
    QFileDialog fileDialog(parent, caption);
    fileDialog.setObjectName(QStringLiteral("TemplateFileDialog"));
    fileDialog.setAcceptMode(QFileDialog::AcceptSave);
    fileDialog.setFileMode(QFileDialog::AnyFile);
    fileDialog.setNameFilters({ pdf, svg, dxf });
    fileDialog.setDefaultSuffix(QStringLiteral("pdf"));
    fileDialog.selectFile(made.title + QStringLiteral(".pdf"));
    QObject::connect(
        &fileDialog, &QFileDialog::filterSelected, &fileDialog, [&](const QString& filter) {
            const QString suffix = filter == svg ? QStringLiteral("svg")
                : filter == dxf                  ? QStringLiteral("dxf")
                                                 : QStringLiteral("pdf");
            fileDialog.setDefaultSuffix(suffix);
            // The proposed name follows the chosen format.
            const QFileInfo proposed(fileDialog.selectedFiles().value(0));
            if (!proposed.completeBaseName().isEmpty())
                fileDialog.selectFile(proposed.completeBaseName() + QLatin1Char('.') + suffix);
        });
    if (fileDialog.exec() != QDialog::Accepted || fileDialog.selectedFiles().isEmpty())
        return;
    QString path = fileDialog.selectedFiles().constFirst();
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("pdf") && suffix != QLatin1String("svg")
        && suffix != QLatin1String("dxf"))
        path += QLatin1Char('.') + fileDialog.defaultSuffix();

    const drawing::ExportOptions exportOptions { choice.paper, choice.unit, made.title,
        ClassicTemplateWords(), false };
    if (const auto error = drawing::ExportTemplate(*made.drawing, path, exportOptions))
        QMessageBox::warning(parent, caption, ClassicProblemText(*error));
}

} // namespace corvane::ui

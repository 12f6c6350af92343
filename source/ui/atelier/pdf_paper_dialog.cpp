#include "pdf_paper_dialog.h"

#include "problem_text.h"

#include "recent_files.h"
#include "template_export.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

namespace corvane::atelier {
namespace {

struct PaperChoice {
    const char* name; // as PaperFromName and the settings know it
    const char* label;
};
constexpr PaperChoice Papers[] = {
    { "a4", QT_TRANSLATE_NOOP("corvane::atelier::PdfPaperDialog", "A4 (210 × 297 mm)") },
    { "letter", QT_TRANSLATE_NOOP("corvane::atelier::PdfPaperDialog", "Letter (8 ½ × 11 in)") },
    { "a3", QT_TRANSLATE_NOOP("corvane::atelier::PdfPaperDialog", "A3 (297 × 420 mm)") },
    { "legal", QT_TRANSLATE_NOOP("corvane::atelier::PdfPaperDialog", "Legal (8 ½ × 14 in)") },
};

QString RegionalPaperName()
{
    const QLocale region = QLocale::system();
    const bool letter = region.measurementSystem() == QLocale::ImperialUSSystem
        || region.territory() == QLocale::Canada || region.territory() == QLocale::Mexico;
    return QString::fromLatin1(letter ? "letter" : "a4");
}

} // namespace

PdfPaperDialog::PdfPaperDialog(const drawing::Drawing& board, QWidget* parent)
    : QDialog(parent)
    , board_(board)
    , paperList_(new QComboBox)
    , pageCount_(new QLabel)
{
    setObjectName(QStringLiteral("PdfPaperDialog"));
    setWindowTitle(tr("Exporter en PDF"));
    for (const PaperChoice& choice : Papers)
        paperList_->addItem(tr(choice.label), QString::fromLatin1(choice.name));
    paperList_->setAccessibleName(tr("Papier"));
    const QString remembered = LastPaperName();
    const int index = paperList_->findData(remembered.isEmpty() ? RegionalPaperName() : remembered);
    paperList_->setCurrentIndex(index < 0 ? 0 : index);

    auto* form = new QFormLayout(this);
    form->addRow(tr("&Papier :"), paperList_);
    form->addRow(QString(), pageCount_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("E&xporter"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(paperList_, &QComboBox::currentIndexChanged, this, &PdfPaperDialog::showPageCount);
    showPageCount();
}

QString PdfPaperDialog::paperName() const
{
    return paperList_->currentData().toString();
}

drawing::Paper PdfPaperDialog::paper() const
{
    return drawing::PaperFromName(paperName().toStdString()).value_or(drawing::Paper {});
}

void PdfPaperDialog::accept()
{
    RememberPaperName(paperName());
    QDialog::accept();
}

void PdfPaperDialog::showPageCount()
{
    // The pages as the export will lay them out, turned or not.
    const drawing::Pagination pagination = drawing::Paginate(board_, paper());
    if (pagination.error)
        pageCount_->setText(language::ProblemText(*pagination.error));
    else if (pagination.pages.size() == 1)
        pageCount_->setText(tr("Le gabarit tient sur une page."));
    else
        pageCount_->setText(tr("Le gabarit tient sur %1 pages.").arg(pagination.pages.size()));
}

} // namespace corvane::atelier

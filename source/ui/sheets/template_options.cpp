#include "template_options.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

namespace corvane::ui {

namespace {

constexpr drawing::Unit Units[]
    = { drawing::Unit::Millimetre, drawing::Unit::Centimetre, drawing::Unit::Inch };
constexpr const char* UnitNames[] = { "millimètres (mm)", "centimètres (cm)", "pouces (in)" };
constexpr const char* PaperNames[] = { "a4", "letter", "a3", "legal" };
constexpr const char* PaperLabels[] = { "A4", "Letter", "A3", "Legal" };

// Widths from 5 mm to 1 m, whatever the unit shows.
constexpr double SmallestWidthMm = 5;
constexpr double WidestWidthMm = 1000;

} // namespace

TemplateOptionsWidget::TemplateOptionsWidget(Use use, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("TemplateOptions"));
    setWindowTitle(QStringLiteral("Gabarit"));
    auto* layout = new QVBoxLayout(this);
    if (use == Use::Printing) {
        printBox_
            = new QCheckBox(QStringLiteral("Imprimer aussi le gabarit grandeur nature"), this);
        printBox_->setObjectName(QStringLiteral("PrintTemplate"));
        layout->addWidget(printBox_);
    }
    auto* form = new QFormLayout;
    unitList_ = new QComboBox(this);
    unitList_->setObjectName(QStringLiteral("TemplateUnit"));
    for (const char* name : UnitNames)
        unitList_->addItem(QString::fromUtf8(name));
    form->addRow(QStringLiteral("Unité de la longueur :"), unitList_);

    widthBox_ = new QDoubleSpinBox(this);
    widthBox_->setObjectName(QStringLiteral("TemplateBoardWidth"));
    widthBox_->setDecimals(2);
    widthBox_->setRange(SmallestWidthMm, WidestWidthMm);
    widthBox_->setValue(drawing::DefaultBoardWidth(drawing::Unit::Millimetre));
    widthBox_->setSuffix(QStringLiteral(" mm"));
    form->addRow(QStringLiteral("Largeur de la touche :"), widthBox_);

    if (use == Use::Saving) {
        paperList_ = new QComboBox(this);
        paperList_->setObjectName(QStringLiteral("TemplatePaper"));
        for (const char* label : PaperLabels)
            paperList_->addItem(QString::fromLatin1(label));
        // Letter where the regional settings use it, A4 elsewhere.
        const auto country = QLocale::system().territory();
        if (country == QLocale::UnitedStates || country == QLocale::Canada)
            paperList_->setCurrentIndex(1);
        form->addRow(QStringLiteral("Papier du PDF :"), paperList_);
    }
    layout->addLayout(form);
    auto* note = new QLabel(
        QStringLiteral("La longueur est lue dans l'unité choisie : une unité est dessinée "
                       "1 mm, 10 mm ou 25,4 mm. Chaque page porte une règle de contrôle."),
        this);
    note->setWordWrap(true);
    layout->addWidget(note);
    layout->addStretch();

    if (printBox_ != nullptr) {
        const auto enable = [this] {
            unitList_->setEnabled(printBox_->isChecked());
            widthBox_->setEnabled(printBox_->isChecked());
        };
        connect(printBox_, &QCheckBox::toggled, this, enable);
        enable();
    }
    connect(unitList_, &QComboBox::currentIndexChanged, this, &TemplateOptionsWidget::unitChanged);
}

void TemplateOptionsWidget::unitChanged()
{
    // The width keeps its size on the board: 60 mm becomes 6 cm.
    const drawing::Unit unit = Units[std::max(0, unitList_->currentIndex())];
    const double widthMm = widthBox_->value() * drawing::MillimetresPer(shownUnit_);
    const double perUnit = drawing::MillimetresPer(unit);
    // A hundredth of a millimetre in every unit.
    widthBox_->setDecimals(unit == drawing::Unit::Millimetre ? 2
            : unit == drawing::Unit::Centimetre              ? 3
                                                             : 4);
    widthBox_->setRange(SmallestWidthMm / perUnit, WidestWidthMm / perUnit);
    widthBox_->setSuffix(QStringLiteral(" ")
        + QString::fromLatin1(
            drawing::UnitSymbol(unit).data(), qsizetype(drawing::UnitSymbol(unit).size())));
    widthBox_->setValue(widthMm / perUnit);
    shownUnit_ = unit;
}

bool TemplateOptionsWidget::printTemplate() const
{
    return printBox_ != nullptr && printBox_->isChecked();
}

TemplateChoice TemplateOptionsWidget::choice() const
{
    TemplateChoice choice;
    choice.unit = shownUnit_;
    choice.boardWidth = widthBox_->value();
    if (paperList_ != nullptr)
        choice.paper = *drawing::PaperFromName(PaperNames[std::max(0, paperList_->currentIndex())]);
    return choice;
}

} // namespace corvane::ui

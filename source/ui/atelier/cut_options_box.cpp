#include "cut_options_box.h"

#include "field_marks.h"
#include "fields.h"
#include "length_text.h"
#include "problem_text.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QSettings>

namespace corvane::atelier {

namespace {

QSettings Settings()
{
    return QSettings(QStringLiteral("Corvane"), QStringLiteral("Atelier"));
}

// The cut options' lengths, each with its field in the engine's table.
struct CutLength {
    const char* key;
    QLineEdit* CutOptionsBox::*edit;
};

} // namespace

board::CutOptions CutOptionsBox::Remembered()
{
    QSettings settings = Settings();
    board::CutOptions cut;
    cut.slotWidthMm = settings.value(QStringLiteral("cut/slot_width"), cut.slotWidthMm).toDouble();
    cut.extendFretsMm
        = settings.value(QStringLiteral("cut/extend_frets"), cut.extendFretsMm).toDouble();
    cut.markerDiameterMm
        = settings.value(QStringLiteral("cut/marker_diameter"), cut.markerDiameterMm).toDouble();
    cut.markers = settings.value(QStringLiteral("cut/markers"), cut.markers).toBool();
    cut.hairline = settings.value(QStringLiteral("cut/hairline"), cut.hairline).toBool();
    // Remembered values are used only where the engine takes them.
    board::Design checked;
    checked.cut = cut;
    return board::FieldRangesProblem(checked) ? board::CutOptions {} : cut;
}

CutOptionsBox::CutOptionsBox(board::DesignDocument& document, QWidget* parent)
    : QGroupBox(tr("Découpe (laser, CNC)"), parent)
    , document_(document)
{
    auto* form = new QFormLayout(this);
    const auto length = [&](const QString& label, const QString& name) {
        auto* edit = new QLineEdit;
        edit->setAccessibleName(name);
        form->addRow(label, edit);
        connect(edit, &QLineEdit::textEdited, this, &CutOptionsBox::read);
        return edit;
    };
    slotWidth_ = length(tr("Lar&geur des fentes (0 : aucune) :"), tr("Largeur des fentes"));
    extend_ = length(tr("Pr&olonger les frettes de :"), tr("Prolongement des frettes"));
    markers_ = new QCheckBox(tr("Re&pères de touche"));
    form->addRow(markers_);
    markerDiameter_ = length(tr("Dia&mètre des repères :"), tr("Diamètre des repères"));
    hairline_ = new QCheckBox(tr("Traits fi&ns dans le SVG (0,025 mm)"));
    form->addRow(hairline_);
    // A bound board's slots stop short of its edges in the drawing as in
    // the slotting program: one value for both.
    bindingMargin_ = length(tr("Marge des fi&lets (0 : traversantes) :"), tr("Marge des filets"));
    connect(markers_, &QCheckBox::toggled, this, &CutOptionsBox::read);
    connect(hairline_, &QCheckBox::toggled, this, &CutOptionsBox::read);
    showDocument();
    document_.Subscribe([this](board::DesignDocument::Change change) {
        if (change == board::DesignDocument::Change::Replaced || document_.design().unit != unit_)
            showDocument();
    });
}

void CutOptionsBox::showDocument()
{
    filling_ = true;
    const board::CutOptions& cut = document_.design().cut;
    unit_ = document_.design().unit;
    slotWidth_->setText(LengthText(cut.slotWidthMm, unit_));
    extend_->setText(LengthText(cut.extendFretsMm, unit_));
    markerDiameter_->setText(LengthText(cut.markerDiameterMm, unit_));
    bindingMargin_->setText(LengthText(document_.design().router.bindingMarginMm, unit_));
    markers_->setChecked(cut.markers);
    hairline_->setChecked(cut.hairline);
    for (QLineEdit* edit : { slotWidth_, extend_, markerDiameter_, bindingMargin_ })
        MarkField(edit, {});
    filling_ = false;
}

// A field that cannot be read, or holds a value the engine refuses, turns
// red with the reason and keeps its last value, as the form's fields do.
void CutOptionsBox::read()
{
    if (filling_)
        return;
    board::Design next = document_.design();
    const CutLength lengths[] = { { "cut.slot_width", &CutOptionsBox::slotWidth_ },
        { "cut.extend_frets", &CutOptionsBox::extend_ },
        { "cut.marker_diameter", &CutOptionsBox::markerDiameter_ },
        { "router.binding_margin", &CutOptionsBox::bindingMargin_ } };
    for (const auto& [key, member] : lengths) {
        QLineEdit* edit = this->*member;
        const board::NumberField& field = *board::FindNumberField(key);
        const auto read = ReadLength(edit->text(), unit_,
            field.style == board::RangeStyle::ZeroOrBetween ? LengthKind::ZeroOrMore
                                                            : LengthKind::Positive);
        std::optional<board::Problem> problem = read.problem;
        if (read.value)
            problem = board::RangeProblem(field, *read.value);
        MarkField(edit,
            problem ? language::ProblemText(*problem, edit->accessibleName(), unit_) : QString());
        if (!problem)
            field.set(next, *read.value);
    }
    next.cut.markers = markers_->isChecked();
    next.cut.hairline = hairline_->isChecked();
    if (!document_.Propose(next))
        return;
    QSettings settings = Settings();
    settings.setValue(QStringLiteral("cut/slot_width"), next.cut.slotWidthMm);
    settings.setValue(QStringLiteral("cut/extend_frets"), next.cut.extendFretsMm);
    settings.setValue(QStringLiteral("cut/marker_diameter"), next.cut.markerDiameterMm);
    settings.setValue(QStringLiteral("cut/markers"), next.cut.markers);
    settings.setValue(QStringLiteral("cut/hairline"), next.cut.hairline);
    // Where the slotting dialog keeps it: the next design starts with it.
    settings.setValue(QStringLiteral("slotting/binding_margin"), next.router.bindingMarginMm);
}

} // namespace corvane::atelier

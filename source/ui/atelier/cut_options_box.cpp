#include "cut_options_box.h"

#include "field_marks.h"
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

} // namespace

CutOptionsBox::CutOptionsBox(QWidget* parent)
    : QGroupBox(tr("Découpe (laser, CNC)"), parent)
{
    QSettings settings = Settings();
    slotWidthMm_ = settings.value(QStringLiteral("cut/slot_width"), 0.0).toDouble();
    extendMm_ = settings.value(QStringLiteral("cut/extend_frets"), 0.0).toDouble();
    markerDiameterMm_ = settings.value(QStringLiteral("cut/marker_diameter"), 6.0).toDouble();
    auto* form = new QFormLayout(this);
    const auto length = [&](const QString& label, const QString& name, double mm) {
        auto* edit = new QLineEdit(LengthText(mm, unit_));
        edit->setAccessibleName(name);
        form->addRow(label, edit);
        connect(edit, &QLineEdit::textEdited, this, &CutOptionsBox::read);
        return edit;
    };
    slotWidth_
        = length(tr("Largeur des &fentes (0 : aucune) :"), tr("Largeur des fentes"), slotWidthMm_);
    extend_ = length(tr("Prolonger les frettes &de :"), tr("Prolongement des frettes"), extendMm_);
    markers_ = new QCheckBox(tr("&Repères de touche"));
    markers_->setChecked(settings.value(QStringLiteral("cut/markers"), false).toBool());
    form->addRow(markers_);
    markerDiameter_
        = length(tr("Diamètre des &repères :"), tr("Diamètre des repères"), markerDiameterMm_);
    hairline_ = new QCheckBox(tr("Traits &fins dans le SVG (0,025 mm)"));
    hairline_->setChecked(settings.value(QStringLiteral("cut/hairline"), false).toBool());
    form->addRow(hairline_);
    connect(markers_, &QCheckBox::toggled, this, &CutOptionsBox::read);
    connect(hairline_, &QCheckBox::toggled, this, &CutOptionsBox::read);
}

void CutOptionsBox::setUnit(board::Unit unit)
{
    if (unit == unit_)
        return;
    unit_ = unit;
    slotWidth_->setText(LengthText(slotWidthMm_, unit_));
    extend_->setText(LengthText(extendMm_, unit_));
    markerDiameter_->setText(LengthText(markerDiameterMm_, unit_));
}

// A field that cannot be read, or holds a value the engine refuses, turns
// red with the reason and keeps its last value, as the form's fields do.
void CutOptionsBox::read()
{
    const auto take = [&](QLineEdit* edit, double& target, LengthKind kind, const char* field) {
        auto read = ReadLength(edit->text(), unit_, kind);
        QString problem = read.value ? QString() : language::ProblemText(read.problem);
        if (read.value) {
            drawing::BoardDrawingOptions candidate = applied({});
            (field == std::string_view("slot_width")            ? candidate.slotWidthMm
                    : field == std::string_view("extend_frets") ? candidate.extendFretsMm
                                                                : candidate.markerDiameterMm)
                = *read.value;
            if (const auto refused = drawing::CutOptionsProblem(candidate, unit_))
                problem = language::ProblemText(refused->problem, edit->accessibleName());
        }
        MarkField(edit, problem);
        if (problem.isEmpty())
            target = *read.value;
    };
    take(slotWidth_, slotWidthMm_, LengthKind::ZeroOrMore, "slot_width");
    take(extend_, extendMm_, LengthKind::ZeroOrMore, "extend_frets");
    take(markerDiameter_, markerDiameterMm_, LengthKind::Positive, "marker_diameter");
    QSettings settings = Settings();
    settings.setValue(QStringLiteral("cut/slot_width"), slotWidthMm_);
    settings.setValue(QStringLiteral("cut/extend_frets"), extendMm_);
    settings.setValue(QStringLiteral("cut/marker_diameter"), markerDiameterMm_);
    settings.setValue(QStringLiteral("cut/markers"), markers_->isChecked());
    settings.setValue(QStringLiteral("cut/hairline"), hairline_->isChecked());
    emit changed();
}

drawing::BoardDrawingOptions CutOptionsBox::applied(drawing::BoardDrawingOptions options) const
{
    options.slotWidthMm = slotWidthMm_;
    options.extendFretsMm = extendMm_;
    options.markers = markers_->isChecked();
    options.markerDiameterMm = markerDiameterMm_;
    return options;
}

bool CutOptionsBox::hairline() const
{
    return hairline_->isChecked();
}

} // namespace corvane::atelier

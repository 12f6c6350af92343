#include "slotting_dialog.h"

#include "board_drawing.h"
#include "board_view.h"
#include "fields.h"
#include "length_text.h"
#include "problem_text.h"
#include "translation.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>
#include <QVBoxLayout>

namespace corvane::atelier {

namespace {

QSettings Settings()
{
    return QSettings(QStringLiteral("Corvane"), QStringLiteral("Atelier"));
}

QString SettingKey(std::string_view key)
{
    return QStringLiteral("slotting/%1").arg(QString::fromUtf8(key.data(), qsizetype(key.size())));
}

} // namespace

board::RouterValues SlottingDialog::Remembered()
{
    QSettings settings = Settings();
    board::Design remembered;
    for (const board::NumberField& field : board::NumberFields())
        if (field.key.starts_with("router."))
            field.set(remembered,
                settings.value(SettingKey(field.key.substr(7)), field.get(remembered)).toDouble());
    remembered.router.origin = static_cast<board::RouterOrigin>(
        settings.value(SettingKey("origin"), 0).toInt() == 1 ? 1 : 0);
    // Values a router cannot use are not offered again.
    return board::FieldRangesProblem(remembered) ? board::RouterValues {} : remembered.router;
}

SlottingDialog::SlottingDialog(const board::BoardLayout& board, QWidget* parent)
    : QDialog(parent)
    , board_(board)
{
    setWindowTitle(tr("Programme de rainurage"));
    auto* form = new QFormLayout;
    const board::Unit unit = board.design.unit;
    const QString perMinute = tr("%1/min").arg(QString::fromUtf8(board::UnitSymbol(unit).data()));
    // The router's values, each a field of the engine's table.
    const struct {
        const char* key;
        QString label;
    } rows[] = {
        { "router.tool_diameter", tr("&Diamètre de la fraise :") },
        { "router.slot_depth", tr("&Profondeur des fentes :") },
        { "router.pass_depth", tr("Profondeur par &passe :") },
        { "router.feed", tr("&Avance (%1) :").arg(perMinute) },
        { "router.plunge_feed", tr("Avance en p&longée (%1) :").arg(perMinute) },
        { "router.safe_z", tr("Hauteur de &dégagement :") },
        { "router.binding_margin", tr("&Marge des filets (0 : traversantes) :") },
        { "router.bed_length", tr("Course en &X (0 : toute la touche) :") },
    };
    values_.router = board.design.router;
    for (const auto& row : rows) {
        const board::NumberField* field = board::FindNumberField(row.key);
        auto* edit = new QLineEdit(LengthText(field->get(values_), unit));
        edit->setAccessibleName(
            QString(row.label).remove(QLatin1Char('&')).remove(QStringLiteral(" :")));
        form->addRow(row.label, edit);
        fields_.push_back({ field, edit });
        connect(edit, &QLineEdit::textEdited, this, &SlottingDialog::showPreview);
    }
    origin_ = new QComboBox;
    origin_->addItem(tr("Milieu du sillet"), static_cast<int>(board::RouterOrigin::NutCentre));
    origin_->addItem(
        tr("Sillet, côté graves"), static_cast<int>(board::RouterOrigin::NutBassCorner));
    origin_->setCurrentIndex(origin_->findData(static_cast<int>(values_.router.origin)));
    form->addRow(tr("&Origine :"), origin_);
    followRadius_ = new QCheckBox(tr("Fentes sous la touche bom&bée"));
    followRadius_->setAccessibleName(
        tr("Fentes à leur profondeur sous la surface bombée, pour une touche déjà bombée"));
    followRadius_->setEnabled(board.design.IsRadiused());
    followRadius_->setChecked(board.design.IsRadiused() && values_.router.followRadius);
    form->addRow(followRadius_);

    preview_ = new BoardView;
    preview_->setMinimumSize(480, 220);
    preview_->setAccessibleName(tr("Trajet de la fraise"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &SlottingDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &SlottingDialog::reject);

    auto* columns = new QHBoxLayout;
    columns->addLayout(form);
    columns->addWidget(preview_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);
    showPreview();
}

QLineEdit* SlottingDialog::field(std::string_view key) const
{
    for (const Field& f : fields_)
        if (f.field->key == key || f.field->key.substr(std::string_view("router.").size()) == key)
            return f.edit;
    return nullptr;
}

bool SlottingDialog::readFields(QString* problem)
{
    for (const Field& f : fields_) {
        // Every value is needed: an emptied field is not zero.
        const auto read = f.edit->text().trimmed().isEmpty()
            ? board::Parsed<double>::Failure({ board::ProblemKind::LengthEmpty, {}, {} })
            : board::ParseDistance(
                f.edit->text().toStdString(), board_.design.unit, board::LengthKind::Signed);
        if (!read.value) {
            if (problem)
                *problem = tr("%1 : %2").arg(
                    f.edit->accessibleName(), language::ProblemText(read.problem));
            return false;
        }
        f.field->set(values_, *read.value);
    }
    values_.router.origin = static_cast<board::RouterOrigin>(origin_->currentData().toInt());
    values_.router.followRadius = followRadius_->isChecked();
    return true;
}

// The board and, over it, each slot's path as the program cuts it.
void SlottingDialog::showPreview()
{
    readFields(nullptr);
    drawing::BoardDrawingOptions options;
    options.labels = false;
    options.titleBlock = false;
    drawing::Drawing drawing = drawing::BoardDrawing(board_, options);
    // The tool's paths stand where the frets are: drawn in their place, at
    // least 3 mm wide so that they show when the whole board fits the view.
    std::erase_if(drawing.lines,
        [](const drawing::Line& line) { return line.layer == drawing::Layer::Frets; });
    // The drawing's board starts at its margin: the nut's middle is its datum.
    const board::Point nut { (board_.nut.from.x + board_.nut.to.x) / 2,
        (board_.nut.from.y + board_.nut.to.y) / 2 };
    // The paths depend on the cutter and the margin only: a depth or a feed
    // being typed leaves them drawn.
    board::RouterValues geometry;
    geometry.toolDiameterMm = values_.router.toolDiameterMm;
    geometry.bindingMarginMm = values_.router.bindingMarginMm;
    const bool usable = !drawing::SlottingProblem(board_, geometry);
    for (const board::Segment& path :
        usable ? drawing::SlotPaths(board_, values_.router) : std::vector<board::Segment>())
        drawing.lines.push_back(
            { { drawing.datum.x + path.from.x - nut.x, drawing.datum.y + path.from.y - nut.y },
                { drawing.datum.x + path.to.x - nut.x, drawing.datum.y + path.to.y - nut.y },
                drawing::Layer::Slots, std::max(values_.router.toolDiameterMm, 3.0), false });
    preview_->setDrawing(std::move(drawing));
}

QString SlottingDialog::refusalText(const board::DesignError& refused) const
{
    const QLineEdit* edit = field(refused.field.c_str());
    return language::ProblemText(
        refused.problem, edit ? edit->accessibleName() : language::FieldSubjectText(refused.field));
}

void SlottingDialog::accept()
{
    QString problem;
    if (readFields(&problem)) {
        if (const auto refused = drawing::SlottingProblem(board_, values_.router))
            problem = refusalText(*refused);
    }
    if (!problem.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), problem);
        return;
    }
    // Remembered for the next new design.
    QSettings settings = Settings();
    for (const Field& f : fields_)
        settings.setValue(SettingKey(f.field->key.substr(7)), f.field->get(values_));
    settings.setValue(SettingKey("origin"), static_cast<int>(values_.router.origin));
    QDialog::accept();
}

} // namespace corvane::atelier

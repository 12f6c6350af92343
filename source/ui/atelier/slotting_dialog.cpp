#include "slotting_dialog.h"

#include "board_drawing.h"
#include "board_view.h"
#include "length_text.h"
#include "problem_text.h"
#include "translation.h"

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

QString SettingKey(const char* key)
{
    return QStringLiteral("slotting/%1").arg(QLatin1String(key));
}

} // namespace

SlottingDialog::SlottingDialog(const board::BoardLayout& board, QWidget* parent)
    : QDialog(parent)
    , board_(board)
{
    setWindowTitle(tr("Programme de rainurage"));
    auto* form = new QFormLayout;
    const board::Unit unit = board.design.unit;
    const QString perMinute = tr("%1/min").arg(QString::fromUtf8(board::UnitSymbol(unit).data()));
    const struct {
        const char* key;
        QString label;
        double drawing::SlottingParameters::*member;
    } rows[] = {
        { "tool_diameter", tr("&Diamètre de la fraise :"),
            &drawing::SlottingParameters::toolDiameterMm },
        { "slot_depth", tr("&Profondeur des fentes :"), &drawing::SlottingParameters::slotDepthMm },
        { "pass_depth", tr("Profondeur par &passe :"), &drawing::SlottingParameters::passDepthMm },
        { "feed", tr("&Avance (%1) :").arg(perMinute),
            &drawing::SlottingParameters::feedMmPerMinute },
        { "plunge_feed", tr("Avance en p&longée (%1) :").arg(perMinute),
            &drawing::SlottingParameters::plungeFeedMmPerMinute },
        { "safe_z", tr("Hauteur de &dégagement :"), &drawing::SlottingParameters::safeZMm },
        { "binding_margin", tr("&Marge des filets (0 : traversantes) :"),
            &drawing::SlottingParameters::bindingMarginMm },
    };
    QSettings settings = Settings();
    for (const auto& row : rows) {
        parameters_.*row.member
            = settings.value(SettingKey(row.key), parameters_.*row.member).toDouble();
        auto* edit = new QLineEdit(LengthText(parameters_.*row.member, unit));
        edit->setAccessibleName(
            QString(row.label).remove(QLatin1Char('&')).remove(QStringLiteral(" :")));
        form->addRow(row.label, edit);
        fields_.push_back({ row.key, edit, row.member });
        connect(edit, &QLineEdit::textEdited, this, &SlottingDialog::showPreview);
    }
    origin_ = new QComboBox;
    origin_->addItem(tr("Milieu du sillet"), static_cast<int>(drawing::SlottingOrigin::NutCentre));
    origin_->addItem(
        tr("Sillet, côté graves"), static_cast<int>(drawing::SlottingOrigin::NutBassCorner));
    origin_->setCurrentIndex(origin_->findData(settings.value(SettingKey("origin"), 0).toInt()));
    form->addRow(tr("&Origine :"), origin_);

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

QLineEdit* SlottingDialog::field(const char* key) const
{
    for (const Field& f : fields_)
        if (QLatin1String(f.key) == QLatin1String(key))
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
        parameters_.*f.member = *read.value;
    }
    parameters_.origin = static_cast<drawing::SlottingOrigin>(origin_->currentData().toInt());
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
    drawing::SlottingParameters geometry;
    geometry.toolDiameterMm = parameters_.toolDiameterMm;
    geometry.bindingMarginMm = parameters_.bindingMarginMm;
    const bool usable = !drawing::SlottingParametersProblem(board_, geometry);
    for (const board::Segment& path :
        usable ? drawing::SlotPaths(board_, parameters_) : std::vector<board::Segment>())
        drawing.lines.push_back(
            { { drawing.datum.x + path.from.x - nut.x, drawing.datum.y + path.from.y - nut.y },
                { drawing.datum.x + path.to.x - nut.x, drawing.datum.y + path.to.y - nut.y },
                drawing::Layer::Slots, std::max(parameters_.toolDiameterMm, 3.0), false });
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
        if (const auto refused = drawing::SlottingParametersProblem(board_, parameters_))
            problem = refusalText(*refused);
    }
    if (!problem.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), problem);
        return;
    }
    QSettings settings = Settings();
    for (const Field& f : fields_)
        settings.setValue(SettingKey(f.key), parameters_.*f.member);
    settings.setValue(SettingKey("origin"), static_cast<int>(parameters_.origin));
    QDialog::accept();
}

} // namespace corvane::atelier

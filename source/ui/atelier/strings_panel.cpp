#include "strings_panel.h"

#include "field_marks.h"
#include "figure_text.h"
#include "length_text.h"
#include "problem_text.h"
#include "string_catalogue.h"
#include "string_columns.h"
#include "translation.h"
#include "words.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDoubleSpinBox>
#include <QFont>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace corvane::atelier {

namespace {

QSettings Settings()
{
    return QSettings(QStringLiteral("Corvane"), QStringLiteral("Atelier"));
}

const QColor BadCell(255, 210, 210);

// The item column's editor completes catalogue numbers as they are typed,
// from any part of them ("046" finds NW046).
class ItemDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
        const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            QStringList ids;
            for (const board::CatalogueItem& item : board::StringCatalogue())
                ids << QString::fromStdString(item.id);
            auto* completer = new QCompleter(ids, line);
            completer->setCaseSensitivity(Qt::CaseInsensitive);
            completer->setFilterMode(Qt::MatchContains);
            line->setCompleter(completer);
        }
        return editor;
    }
};

// Tension units, and the engine's column of each.
struct TensionUnit {
    const char* symbol;
    board::StringColumn column;
};
constexpr TensionUnit TensionUnits[] = { { "N", board::StringColumn::TensionN },
    { "kgf", board::StringColumn::TensionKgf }, { "lbf", board::StringColumn::TensionLbf } };

// The engine's column behind each of the panel's.
board::StringColumn EngineColumn(int column)
{
    using E = board::StringColumn;
    constexpr E Columns[] = { E::Pitch, E::Item, E::Gauge, E::UnitWeightGramPerM, E::TensionN,
        E::Kappa, E::B0, E::ConstantsSource, E::SaddleSetback, E::NutSetback, E::RmsAfter,
        E::NutPosition, E::BridgePosition };
    return Columns[column];
}

QString HeadingOf(board::StringColumn column, board::Unit unit)
{
    return QString::fromStdString(
        language::StringHeading(column, language::CurrentLanguage(), unit));
}

// Read in the user's locale, or with a period.
std::optional<double> Number(const QString& text)
{
    bool ok = false;
    double value = QLocale().toDouble(text.trimmed(), &ok);
    if (!ok)
        value = QLocale::c().toDouble(text.trimmed(), &ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

// The typed value of a column of a string's chosen.
std::optional<double>* TypedValue(board::SetString& chosen, int column)
{
    switch (column) {
    case StringsPanel::Gauge:
        return &chosen.gaugeIn;
    case StringsPanel::UnitWeight:
        return &chosen.unitWeightKgPerM;
    case StringsPanel::Kappa:
        return &chosen.kappa;
    case StringsPanel::B0:
        return &chosen.b0;
    default:
        return nullptr;
    }
}

const std::optional<double>* TypedValue(const board::SetString& chosen, int column)
{
    return TypedValue(const_cast<board::SetString&>(chosen), column);
}

} // namespace

StringsPanel::StringsPanel(board::DesignDocument& document, QWidget* parent)
    : QWidget(parent)
    , document_(document)
{
    setAccessibleName(tr("Cordes"));
    auto* sides = new QHBoxLayout(this);
    auto* column = new QVBoxLayout;
    sides->addLayout(column, 3);
    auto* top = new QFormLayout;
    column->addLayout(top);

    set_ = new QComboBox;
    set_->setAccessibleName(tr("Jeu de cordes du catalogue"));
    set_->addItem(tr("— choisir un jeu —"));
    for (const board::NamedStringSet& set : board::NamedStringSets())
        set_->addItem(
            QString::fromStdString(language::StringSetTitle(set, language::CurrentLanguage())),
            QString::fromStdString(set.name));
    top->addRow(tr("&Jeu :"), set_);
    connect(set_, &QComboBox::activated, this, &StringsPanel::applySet);

    table_ = new QTableWidget(0, ColumnCount);
    table_->setAccessibleName(tr("Cordes"));
    for (int header = 0; header < ColumnCount; ++header)
        table_->setHorizontalHeaderItem(
            header, new QTableWidgetItem(HeadingOf(EngineColumn(header), unit_)));
    table_->setItemDelegateForColumn(Item, new ItemDelegate(table_));
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    column->addWidget(table_, 1);
    // What the engine could not compute for a string, and why.
    problems_ = new QLabel;
    problems_->setWordWrap(true);
    problems_->setAccessibleName(tr("Problèmes des cordes"));
    problems_->setStyleSheet(QStringLiteral("color: #a00000"));
    problems_->hide();
    column->addWidget(problems_);
    connect(table_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (filling_)
            return;
        if (Typeable(item->column()) && !takeTypedValue(item->row(), item->column()))
            return;
        if (item->column() == Pitch || item->column() == Item || Typeable(item->column()))
            read();
    });

    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    sides->addLayout(form, 1);
    tensionUnit_ = new QComboBox;
    tensionUnit_->setAccessibleName(tr("Unité des tensions"));
    for (const TensionUnit& unit : TensionUnits)
        tensionUnit_->addItem(QString::fromUtf8(unit.symbol));
    tensionUnit_->setCurrentText(
        Settings().value(QStringLiteral("strings/tension_unit"), QStringLiteral("N")).toString());
    connect(tensionUnit_, &QComboBox::currentIndexChanged, this, [this] {
        Settings().setValue(QStringLiteral("strings/tension_unit"), tensionUnit_->currentText());
        showLayout();
    });
    form->addRow(tr("Ten&sions en :"), tensionUnit_);
    const auto length = [&](const QString& label, const QString& name) {
        auto* edit = new QLineEdit;
        edit->setAccessibleName(name);
        edit->setMaximumWidth(90);
        form->addRow(label, edit);
        connect(edit, &QLineEdit::textEdited, this, &StringsPanel::read);
        return edit;
    };
    reference_ = new QDoubleSpinBox;
    reference_->setRange(board::MinReferenceA4Hz, board::MaxReferenceA4Hz);
    reference_->setDecimals(1);
    reference_->setSuffix(QStringLiteral(" Hz"));
    reference_->setAccessibleName(tr("Fréquence du la 4"));
    form->addRow(tr("&La 4 (A4) :"), reference_);
    connect(reference_, &QDoubleSpinBox::valueChanged, this, [this] {
        if (!filling_)
            read();
    });
    nutClearance_ = length(tr("Au si&llet :"), tr("Hauteur au sillet"));
    nutClearance_->setToolTip(tr("Hauteur des cordes au-dessus de la frette 1, près du sillet"));
    saddleHeight_ = length(tr("Au cheva&let :"), tr("Hauteur du chevalet"));
    saddleHeight_->setToolTip(tr("Hauteur du chevalet au-dessus du sillet"));
    relief_ = length(tr("Creu&x :"), tr("Creux de la touche"));
    relief_->setToolTip(tr("Creux de la touche à l'octave"));
    compensation_ = new QComboBox;
    compensation_->setAccessibleName(tr("Compensation"));
    compensation_->addItem(tr("Aucune"), static_cast<int>(board::CompensationMode::None));
    compensation_->addItem(
        tr("Manuelle (reculs du dessin)"), static_cast<int>(board::CompensationMode::Manual));
    compensation_->addItem(
        tr("Calculée d'après les cordes"), static_cast<int>(board::CompensationMode::Computed));
    form->addRow(tr("Compen&sation :"), compensation_);
    connect(compensation_, &QComboBox::activated, this, &StringsPanel::read);
    fitFrets_ = new QSpinBox;
    // Below the range: one period of the temperament, as the engine fits
    // when nothing is said.
    fitFrets_->setRange(board::MinFitFrets - 1, board::MaxFitFrets);
    fitFrets_->setSpecialValueText(tr("une période"));
    fitFrets_->setAccessibleName(tr("Frettes de l'ajustement"));
    form->addRow(tr("Frettes ajustées, &1 à :"), fitFrets_);
    connect(fitFrets_, &QSpinBox::valueChanged, this, [this] {
        if (!filling_)
            read();
    });
    saddle_ = new QComboBox;
    saddle_->setAccessibleName(tr("Chevalet"));
    saddle_->addItem(tr("un recul par corde"), static_cast<int>(board::SaddleShape::PerString));
    saddle_->addItem(tr("droit"), static_cast<int>(board::SaddleShape::Straight));
    saddle_->addItem(
        tr("en deux pièces (filées, lisses)"), static_cast<int>(board::SaddleShape::TwoPiece));
    saddle_->setToolTip(tr("Avec la compensation calculée : un chevalet droit au plus juste, ou "
                           "un pour les cordes filées et un pour les lisses"));
    form->addRow(tr("Chevalet :"), saddle_);
    connect(saddle_, &QComboBox::activated, this, &StringsPanel::read);
    fretlets_ = new QCheckBox(tr("&Une frette par corde"));
    fretlets_->setToolTip(tr("La position juste de chaque frette sur chaque corde, pour des "
                             "frettes segmentées ou courbes"));
    form->addRow(fretlets_);
    connect(fretlets_, &QCheckBox::toggled, this, &StringsPanel::read);
    chart_ = new QPushButton(tr("Cour&be de justesse…"));
    form->addRow(chart_);
    connect(chart_, &QPushButton::clicked, this, &StringsPanel::chartRequested);
    showDocument();
    document_.Subscribe([this](board::DesignDocument::Change change) {
        if (change == board::DesignDocument::Change::Replaced)
            showDocument();
    });
}

void StringsPanel::buildRows(int strings)
{
    const bool wasFilling = filling_;
    filling_ = true;
    strings_ = strings;
    table_->setRowCount(strings);
    QStringList numbers;
    for (int row = 0; row < strings; ++row) {
        numbers << QString::number(row + 1);
        for (int column = 0; column < ColumnCount; ++column) {
            if (!table_->item(row, column)) {
                auto* item = new QTableWidgetItem;
                if (column != Pitch && column != Item && !Typeable(column))
                    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
                table_->setItem(row, column, item);
            }
        }
        const auto index = static_cast<std::size_t>(row);
        table_->item(row, Pitch)
            ->setText(index < rowsShow_.tuning.size()
                    ? QString::fromStdString(rowsShow_.tuning[index])
                    : QString());
        table_->item(row, Item)->setText(index < rowsShow_.set.size()
                ? QString::fromStdString(rowsShow_.set[index].item)
                : QString());
    }
    table_->setVerticalHeaderLabels(numbers);
    filling_ = wasFilling;
}

void StringsPanel::showDocument()
{
    filling_ = true;
    const board::Design& design = document_.design();
    const board::Stringing& stringing = design.stringing;
    rowsShow_ = stringing;
    unit_ = design.unit;
    buildRows(design.strings);
    nutClearance_->setText(LengthText(stringing.action.nutClearanceMm, unit_));
    saddleHeight_->setText(LengthText(stringing.action.saddleHeightMm, unit_));
    relief_->setText(LengthText(stringing.action.reliefMm, unit_));
    compensation_->setCurrentIndex(
        compensation_->findData(static_cast<int>(stringing.compensation)));
    fitFrets_->setValue(stringing.fitFrets.value_or(fitFrets_->minimum()));
    reference_->setValue(stringing.referenceA4Hz);
    fretlets_->setChecked(stringing.fretlets);
    saddle_->setCurrentIndex(saddle_->findData(static_cast<int>(stringing.saddle)));
    set_->setCurrentIndex(0);
    filling_ = false;
}

void StringsPanel::propose(const board::Stringing& next)
{
    proposing_ = true;
    document_.Edit([&](board::Design& design) { design.stringing = next; });
    proposing_ = false;
}

void StringsPanel::applySet(int index)
{
    if (index <= 0)
        return;
    const board::NamedStringSet* set
        = board::FindNamedStringSet(set_->itemData(index).toString().toStdString());
    if (!set)
        return;
    filling_ = true;
    for (int row = 0; row < strings_; ++row) {
        // A set of fewer strings than the board fills the bass strings.
        const auto from = static_cast<std::size_t>(
            std::max(0, row - std::max(0, strings_ - static_cast<int>(set->items.size()))));
        const std::size_t at = std::min(from, set->items.size() - 1);
        table_->item(row, Pitch)->setText(QString::fromStdString(set->tuning[at]));
        table_->item(row, Item)->setText(QString::fromStdString(set->items[at]));
    }
    filling_ = false;
    read();
}

bool StringsPanel::Typeable(int column)
{
    return column == Gauge || column == UnitWeight || column == Kappa || column == B0;
}

// A value typed over a computed figure becomes the string's own; an empty
// cell gives the figure back to the catalogue and the physics.
bool StringsPanel::takeTypedValue(int row, int column)
{
    const auto index = static_cast<std::size_t>(row);
    board::Stringing next = document_.design().stringing;
    if (next.set.size() < static_cast<std::size_t>(strings_))
        next.set.resize(static_cast<std::size_t>(strings_));
    std::optional<double>* target = TypedValue(next.set[index], column);
    const QString text = table_->item(row, column)->text().trimmed();
    if (text.isEmpty()) {
        target->reset();
        markCell(row, column, {});
        propose(next);
        return true;
    }
    // A unit weight may carry its unit (kg/m, g/m, lb/in); grams per metre
    // otherwise.
    const auto value = column == UnitWeight
        ? board::ParseUnitWeight(
            QString(text).replace(QLocale().decimalPoint(), QStringLiteral(".")).toStdString(),
            board::WeightUnit::GramPerM)
        : Number(text);
    if (!value) {
        markCell(row, column, tr("« %1 » n'est pas un nombre").arg(text));
        return false;
    }
    *target = *value;
    markCell(row, column, {});
    propose(next);
    return true;
}

void StringsPanel::markCell(int row, int column, const QString& problem)
{
    QTableWidgetItem* item = table_->item(row, column);
    item->setBackground(problem.isEmpty() ? QBrush() : QBrush(BadCell));
    item->setToolTip(problem);
}

// Every field, read; anything that cannot be read is marked and nothing
// is passed on until it is mended.
void StringsPanel::read()
{
    if (filling_)
        return;
    const board::Stringing& current = document_.design().stringing;
    board::Stringing next = current;
    bool readable = true;
    std::vector<std::string> tuning, items;
    bool anyPitch = false, anyItem = false;
    for (int row = 0; row < strings_; ++row) {
        const QString pitch = table_->item(row, Pitch)->text().trimmed();
        const QString item = table_->item(row, Item)->text().trimmed();
        anyPitch = anyPitch || !pitch.isEmpty();
        anyItem = anyItem || !item.isEmpty();
        tuning.push_back(pitch.toStdString());
        items.push_back(item.toStdString());
    }
    for (int row = 0; row < strings_; ++row) {
        const auto index = static_cast<std::size_t>(row);
        QString pitchProblem, itemProblem;
        if (anyPitch && !board::ParsePitch(tuning[index], next.referenceA4Hz))
            pitchProblem = tr("« %1 » n'est pas une hauteur (E2, F#3, Bb1 ou 110 Hz)")
                               .arg(QString::fromStdString(tuning[index]));
        if (!items[index].empty() && !board::FindCatalogueItem(items[index]))
            itemProblem
                = tr("pas d'article « %1 » au catalogue").arg(QString::fromStdString(items[index]));
        markCell(row, Pitch, pitchProblem);
        markCell(row, Item, itemProblem);
        readable = readable && pitchProblem.isEmpty() && itemProblem.isEmpty();
    }
    next.tuning = anyPitch ? tuning : std::vector<std::string> {};
    // A string keeps the values typed for it (in the table or a design file).
    const bool anyTyped = std::any_of(current.set.begin(), current.set.end(),
        [](const board::SetString& chosen) { return chosen.unitWeightKgPerM.has_value(); });
    std::vector<board::SetString> set;
    for (std::size_t i = 0; (anyItem || anyTyped) && i < items.size(); ++i) {
        board::SetString chosen = i < current.set.size() ? current.set[i] : board::SetString {};
        chosen.item = items[i];
        set.push_back(std::move(chosen));
    }
    next.set = std::move(set);

    const std::pair<QLineEdit*, double*> heights[]
        = { { nutClearance_, &next.action.nutClearanceMm },
              { saddleHeight_, &next.action.saddleHeightMm }, { relief_, &next.action.reliefMm } };
    for (const auto& [edit, target] : heights) {
        const auto value = ReadLength(
            edit->text(), unit_, edit == relief_ ? LengthKind::Signed : LengthKind::Positive);
        MarkField(edit, value ? QString() : language::ProblemText(value.problem));
        if (value)
            *target = *value.value;
        else
            readable = false;
    }
    next.compensation = static_cast<board::CompensationMode>(compensation_->currentData().toInt());
    next.fitFrets = fitFrets_->value() == fitFrets_->minimum()
        ? std::nullopt
        : std::optional<int>(fitFrets_->value());
    next.referenceA4Hz = reference_->value();
    next.fretlets = fretlets_->isChecked();
    next.saddle = static_cast<board::SaddleShape>(saddle_->currentData().toInt());
    if (!readable)
        return;
    rowsShow_ = next;
    propose(next);
}

void StringsPanel::showLayout()
{
    const board::BoardLayout& layout = document_.layout();
    const board::Stringing& stringing = layout.design.stringing;
    filling_ = true;
    if (layout.design.unit != unit_) {
        unit_ = layout.design.unit;
        nutClearance_->setText(LengthText(stringing.action.nutClearanceMm, unit_));
        saddleHeight_->setText(LengthText(stringing.action.saddleHeightMm, unit_));
        relief_->setText(LengthText(stringing.action.reliefMm, unit_));
    }
    // Strings changed elsewhere (their number, by the form) are written
    // into the rows; the panel's own change is in them already.
    if (layout.design.strings != strings_ || (!proposing_ && stringing != rowsShow_)) {
        rowsShow_ = stringing;
        buildRows(layout.design.strings);
    }
    // The engine writes every figure, as the command's report does; the
    // locale gives the separator only.
    const std::string separator = QLocale().decimalPoint().toStdString();
    const board::StringColumn tension
        = TensionUnits[std::max(0, tensionUnit_->currentIndex())].column;
    table_->setHorizontalHeaderItem(Tension, new QTableWidgetItem(HeadingOf(tension, unit_)));
    for (const int column : { SaddleSetback, NutSetback, NutPosition, BridgePosition })
        table_->horizontalHeaderItem(column)->setText(HeadingOf(EngineColumn(column), unit_));
    QStringList problems;
    for (int row = 0; row < strings_; ++row) {
        const auto index = static_cast<std::size_t>(row);
        const board::StringReport* report
            = index < layout.stringReports.size() ? &layout.stringReports[index] : nullptr;
        const board::SetString* chosen
            = index < stringing.set.size() ? &stringing.set[index] : nullptr;
        // What the user typed shows in bold, the rest is derived.
        for (const int column : { Gauge, UnitWeight, Kappa, B0 }) {
            QFont font = table_->item(row, column)->font();
            font.setBold(chosen && TypedValue(*chosen, column)->has_value());
            table_->item(row, column)->setFont(font);
        }
        for (int column = Gauge; column < ColumnCount; ++column) {
            const board::StringColumn engine = column == Tension ? tension : EngineColumn(column);
            QString text;
            if (report && engine == board::StringColumn::ConstantsSource)
                text = QString::fromUtf8(language::ConstantsSourceName(
                    report->constantsSource, language::CurrentLanguage())
                                             .data());
            else if (report)
                text = QString::fromStdString(
                    board::StringCellText(*report, engine, unit_, separator));
            else if (column == SaddleSetback || column == NutSetback) {
                const board::StringLine& string = layout.strings[index];
                text = QString::fromStdString(board::FixedText(
                    board::FromMillimetres(
                        column == SaddleSetback ? string.saddleSetbackMm : string.nutSetbackMm,
                        unit_),
                    board::LengthDecimals, separator));
            }
            table_->item(row, column)->setText(text);
        }
        // A string whose computed setbacks were not used: its setbacks on a
        // warning colour, the reason over them and below the table.
        const QString refused = report && report->compensationProblem
            ? language::ProblemText(*report->compensationProblem)
            : QString();
        for (const int column : { SaddleSetback, NutSetback }) {
            table_->item(row, column)
                ->setBackground(refused.isEmpty() ? QBrush() : QBrush(QColor(255, 224, 178)));
            table_->item(row, column)->setToolTip(refused);
        }
        for (const auto& problem : { report ? report->compensationProblem : std::nullopt,
                 report ? report->fretletsProblem : std::nullopt })
            if (problem)
                problems.append(language::ProblemText(*problem));
    }
    problems_->setText(problems.join(QLatin1Char('\n')));
    problems_->setVisible(!problems.isEmpty());
    chart_->setEnabled(!layout.stringReports.empty());
    filling_ = false;
}

} // namespace corvane::atelier

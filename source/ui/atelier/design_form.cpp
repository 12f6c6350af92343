#include "design_form.h"

#include "phrase.h"

#include "field_marks.h"

#include "design_file.h"
#include "file_names.h"
#include "length_text.h"
#include "problem_text.h"
#include "temperament_list.h"
#include "translation.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QVBoxLayout>

namespace corvane::atelier {

using language::NamesSubject;

namespace {

// The usual difference between the bass and treble lengths of a fanned
// board: the treble length offered when the box is ticked is the bass
// length less this.
constexpr double FirstFanMm = 25.4;

} // namespace

DesignForm::DesignForm(board::DesignDocument& document, QWidget* parent)
    : QWidget(parent)
    , document_(document)
{
    buildFields();
    showDocument();
    document_.Subscribe([this](board::DesignDocument::Change change) {
        if (change == board::DesignDocument::Change::Replaced)
            showDocument();
    });
}

QLineEdit* DesignForm::addLength(QFormLayout* form, const QString& label,
    const QString& accessibleName, double board::Design::*member, const char* engineField)
{
    auto* edit = new QLineEdit;
    edit->setAccessibleName(accessibleName);
    edit->setMaxLength(40);
    form->addRow(label, edit);
    lengths_.push_back({ edit, member, engineField, {}, 0 });
    connect(edit, &QLineEdit::textEdited, this, &DesignForm::readFields);
    return edit;
}

void DesignForm::buildFields()
{
    auto* column = new QVBoxLayout(this);

    // Unit and lengths.
    auto* lengthsBox = new QGroupBox(tr("Diapason"));
    lengthForm_ = new QFormLayout(lengthsBox);
    unit_ = new QComboBox;
    unit_->addItem(tr("millimètres (mm)"), QStringLiteral("mm"));
    unit_->addItem(tr("centimètres (cm)"), QStringLiteral("cm"));
    unit_->addItem(tr("pouces (in)"), QStringLiteral("in"));
    unit_->setAccessibleName(tr("Unité"));
    lengthForm_->addRow(tr("Un&ité :"), unit_);
    fanned_ = new QCheckBox(tr("Touche en é&ventail (multi-diapason)"));
    fanned_->setAccessibleName(tr("Touche en éventail"));
    lengthForm_->addRow(fanned_);
    bassLength_ = addLength(lengthForm_, tr("D&iapason :"), tr("Diapason"),
        &board::Design::bassLengthMm, "bass_length");
    bassLengthLabel_ = qobject_cast<QLabel*>(lengthForm_->labelForField(bassLength_));
    trebleLength_ = addLength(lengthForm_, tr("Diapason ai&gu :"), tr("Diapason aigu"),
        &board::Design::trebleLengthMm, "treble_length");
    perpendicular_ = new QComboBox;
    perpendicular_->setAccessibleName(tr("Frette perpendiculaire"));
    lengthForm_->addRow(tr("Frette perpend&iculaire :"), perpendicular_);
    // A fan that is not linear: every string's own length.
    stringLengths_ = new QLineEdit;
    stringLengths_->setAccessibleName(tr("Diapason de chaque corde"));
    stringLengths_->setToolTip(tr("Du grave à l'aigu, séparés par des points-virgules, pour un "
                                  "éventail non linéaire ; vide : répartis entre le diapason grave "
                                  "et l'aigu"));
    stringLengths_->setMaxLength(400);
    lengthForm_->addRow(tr("Diapason de chaque corde :"), stringLengths_);
    connect(stringLengths_, &QLineEdit::textEdited, this, &DesignForm::readFields);
    fanHint_ = new QLabel(tr("Éventail inversé : les cordes graves sont les plus courtes."));
    fanHint_->setWordWrap(true);
    lengthForm_->addRow(fanHint_);
    column->addWidget(lengthsBox);

    // Temperament.
    auto* temperamentBox = new QGroupBox(tr("Tempérament"));
    temperamentForm_ = new QFormLayout(temperamentBox);
    temperament_ = new QComboBox;
    temperament_->setAccessibleName(tr("Tempérament"));
    FillTemperamentList(*temperament_);
    temperamentForm_->addRow(tr("Te&mpérament :"), temperament_);
    mode_ = new QComboBox;
    mode_->addItem(tr("Sol"), static_cast<int>(board::ClassicMode::Sol));
    mode_->addItem(tr("Do"), static_cast<int>(board::ClassicMode::Do));
    mode_->setAccessibleName(tr("Mode"));
    temperamentForm_->addRow(tr("&Mode :"), mode_);
    divisions_ = new QSpinBox;
    divisions_->setRange(board::MinDivisions, board::MaxDivisions);
    divisions_->setAccessibleName(tr("Divisions de la période"));
    temperamentForm_->addRow(tr("Divisi&ons :"), divisions_);
    period_ = new QLineEdit;
    period_->setAccessibleName(tr("Période"));
    period_->setToolTip(
        tr("Un rapport (2/1 pour l'octave, 3/1 pour la douzième) ou des cents (1200.0)"));
    temperamentForm_->addRow(tr("Pér&iode :"), period_);
    auto* scalaRow = new QWidget;
    auto* scalaLayout = new QHBoxLayout(scalaRow);
    scalaLayout->setContentsMargins(0, 0, 0, 0);
    scalaButton_ = new QPushButton(tr("&Choisir…"));
    scalaButton_->setAccessibleName(tr("Choisir un fichier Scala"));
    scalaName_ = new QLabel;
    scalaName_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    scalaLayout->addWidget(scalaButton_);
    scalaLayout->addWidget(scalaName_, 1);
    temperamentForm_->addRow(tr("Fichier Scala :"), scalaRow);
    openNote_ = new QComboBox;
    const board::NoteNaming naming = language::InterfaceNoteNaming();
    for (int note = 0; note < 12; ++note) {
        const std::string_view name = board::NoteName(note, naming);
        openNote_->addItem(
            QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())), note);
    }
    openNote_->setAccessibleName(tr("Note de la corde grave à vide"));
    temperamentForm_->addRow(tr("N&ote à vide :"), openNote_);
    column->addWidget(temperamentBox);

    // The board.
    auto* boardBox = new QGroupBox(tr("Touche"));
    auto* boardForm = new QFormLayout(boardBox);
    frets_ = new QSpinBox;
    frets_->setRange(board::MinFrets, board::MaxFrets);
    frets_->setAccessibleName(tr("Nombre de frettes"));
    boardForm->addRow(tr("Frette&s :"), frets_);
    strings_ = new QSpinBox;
    strings_->setRange(board::MinStrings, board::MaxStrings);
    strings_->setAccessibleName(tr("Nombre de cordes"));
    boardForm->addRow(tr("C&ordes :"), strings_);
    addLength(boardForm, tr("Lar&geur au sillet :"), tr("Largeur au sillet"),
        &board::Design::nutWidthMm, "nut_width");
    addLength(boardForm, tr("&Écartement au chevalet :"), tr("Écartement des cordes au chevalet"),
        &board::Design::bridgeSpacingMm, "bridge_spacing");
    addLength(boardForm, tr("Débord au si&llet :"), tr("Débord au sillet"),
        &board::Design::nutOverhangMm, "nut_overhang");
    addLength(boardForm, tr("Débord à &la dernière frette :"), tr("Débord à la dernière frette"),
        &board::Design::lastFretOverhangMm, "last_fret_overhang");
    // A flat board unless a radius is given; one radius alone is a cylinder.
    radiusNut_ = addLength(boardForm, tr("Rayon au sillet (0 : plate) :"), tr("Rayon au sillet"),
        &board::Design::radiusNutMm, "radius_nut");
    addLength(boardForm, tr("Rayon à la dernière frette :"), tr("Rayon à la dernière frette"),
        &board::Design::radiusLastFretMm, "radius_last_fret");
    spacing_ = new QComboBox;
    spacing_->addItem(tr("centres égaux"), static_cast<int>(board::StringSpacing::Centres));
    spacing_->addItem(
        tr("vides égaux (d'après les calibres)"), static_cast<int>(board::StringSpacing::Gaps));
    spacing_->setAccessibleName(tr("Écartement des cordes"));
    boardForm->addRow(tr("Écartement des cordes :"), spacing_);
    addLength(boardForm, tr("Sillet derrière une frette zéro (0 : sans) :"),
        tr("Sillet derrière une frette zéro"), &board::Design::zeroFretMm, "zero_fret");
    addLength(boardForm, tr("Fin après la dernière frette (0 : à la frette) :"),
        tr("Fin de la touche après la dernière frette"), &board::Design::boardEndMm, "board_end");
    boardEndShape_ = new QComboBox;
    boardEndShape_->addItem(tr("d'équerre"), static_cast<int>(board::BoardEndShape::Square));
    boardEndShape_->addItem(tr("en arc"), static_cast<int>(board::BoardEndShape::Round));
    boardEndShape_->setAccessibleName(tr("Forme de la fin de la touche"));
    boardForm->addRow(tr("Forme de la fin :"), boardEndShape_);
    leftHanded_ = new QCheckBox(tr("Touche de gauc&her"));
    leftHanded_->setAccessibleName(tr("Touche de gaucher, graves de l'autre côté"));
    boardForm->addRow(leftHanded_);
    column->addWidget(boardBox);

    // Compensation.
    auto* compensationBox = new QGroupBox(tr("Compensation"));
    auto* compensationForm = new QFormLayout(compensationBox);
    addLength(compensationForm, tr("&Sillet, corde grave :"), tr("Recul du sillet, corde grave"),
        &board::Design::nutSetbackBassMm, "nut_setback_bass");
    addLength(compensationForm, tr("&Sillet, corde aiguë :"), tr("Recul du sillet, corde aiguë"),
        &board::Design::nutSetbackTrebleMm, "nut_setback_treble");
    addLength(compensationForm, tr("Chevalet, corde &grave :"),
        tr("Recul du chevalet, corde grave"), &board::Design::saddleSetbackBassMm,
        "saddle_setback_bass");
    addLength(compensationForm, tr("Chevalet, corde aiguë :"), tr("Recul du chevalet, corde aiguë"),
        &board::Design::saddleSetbackTrebleMm, "saddle_setback_treble");
    column->addWidget(compensationBox);
    column->addStretch(1);

    connect(unit_, &QComboBox::currentIndexChanged, this, &DesignForm::onUnitChanged);
    connect(fanned_, &QCheckBox::toggled, this, [this](bool fanned) {
        if (filling_)
            return;
        if (fanned && !trebleTyped_) {
            // Offer a usual fan from the length in use, not a length left
            // over from an earlier design or from the start.
            const double treble = document_.design().bassLengthMm - FirstFanMm;
            if (treble > 0) {
                const QString text = LengthText(treble, shownUnit());
                trebleLength_->setText(text);
                for (LengthField& field : lengths_)
                    if (field.edit == trebleLength_) {
                        field.shownText = text;
                        field.shownMm = treble;
                    }
            }
        }
        updateVisibility();
        readFields();
    });
    connect(perpendicular_, &QComboBox::activated, this, [this] {
        wantedPerpendicular_ = perpendicular_->currentData().toInt();
        readFields();
    });
    connect(trebleLength_, &QLineEdit::textEdited, this, [this] { trebleTyped_ = true; });
    connect(temperament_, &QComboBox::activated, this, [this](int row) {
        if (EntryAt(*temperament_, row).kind == TemperamentKind::Scala && scala_.content.empty()) {
            chooseScalaFile();
            return;
        }
        updateVisibility();
        readFields();
    });
    connect(mode_, &QComboBox::activated, this, &DesignForm::readFields);
    connect(divisions_, &QSpinBox::valueChanged, this, [this] {
        if (!filling_)
            readFields();
    });
    connect(period_, &QLineEdit::textEdited, this, &DesignForm::readFields);
    connect(scalaButton_, &QPushButton::clicked, this, &DesignForm::chooseScalaFile);
    connect(openNote_, &QComboBox::activated, this, &DesignForm::readFields);
    connect(frets_, &QSpinBox::valueChanged, this, [this] {
        if (filling_)
            return;
        updatePerpendicularChoices();
        readFields();
    });
    connect(strings_, &QSpinBox::valueChanged, this, [this] {
        if (!filling_)
            readFields();
    });
    connect(boardEndShape_, &QComboBox::activated, this, &DesignForm::readFields);
    connect(spacing_, &QComboBox::activated, this, &DesignForm::readFields);
    connect(leftHanded_, &QCheckBox::toggled, this, [this] {
        if (!filling_)
            readFields();
    });
}

void DesignForm::addGroup(QWidget* group)
{
    auto* column = static_cast<QVBoxLayout*>(layout());
    column->insertWidget(column->count() - 1, group); // before the closing stretch
}

void DesignForm::setNoteNamesAvailable(bool available)
{
    openNote_->setEnabled(available);
    openNote_->setToolTip(available
            ? QString()
            : tr("Ce tempérament numérote ses degrés au lieu de nommer des notes"));
}

void DesignForm::showDocument()
{
    filling_ = true;
    const board::Design& design = document_.design();
    if (const auto* scala = std::get_if<board::ScalaSource>(&design.temperament))
        scala_ = *scala;
    unit_->setCurrentIndex(static_cast<int>(design.unit));
    lengthsUnit_ = design.unit;
    fanned_->setChecked(design.IsFanned());
    frets_->setValue(design.frets);
    strings_->setValue(design.strings);
    leftHanded_->setChecked(design.leftHanded);
    showStringLengths(design.stringLengthsMm, design.unit);
    spacing_->setCurrentIndex(spacing_->findData(static_cast<int>(design.spacing)));
    boardEndShape_->setCurrentIndex(
        boardEndShape_->findData(static_cast<int>(design.boardEndShape)));
    openNote_->setCurrentIndex(((design.openNote % 12) + 12) % 12);
    wantedPerpendicular_ = design.perpendicularFret;
    trebleTyped_ = design.IsFanned();
    updatePerpendicularChoices();
    showLengths();
    showTemperament();
    updateVisibility();
    for (QWidget* field : marked_)
        MarkField(field, {});
    marked_.clear();
    problem_.clear();
    updateFanHint();
    filling_ = false;
}

void DesignForm::showLengths()
{
    for (LengthField& field : lengths_) {
        field.shownMm = document_.design().*field.member;
        field.shownText = LengthText(field.shownMm, lengthsUnit_);
        field.edit->setText(field.shownText);
    }
}

void DesignForm::showTemperament()
{
    temperament_->setCurrentIndex(RowOf(*temperament_, document_.design().temperament));
    const auto* classic = std::get_if<board::ClassicSource>(&document_.design().temperament);
    mode_->setCurrentIndex(
        mode_->findData(static_cast<int>(classic ? classic->mode : board::ClassicMode::Do)));
    const auto* divisions = std::get_if<board::EqualDivisions>(&document_.design().temperament);
    const board::EqualDivisions shown = divisions ? *divisions : board::EqualDivisions {};
    divisions_->setValue(shown.divisions);
    period_->setText(QString::fromStdString(shown.period.Text()));
    scalaName_->setText(scala_.content.empty()
            ? tr("aucun")
            : QFileInfo(drawing::FileNameFromNative(scala_.fileName)).fileName());
}

void DesignForm::updateVisibility()
{
    const bool fanned = fanned_->isChecked();
    lengthForm_->setRowVisible(trebleLength_, fanned);
    lengthForm_->setRowVisible(perpendicular_, fanned);
    lengthForm_->setRowVisible(stringLengths_, fanned);
    if (bassLengthLabel_)
        bassLengthLabel_->setText(fanned ? tr("D&iapason grave :") : tr("D&iapason :"));
    updateFanHint();

    const TemperamentEntry entry = EntryAt(*temperament_, temperament_->currentIndex());
    temperamentForm_->setRowVisible(mode_,
        entry.kind == TemperamentKind::Classic
            && board::IsDiatonic(static_cast<board::ClassicScale>(entry.value)));
    temperamentForm_->setRowVisible(divisions_, entry.kind == TemperamentKind::EqualDivisions);
    temperamentForm_->setRowVisible(period_, entry.kind == TemperamentKind::EqualDivisions);
    temperamentForm_->setRowVisible(
        scalaButton_->parentWidget(), entry.kind == TemperamentKind::Scala);
}

void DesignForm::updatePerpendicularChoices()
{
    const int frets = frets_->value();
    perpendicular_->clear();
    perpendicular_->addItem(tr("sillet"), 0);
    for (int fret = 1; fret <= frets; ++fret)
        perpendicular_->addItem(tr("frette %1").arg(fret), fret);
    perpendicular_->addItem(tr("chevalet"), board::PerpendicularAtBridge);
    int index = perpendicular_->findData(wantedPerpendicular_);
    if (index < 0) // a fret beyond the last one, for now: the last fret
        index = frets;
    perpendicular_->setCurrentIndex(index);
}

void DesignForm::updateFanHint()
{
    lengthForm_->setRowVisible(fanHint_,
        fanned_->isChecked()
            && document_.design().bassLengthMm < document_.design().trebleLengthMm);
}

board::Unit DesignForm::shownUnit() const
{
    return static_cast<board::Unit>(unit_->currentIndex());
}

void DesignForm::onUnitChanged()
{
    if (filling_)
        return;
    // Re-express every length that can be read in the new unit; one the
    // user has not retyped keeps its exact value.
    const board::Unit newUnit = shownUnit();
    for (LengthField& field : lengths_) {
        double mm = field.shownMm;
        if (field.edit->text() != field.shownText) {
            const auto read = ReadLength(field.edit->text(), lengthsUnit_, KindOf(field.member));
            if (!read.value)
                continue;
            mm = *read.value;
        }
        field.shownMm = mm;
        field.shownText = LengthText(mm, newUnit);
        field.edit->setText(field.shownText);
    }
    lengthsUnit_ = newUnit;
    showStringLengths(document_.design().stringLengthsMm, newUnit);
    emit unitChosen(unit_->currentData().toString());
    readFields();
}

void DesignForm::chooseScalaFile()
{
    const QString fileName = QFileDialog::getOpenFileName(this, tr("Choisir un fichier Scala"),
        QString(), tr("Gammes Scala (*.scl);;Tous les fichiers (*)"));
    if (fileName.isEmpty()) {
        showTemperament(); // back to the temperament in use
        updateVisibility();
        return;
    }
    const auto loaded = board::LoadScalaFile(drawing::NativeFileName(fileName));
    if (!loaded) {
        problem_ = tr("Fichier Scala : %1").arg(problemText(loaded.problem));
        MarkField(scalaButton_, problem_);
        marked_.push_back(scalaButton_);
        emit designInvalid(problem_);
        return;
    }
    useScalaFile(fileName, QByteArray::fromStdString(loaded.value->content));
}

void DesignForm::useScalaFile(const QString& fileName, const QByteArray& content)
{
    scala_ = board::ScalaSource { drawing::NativeFileName(fileName), content.toStdString() };
    temperament_->setCurrentIndex(RowOf(*temperament_, scala_));
    scalaName_->setText(QFileInfo(fileName).fileName());
    updateVisibility();
    readFields();
}

void DesignForm::readFields()
{
    if (filling_)
        return;
    struct Problem {
        QWidget* field;
        QString message;
        bool named = false; // the message already names the field
    };
    std::vector<Problem> problems;
    board::Design next = document_.design();
    next.unit = shownUnit();

    for (const LengthField& field : lengths_) {
        if (field.edit == trebleLength_ && !fanned_->isChecked())
            continue;
        if (field.edit->text() == field.shownText) {
            next.*field.member = field.shownMm;
            continue;
        }
        const auto read = ReadLength(field.edit->text(), next.unit, KindOf(field.member));
        if (read.value)
            next.*field.member = *read.value;
        else
            problems.push_back({ field.edit, problemText(read.problem) });
    }
    if (!fanned_->isChecked())
        next.trebleLengthMm = next.bassLengthMm;
    next.perpendicularFret = perpendicular_->currentData().toInt();
    next.frets = frets_->value();
    if (next.strings != strings_->value())
        board::ResizeStringing(next.stringing, strings_->value());
    next.strings = strings_->value();
    next.openNote = openNote_->currentData().toInt();
    next.leftHanded = leftHanded_->isChecked();
    // Every string's own length, when given, makes the outer ones too.
    next.stringLengthsMm.clear();
    if (fanned_->isChecked() && !stringLengths_->text().trimmed().isEmpty()) {
        for (const QString& part : stringLengths_->text().split(QLatin1Char(';'))) {
            const auto read = ReadLength(part.trimmed(), next.unit, LengthKind::Positive);
            if (!read.value) {
                problems.push_back({ stringLengths_, problemText(read.problem) });
                next.stringLengthsMm.clear();
                break;
            }
            next.stringLengthsMm.push_back(*read.value);
        }
        if (!next.stringLengthsMm.empty()) {
            next.bassLengthMm = next.stringLengthsMm.front();
            next.trebleLengthMm = next.stringLengthsMm.back();
        }
    }
    next.boardEndShape = static_cast<board::BoardEndShape>(boardEndShape_->currentData().toInt());
    next.spacing = static_cast<board::StringSpacing>(spacing_->currentData().toInt());

    const TemperamentEntry entry = EntryAt(*temperament_, temperament_->currentIndex());
    switch (entry.kind) {
    case TemperamentKind::Classic:
        next.temperament = board::ClassicSource { static_cast<board::ClassicScale>(entry.value),
            static_cast<board::ClassicMode>(mode_->currentData().toInt()) };
        break;
    case TemperamentKind::Builtin:
        next.temperament = board::BuiltinSource { static_cast<board::BuiltinTable>(entry.value) };
        break;
    case TemperamentKind::EqualDivisions: {
        board::EqualDivisions divisions;
        divisions.divisions = divisions_->value();
        const auto period = board::ParsePeriod(period_->text().toStdString());
        if (period.value)
            divisions.period = *period.value;
        else
            problems.push_back({ period_, problemText(period.problem) });
        next.temperament = divisions;
        break;
    }
    case TemperamentKind::Scala:
        next.temperament = scala_;
        break;
    }

    if (problems.empty() && !document_.Propose(next)) {
        const board::DesignError& error = *document_.problem();
        problems.push_back({ fieldForEngineName(error.field), designProblemText(error), true });
    }

    for (QWidget* field : marked_)
        MarkField(field, {});
    marked_.clear();
    if (!problems.empty()) {
        for (const Problem& problem : problems) {
            if (!problem.field)
                continue; // a field of the strings' panel
            MarkField(problem.field, problem.message);
            problem.field->setAccessibleDescription(problem.message);
            marked_.push_back(problem.field);
        }
        // The engine's messages name their field; a reading error is
        // about the text, so the field's label goes before it.
        const Problem& first = problems.front();
        problem_ = first.named || !first.field
            ? first.message
            : tr("%1 : %2").arg(fieldName(first.field), first.message);
        emit designInvalid(problem_);
        return;
    }
    problem_.clear();
    updateFanHint();
}

QString DesignForm::fieldName(const QWidget* field) const
{
    if (field == scalaButton_)
        return tr("Fichier Scala");
    for (const QLabel* label : findChildren<QLabel*>())
        if (label->buddy() == field) {
            QString name = label->text().remove(QLatin1Char('&'));
            name.remove(QRegularExpression(QStringLiteral("\\s*:$")));
            return name;
        }
    return field->accessibleName();
}

QString DesignForm::problemText(const board::Problem& problem, const QString& subject) const
{
    // Lengths in the unit the form shows.
    return language::ProblemText(
        problem, subject, static_cast<board::Unit>(std::max(0, unit_->currentIndex())));
}

QString DesignForm::designProblemText(const board::DesignError& error) const
{
    const QWidget* field = fieldForEngineName(error.field);
    return problemText(
        error.problem, field ? fieldName(field) : language::FieldSubjectText(error.field));
}

QString DesignForm::fileProblemText(const board::DesignError& error) const
{
    if (error.field.empty())
        return problemText(error.problem);
    const QWidget* field = error.problem.kind == board::ProblemKind::UnknownField
        ? nullptr
        : fieldForFileKey(error.field);
    if (!field)
        return tr("champ « %1 » : %2")
            .arg(QString::fromStdString(error.field), problemText(error.problem));
    if (NamesSubject(error.problem.kind))
        return problemText(error.problem, fieldName(field));
    return tr("%1 : %2").arg(fieldName(field), problemText(error.problem));
}

QWidget* DesignForm::fieldForFileKey(const std::string& key) const
{
    static const std::string temperament = "temperament";
    if (key.rfind(temperament, 0) == 0) {
        const std::string inner
            = key.size() > temperament.size() ? key.substr(temperament.size() + 1) : std::string();
        if (inner == "content" || inner == "content_base64" || inner == "file_name")
            return scalaButton_;
        if (inner == "mode")
            return mode_;
        return fieldForEngineName(inner); // divisions, period; the rest is the temperament list's
    }
    if (key == "unit")
        return unit_;
    QWidget* field = fieldForEngineName(key);
    return field == temperament_ ? nullptr : field;
}

void DesignForm::showStringLengths(const std::vector<double>& lengthsMm, board::Unit unit)
{
    QStringList texts;
    for (const double length : lengthsMm)
        texts << LengthText(length, unit);
    stringLengths_->setText(texts.join(QStringLiteral("; ")));
}

QWidget* DesignForm::fieldForEngineName(const std::string& name) const
{
    for (const LengthField& field : lengths_)
        if (name == field.engineField)
            return field.edit;
    const std::pair<std::string_view, QWidget*> named[] = { { "string_lengths", stringLengths_ },
        { "spacing", spacing_ }, { "board_end_shape", boardEndShape_ }, { "frets", frets_ },
        { "strings", strings_ }, { "perpendicular_fret", perpendicular_ },
        { "open_note", openNote_ }, { "divisions", divisions_ }, { "period", period_ } };
    for (const auto& [key, widget] : named)
        if (name == key)
            return widget;
    if (name.rfind("scala", 0) == 0)
        return scalaButton_;
    // The strings have their own panel, which marks its fields itself.
    if (name == "tuning" || name == "string_set" || name == "reference_a4_hz"
        || name.rfind("action.", 0) == 0 || name.rfind("compensation.", 0) == 0)
        return nullptr;
    return temperament_;
}

} // namespace corvane::atelier

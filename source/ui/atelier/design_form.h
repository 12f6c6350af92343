#pragma once

#include "design.h"
#include "design_document.h"

#include <QString>
#include <QWidget>

#include <vector>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace corvane::atelier {

// The design form: every field a user sets, read after each change into a
// design proposed to the document. A field that cannot be read, or a value
// the engine refuses, turns its field red and is reported by
// designInvalid; the document keeps the last valid design, which the rest
// of the window shows. No dialog opens while typing.
//
// Lengths are shown in the design's unit and kept in millimetres: a field
// the user has not retyped keeps its exact value through unit changes.
class DesignForm : public QWidget {
    Q_OBJECT

public:
    explicit DesignForm(board::DesignDocument& document, QWidget* parent = nullptr);

    // The document's design: the last one read without error.
    const board::Design& design() const { return document_.design(); }
    // The first problem of the fields as they are now, or an empty text.
    QString problem() const { return problem_; }

    // Reads a Scala file's text into the design (the form's own button uses
    // it after its file dialog); a bad scale is marked like a typed error.
    void useScalaFile(const QString& fileName, const QByteArray& content);

    // A problem of the engine's, in the interface's language, naming its
    // field by the form's label: one ValidateDesign found, and one in a
    // design file (whose field is the file's key).
    QString designProblemText(const board::DesignError& error) const;
    QString problemText(const board::Problem& problem, const QString& subject = {}) const;
    QString fileProblemText(const board::DesignError& error) const;

    // Whether the current temperament names its degrees as notes; when it
    // does not, the open-string note has no use and is disabled.
    void setNoteNamesAvailable(bool available);
    // A group of the window's own under the form's (the cut options).
    void addGroup(QWidget* group);

    // For tests and the window: the fields, by their accessible name's role.
    QLineEdit* lengthField() const { return bassLength_; }
    QLineEdit* trebleLengthField() const { return trebleLength_; }
    QComboBox* temperamentField() const { return temperament_; }
    QSpinBox* divisionsField() const { return divisions_; }
    QLineEdit* periodField() const { return period_; }
    QComboBox* unitField() const { return unit_; }
    QCheckBox* fannedField() const { return fanned_; }
    QCheckBox* leftHandedField() const { return leftHanded_; }
    QLineEdit* radiusNutField() const { return radiusNut_; }
    QComboBox* boardEndShapeField() const { return boardEndShape_; }
    QComboBox* spacingField() const { return spacing_; }
    QLineEdit* stringLengthsField() const { return stringLengths_; }
    QComboBox* perpendicularField() const { return perpendicular_; }
    // Shown only for a fan whose bass strings are the shorter ones.
    const QLabel* fanHint() const { return fanHint_; }
    QSpinBox* fretsField() const { return frets_; }
    QSpinBox* stringsField() const { return strings_; }

signals:
    // A change left a field that cannot be used: the message names it.
    void designInvalid(const QString& message);
    // The unit changed (to remember it for new designs).
    void unitChosen(const QString& symbol);

private:
    struct LengthField {
        QLineEdit* edit = nullptr;
        double board::Design::*member = nullptr;
        const char* engineField = ""; // the name the engine's errors give
        QString shownText; // what showDocument or a unit change wrote
        double shownMm = 0; // the exact value behind shownText
    };

    // Shows the document's whole design (a file opened, a new design) and
    // clears every mark; proposes nothing.
    void showDocument();
    void buildFields();
    QLineEdit* addLength(QFormLayout* form, const QString& label, const QString& accessibleName,
        double board::Design::*member, const char* engineField);
    void showLengths();
    void showTemperament();
    void updateVisibility();
    void showStringLengths(const std::vector<double>& lengthsMm, board::Unit unit);
    void updatePerpendicularChoices();
    void updateFanHint();
    void chooseScalaFile();
    void onUnitChanged();
    void readFields();
    QWidget* fieldForEngineName(const std::string& name) const;
    QWidget* fieldForFileKey(const std::string& key) const; // nothing for a key no field shows
    QString fieldName(const QWidget* field) const; // its label, without mnemonic and colon
    board::Unit shownUnit() const;

    board::DesignDocument& document_;
    QString problem_;
    bool filling_ = false; // showDocument is writing the fields: no reading
    // The perpendicular fret the user chose, kept while the number of frets
    // is typed through smaller values ("1" on the way to "13").
    int wantedPerpendicular_ = 0;
    bool trebleTyped_ = false; // the user has given the treble length since the board was straight
    board::Unit lengthsUnit_ = board::Unit::Millimetre; // unit of the texts in the length fields

    QComboBox* unit_ = nullptr;
    QCheckBox* fanned_ = nullptr;
    QLineEdit* radiusNut_ = nullptr;
    QComboBox* boardEndShape_ = nullptr;
    QComboBox* spacing_ = nullptr;
    QLineEdit* stringLengths_ = nullptr;
    QCheckBox* leftHanded_ = nullptr;
    QLineEdit* bassLength_ = nullptr;
    QLabel* bassLengthLabel_ = nullptr;
    QLineEdit* trebleLength_ = nullptr;
    QComboBox* perpendicular_ = nullptr;
    QLabel* fanHint_ = nullptr;
    QComboBox* temperament_ = nullptr;
    QComboBox* mode_ = nullptr;
    QSpinBox* divisions_ = nullptr;
    QLineEdit* period_ = nullptr;
    QPushButton* scalaButton_ = nullptr;
    QLabel* scalaName_ = nullptr;
    QSpinBox* frets_ = nullptr;
    QSpinBox* strings_ = nullptr;
    QComboBox* openNote_ = nullptr;
    QFormLayout* lengthForm_ = nullptr;
    QFormLayout* temperamentForm_ = nullptr;
    std::vector<LengthField> lengths_;
    std::vector<QWidget*> marked_;
    board::ScalaSource scala_; // the Scala scale chosen last, kept when another source is tried
};

} // namespace corvane::atelier

#pragma once

#include "design_document.h"
#include "layout.h"
#include "stringing.h"

#include <QWidget>

#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace corvane::atelier {

// The strings of the design: one row per string (its pitch and catalogue
// item, typed; its gauge, unit weight, tension, string constants with their
// source and setbacks, computed), the action, and the compensation. A
// string set of the catalogue fills every row at once. The panel marks what
// it cannot read and passes on only what it can; the figures it shows are
// the engine's, from the layout the window computed.
class StringsPanel : public QWidget {
    Q_OBJECT

public:
    explicit StringsPanel(board::DesignDocument& document, QWidget* parent = nullptr);

    // The engine's figures for the document's strings, after each change.
    void showLayout();

    QComboBox* setField() const { return set_; }
    QTableWidget* stringsTable() const { return table_; }
    QComboBox* compensationField() const { return compensation_; }
    QComboBox* tensionUnitField() const { return tensionUnit_; }
    QCheckBox* fretletsField() const { return fretlets_; }
    QPushButton* chartButton() const { return chart_; }
    QLabel* problemsLabel() const { return problems_; }
    QLineEdit* saddleHeightField() const { return saddleHeight_; }

    // The columns of the strings' table. Pitch and item are typed; gauge,
    // unit weight (g/m), kappa and B0 are derived unless the user types
    // them.
    enum Column {
        Pitch,
        Item,
        Gauge,
        UnitWeight,
        Tension,
        Kappa,
        B0,
        Source,
        SaddleSetback,
        NutSetback,
        RmsAfter,
        NutPosition,
        BridgePosition,
        ColumnCount
    };

signals:
    // The intonation chart was asked for.
    void chartRequested();

private:
    // Shows the document's strings (a file opened, a new design).
    void showDocument();
    void buildRows(int strings);
    // Proposes the strings to the document as the user set them.
    void propose(const board::Stringing& next);
    void applySet(int index);
    void read();
    void markCell(int row, int column, const QString& problem);
    static bool Typeable(int column);
    bool takeTypedValue(int row, int column);

    board::DesignDocument& document_;
    // The strings the rows were last written from: rows the user is typing
    // in are not written over by a change made elsewhere.
    board::Stringing rowsShow_;
    bool proposing_ = false; // the document's change is the panel's own
    board::Unit unit_ = board::Unit::Millimetre;
    int strings_ = 6;
    bool filling_ = false;

    QComboBox* set_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* problems_ = nullptr;
    QComboBox* tensionUnit_ = nullptr;
    QDoubleSpinBox* reference_ = nullptr;
    QLineEdit* nutClearance_ = nullptr;
    QLineEdit* saddleHeight_ = nullptr;
    QLineEdit* relief_ = nullptr;
    QComboBox* compensation_ = nullptr;
    QSpinBox* fitFrets_ = nullptr;
    QComboBox* saddle_ = nullptr;
    QCheckBox* fretlets_ = nullptr;
    QPushButton* chart_ = nullptr;
};

} // namespace corvane::atelier

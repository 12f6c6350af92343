#pragma once

#include "fields.h"
#include "gcode.h"
#include "layout.h"

#include <QDialog>

#include <string_view>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace corvane::atelier {

class BoardView;

// Fichier › Exporter le programme de rainurage: the design's router values,
// in its unit, with the tool's path drawn over the board as they are
// typed. Accepting checks them as the program does and says which one a
// router cannot use; the window then keeps them in the design.
class SlottingDialog : public QDialog {
    Q_OBJECT

public:
    explicit SlottingDialog(const board::BoardLayout& board, QWidget* parent = nullptr);

    // The router's values as the user accepted them.
    const board::RouterValues& values() const { return values_.router; }
    // Those last accepted, for a new design.
    static board::RouterValues Remembered();
    // A value's field by its key, with or without "router." ("slot_depth").
    QLineEdit* field(std::string_view key) const;
    BoardView* preview() const { return preview_; }
    QCheckBox* followRadiusField() const { return followRadius_; }

    void accept() override;

private:
    struct Field {
        const board::NumberField* field;
        QLineEdit* edit;
    };
    bool readFields(QString* problem);
    // A value the engine refused, named by its label.
    QString refusalText(const board::DesignError& refused) const;
    void showPreview();

    const board::BoardLayout& board_;
    board::Design values_; // only its router values are read and shown
    std::vector<Field> fields_;
    QComboBox* origin_ = nullptr;
    QCheckBox* followRadius_ = nullptr;
    BoardView* preview_ = nullptr;
};

} // namespace corvane::atelier

#pragma once

#include "gcode.h"
#include "layout.h"

#include <QDialog>

#include <vector>

class QComboBox;
class QLineEdit;

namespace corvane::atelier {

class BoardView;

// Fichier › Exporter le programme de rainurage: the router's values, in
// the design's unit and remembered from one export to the next, with the
// tool's path drawn over the board as the values are typed. Accepting
// checks them as the program does and says which one a router cannot use.
class SlottingDialog : public QDialog {
    Q_OBJECT

public:
    explicit SlottingDialog(const board::BoardLayout& board, QWidget* parent = nullptr);

    drawing::SlottingParameters parameters() const { return parameters_; }
    QLineEdit* field(const char* key) const;
    BoardView* preview() const { return preview_; }

    void accept() override;

private:
    struct Field {
        const char* key; // also the setting's name
        QLineEdit* edit;
        double drawing::SlottingParameters::*member;
    };
    bool readFields(QString* problem);
    // A value the engine refused, named by its label.
    QString refusalText(const board::DesignError& refused) const;
    void showPreview();

    const board::BoardLayout& board_;
    drawing::SlottingParameters parameters_;
    std::vector<Field> fields_;
    QComboBox* origin_ = nullptr;
    BoardView* preview_ = nullptr;
};

} // namespace corvane::atelier

#pragma once

// The template's choices as widgets: the "Gabarit" tab of the print dialog
// and the first step of saving a template share them.

#include "window_template.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;

namespace corvane::ui {

class TemplateOptionsWidget : public QWidget {
    Q_OBJECT

public:
    enum class Use { Printing, Saving };
    explicit TemplateOptionsWidget(Use use, QWidget* parent = nullptr);

    // Printing only: whether the template pages follow the sheet (unticked
    // at first, so printing is as it always was).
    bool printTemplate() const;
    TemplateChoice choice() const;

private:
    void unitChanged();

    QCheckBox* printBox_ = nullptr;
    QComboBox* unitList_ = nullptr;
    QDoubleSpinBox* widthBox_ = nullptr;
    QComboBox* paperList_ = nullptr;
    drawing::Unit shownUnit_ = drawing::Unit::Millimetre;
};

} // namespace corvane::ui

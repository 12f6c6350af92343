#pragma once

#include "fret_calculator.h"
#include "sheets.h"
#include "widget_surface.h"

#include <QPixmap>
#include <QWidget>

#include <memory>

namespace corvane::ui {

// The main window. It lays out its controls from the design tables and
// hands every event to the calculator or to the sheets; it computes nothing
// itself. The calculator reads and writes the controls through
// WidgetSurface, by their control names.
class Base : public QWidget, public SheetSource {
    Q_OBJECT

public:
    explicit Base(QWidget* parent = nullptr);
    ~Base() override;

    // What the sheets copy: the current text of "Combo1", "Combo2" or
    // "Text1" to "Text48"; for "Longvib", the length box's text at the last
    // scale choice that computed the positions in the boxes.
    QString sourceText(const QString& control) const override;

    // How the print button prints a sheet; the print dialog by default.
    void setSheetPrinting(std::unique_ptr<SheetPrinting> printing);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildControls();
    void wireEvents();

    void Longvib_Change();
    void Combo2_Click();
    void Combo1_Click();
    void Command1_Click();
    void Command2_Click();
    void Command4_Click();

    QPixmap background_;
    WidgetSurface surface_;
    fret::FretCalculator calculator_;
    std::unique_ptr<SheetPrinting> printing_;
};

} // namespace corvane::ui

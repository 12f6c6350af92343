#pragma once

#include "modal_window.h"
#include "sheet_design.h"

namespace corvane::ui {

class SheetSource;

// A result sheet, built from its design values: every box empty but the
// "Diap." box, the title empty until the load step sets it.
class SheetWindow : public ModalWindow {
    Q_OBJECT

public:
    explicit SheetWindow(const SheetDesign& design);

    // The load step: walks the design's copy table in order, each step
    // copying one main-window text character for character into one control
    // of the sheet. Reads the source only; never writes to it.
    void load(const SheetSource& source);

private:
    void setControlText(const QString& control, const QString& text);

    const SheetDesign& design_;
};

} // namespace corvane::ui

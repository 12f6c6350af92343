#pragma once

#include "modal_window.h"
#include "sheet_design.h"
#include "window_template.h"

class QMenu;

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

    // What the full-size template of this sheet is drawn from: the main
    // window it was loaded from, read when a template is asked for. The
    // sheet is modal, so the main window cannot have changed since.
    WindowTemplateTexts templateTexts() const;

protected:
    // Right-click: "Enregistrer le gabarit…".
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void setControlText(const QString& control, const QString& text);
    void showMenu(QMenu& menu, QPoint globalPosition);

    const SheetDesign& design_;
    const SheetSource* source_ = nullptr;
};

} // namespace corvane::ui

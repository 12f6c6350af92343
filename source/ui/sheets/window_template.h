#pragma once

// The full-size template of what the main window shows: its scale, mode and
// the engine's position and note texts, read from the main window (what the
// user types into a sheet does not change the template).

#include "classic_template.h"
#include "drawing_unit.h"
#include "paginator.h"

#include <QString>

#include <optional>

class QWidget;

namespace corvane::ui {

class SheetSource;

struct WindowTemplateTexts {
    // Everything but the unit, width and date; or why there is no template.
    drawing::ClassicTemplateRequest request;
    std::optional<QString> error;
};

// The classic windows speak French: the words their templates print, and
// a problem as they say it.
drawing::TemplateWords ClassicTemplateWords();
QString ClassicProblemText(const board::Problem& problem);

// Reads the scale, the mode, the length the positions came from and the
// visible slots' texts, as the window's engine wrote them.
WindowTemplateTexts SnapshotTemplateTexts(const SheetSource& source);

// What the user chose for a template, in the print dialog or before saving.
struct TemplateChoice {
    drawing::Unit unit = drawing::Unit::Millimetre;
    double boardWidth = 60; // in the unit
    drawing::Paper paper; // for a saved PDF
};

// The drawing, or the French reason there is none.
struct WindowTemplate {
    std::optional<drawing::Drawing> drawing;
    QString title;
    std::optional<QString> error;
};
WindowTemplate BuildWindowTemplate(const WindowTemplateTexts& texts, const TemplateChoice& choice);

// "Enregistrer le gabarit…": asks for the unit, the width and the paper,
// then for the file (PDF, SVG or DXF), and writes it whole or not at all.
// Says why in a message box when it cannot; a cancelled dialog does nothing.
void SaveTemplateInteractively(QWidget* parent, const WindowTemplateTexts& texts);

} // namespace corvane::ui

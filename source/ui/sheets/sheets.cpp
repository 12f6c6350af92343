#include "sheets.h"

#include "info_window.h"
#include "sheet_design.h"
#include "sheet_window.h"

namespace corvane::ui {

void OpenInfo()
{
    // Lives only while shown: closing discards it, the next opening starts
    // from the design values again.
    InfoWindow info;
    info.showModal();
}

void OpenSheet(int scaleKind, const SheetSource& source, SheetPrinting& printing)
{
    const SheetDesign* design = SheetForScaleKind(scaleKind);
    if (design == nullptr)
        return;
    // Created afresh and loaded at every click, so it shows the main window
    // as it is now; whatever the user types into it dies with it.
    SheetWindow sheet(*design);
    sheet.load(source);
    printing.printSheet(sheet);
    sheet.showModal();
}

} // namespace corvane::ui

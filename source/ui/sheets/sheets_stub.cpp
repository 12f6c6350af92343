// Placeholder until the sheet windows exist: the buttons do nothing yet.
#include "sheets.h"

namespace corvane::ui {

namespace {
class NoPrinting : public SheetPrinting {
public:
    void printSheet(QWidget&) override {}
};
} // namespace

std::unique_ptr<SheetPrinting> MakeDialogPrinting(QWidget*) { return std::make_unique<NoPrinting>(); }
std::unique_ptr<SheetPrinting> MakePdfFilePrinting(const QString&) { return std::make_unique<NoPrinting>(); }
void OpenInfo() {}
void OpenSheet(int, const SheetSource&, SheetPrinting&) {}

} // namespace corvane::ui

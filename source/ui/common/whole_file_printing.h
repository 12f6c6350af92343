#pragma once

#include <QString>

#include <functional>
#include <optional>

class QPrinter;

namespace corvane::ui {

// Prints through `paint`, which draws every page on the printer and says
// whether the printer could be opened and closed.
//
// When the printer writes a file (a print to a PDF file), Qt does not
// report a failed write: a full disk leaves a truncated file and a printer
// that says all went well. So the pages go to a temporary file first, are
// checked to be whole, and only then replace the chosen file through the
// file library, like every file Corvane writes: a temporary in the same
// folder, renamed over it. A failure leaves any earlier file as it was; a
// device, pipe or folder is refused. The printer's output file is
// unchanged afterwards.
//
// Returns the reason of a failure, in French, for "L'impression a échoué : ",
// or nothing when the pages went where the user sent them.
std::optional<QString> PrintWhole(QPrinter& printer, const std::function<bool(QPrinter&)>& paint);

} // namespace corvane::ui

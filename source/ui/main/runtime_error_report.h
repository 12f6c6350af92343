#pragma once

#include "runtime_error.h"

#include <utility>

class QWidget;

namespace corvane::ui {

// The title of the report, the program's name as its users know it.
inline constexpr const char* RuntimeErrorTitle = "Corvane";

// Shows a calculation's run-time error the way it has always been shown:
// a critical message box, "Erreur d'exécution '6' : Dépassement de capacité".
// Returns when the user has closed it.
void ReportRuntimeError(QWidget* window, const fret::RuntimeError& error);

// Runs one event handler of the calculator. A run-time error stops the
// handler, is reported, and the program goes on: the calculator has left
// the screen as it was before the failing step.
template <typename Handler> void RunReportingErrors(QWidget* window, Handler&& handler)
{
    try {
        std::forward<Handler>(handler)();
    } catch (const fret::RuntimeError& error) {
        ReportRuntimeError(window, error);
    }
}

} // namespace corvane::ui

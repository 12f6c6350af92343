#pragma once

namespace corvane::ui {

// Lives while QApplication connects to the display. When no display can be
// opened, Qt ends the program with abort() after several lines about its
// platform plugins (exit status 134, a core file). Under this guard it
// prints one clear line instead, "corvane : aucun affichage graphique
// disponible (DISPLAY)" (with the program's own name), and exits with
// status 1. Qt's other messages meanwhile are held back and passed on when
// the guard ends, the display open.
class DisplayGuard {
public:
    explicit DisplayGuard(const char* programName = "corvane");
    ~DisplayGuard();

    DisplayGuard(const DisplayGuard&) = delete;
    DisplayGuard& operator=(const DisplayGuard&) = delete;
};

} // namespace corvane::ui

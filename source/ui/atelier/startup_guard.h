#pragma once

// Started where no display can be reached, QApplication prints several
// lines of platform-plugin diagnostics and aborts (a core file, status 134).
// The guard keeps Qt's start-up messages back while the application
// connects, and turns a fatal failure to connect into one line on standard
// error and exit status 1. Once the application exists, the messages kept
// back are written as Qt would have written them and the guard steps aside.

namespace corvane::atelier {

class StartupGuard {
public:
    explicit StartupGuard(const char* programName);
    ~StartupGuard();
    StartupGuard(const StartupGuard&) = delete;
    StartupGuard& operator=(const StartupGuard&) = delete;

    // The application is up: write what was kept back and let Qt's own
    // handler take over again.
    void connected();
};

// True when no display can be tried at all: the platform is a windowing
// system's (Qt's default) and neither DISPLAY nor WAYLAND_DISPLAY is set.
bool NoDisplayConfigured();

// The one line written when no display can be reached.
void ReportNoDisplay(const char* programName);

} // namespace corvane::atelier

#include "startup_guard.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace corvane::atelier {
namespace {

// The context's texts are literals of the code that logged: they outlive
// the call.
struct KeptMessage {
    QtMsgType type;
    const char* file;
    int line;
    const char* function;
    const char* category;
    QString text;
};

const char* guardedProgram = nullptr;
QtMessageHandler previousHandler = nullptr;
QList<KeptMessage>* keptMessages = nullptr;

void KeepOrFail(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        // The only fatal message before the application exists is the
        // platform plugin's: no display. Qt would abort right after.
        ReportNoDisplay(guardedProgram);
        std::fflush(stderr);
        std::_Exit(1);
    }
    keptMessages->append({type, context.file, context.line, context.function, context.category, text});
}

} // namespace

StartupGuard::StartupGuard(const char* programName)
{
    guardedProgram = programName;
    keptMessages = new QList<KeptMessage>;
    previousHandler = qInstallMessageHandler(KeepOrFail);
}

StartupGuard::~StartupGuard()
{
    connected();
}

void StartupGuard::connected()
{
    if (!keptMessages)
        return;
    qInstallMessageHandler(previousHandler);
    for (const KeptMessage& message : *keptMessages) {
        const QMessageLogContext context(message.file, message.line, message.function, message.category);
        qt_message_output(message.type, context, message.text);
    }
    delete keptMessages;
    keptMessages = nullptr;
}

bool NoDisplayConfigured()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const bool windowingSystem = platform.isEmpty() || platform.startsWith("xcb") || platform.startsWith("wayland");
    return windowingSystem && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

void ReportNoDisplay(const char* programName)
{
    const QByteArray display = qgetenv("DISPLAY");
    if (display.isEmpty())
        std::fprintf(stderr, "%s : aucun affichage graphique disponible (DISPLAY)\n", programName);
    else
        std::fprintf(stderr, "%s : aucun affichage graphique disponible (DISPLAY=%s ne répond pas)\n",
                     programName, display.constData());
}

} // namespace corvane::atelier

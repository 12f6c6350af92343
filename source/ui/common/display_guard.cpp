#include "display_guard.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace corvane::ui {

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

const char* guardedProgram = "corvane";
QtMessageHandler previousHandler = nullptr;
QList<HeldMessage>* heldMessages = nullptr;

// What the user can set right: the platform asked for, or the display
// variable that is missing or names a display that does not answer.
QByteArray WhatIsMissing()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty())
        return "QT_QPA_PLATFORM=" + platform;
    const QByteArray x11 = qgetenv("DISPLAY");
    if (!x11.isEmpty())
        return "DISPLAY=" + x11 + " ne répond pas";
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    if (!wayland.isEmpty())
        return "WAYLAND_DISPLAY=" + wayland + " ne répond pas";
    return "DISPLAY";
}

void HoldOrExit(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s : aucun affichage graphique disponible (%s)\n", guardedProgram,
            WhatIsMissing().constData());
        std::fflush(stderr);
        // Nothing is open yet but the half-made application, which Qt has
        // given up on: leave without running its destructors.
        std::_Exit(1);
    }
    heldMessages->append({ type, QByteArray(context.category), text });
}

} // namespace

DisplayGuard::DisplayGuard(const char* programName)
{
    guardedProgram = programName;
    heldMessages = new QList<HeldMessage>;
    previousHandler = qInstallMessageHandler(HoldOrExit);
}

DisplayGuard::~DisplayGuard()
{
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage& message : *heldMessages) {
        const QMessageLogContext context(nullptr, 0, nullptr,
            message.category.isEmpty() ? nullptr : message.category.constData());
        previousHandler(message.type, context, message.text);
    }
    delete heldMessages;
    heldMessages = nullptr;
}

} // namespace corvane::ui

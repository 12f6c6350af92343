#include "template_command.h"

#include "file_names.h"
#include "messages.h"
#include "template_export.h"
#include "template_format.h"
#include "template_request.h"
#include "translation.h"
#include "units.h"

#include <QGuiApplication>

#include <cstdio>
#include <memory>

namespace corvane::cli {

void EnsureGuiApplication()
{
    if (QGuiApplication::instance() != nullptr)
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's own notes (no runtime directory, font fallbacks) are not the
    // user's business; failures come back as one French line.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "corvane-frets: %s\n", qPrintable(message));
    });
    static int argc = 1;
    static char name[] = "corvane-frets";
    static char* argv[] = { name, nullptr };
    static std::unique_ptr<QGuiApplication> application
        = std::make_unique<QGuiApplication>(argc, argv);
    // The application's translators take over from those loaded before it.
    language::InstallLoadedTranslations(*application);
}

std::optional<std::string> WriteClassicTemplate(
    const Options& options, const FretTable& table, const std::string& decimalSeparator)
{
    std::optional<double> boardWidth;
    if (options.boardWidthText) {
        const auto widthMm = board::ParseLength(*options.boardWidthText, options.unit);
        if (!widthMm)
            return Say(QT_TRANSLATE_NOOP("corvane-frets", "%1 : %2"),
                { "--board-width", ProblemSaid(widthMm.problem) });
        boardWidth = *widthMm.value / drawing::MillimetresPer(options.unit);
    }
    drawing::ClassicTemplateRequest request
        = TemplateRequestFor(table, decimalSeparator, options.unit, boardWidth, TodayText());
    request.words = language::InterfaceTemplateWords(); // the scale and notes stay the window's
    const drawing::ClassicTemplate built = drawing::BuildClassicTemplate(request);
    if (!built.drawing)
        return ProblemSaid(*built.error);

    // Only a PDF needs Qt's fonts and painter: SVG and DXF are written
    // without starting it.
    if (drawing::TemplateFormatOf(*options.templatePath) == drawing::TemplateFormat::Pdf)
        EnsureGuiApplication();
    const QString path = drawing::FileNameFromNative(*options.templatePath);
    const drawing::ExportOptions exportOptions { options.paper, options.unit,
        QString::fromStdString(drawing::ClassicTemplateTitle(request)), {} };
    if (const auto error = drawing::ExportTemplate(*built.drawing, path, exportOptions))
        return ProblemSaid(*error);
    return std::nullopt;
}

} // namespace corvane::cli

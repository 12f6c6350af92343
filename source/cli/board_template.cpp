#include "board_template.h"

#include "board_drawing.h"
#include "file_names.h"
#include "messages.h"
#include "paginator.h"
#include "radius_gauges.h"
#include "template_command.h"
#include "template_export.h"
#include "template_format.h"
#include "template_request.h"
#include "translation.h"

#include "image_export.h"
#include "intonation_chart.h"
#include "problem_text.h"
#include "whole_file.h"

#include <QString>

namespace corvane::cli {

std::optional<std::string> WriteBoardTemplate(const board::BoardLayout& board,
    const std::string& path, const std::optional<std::string>& paperName, TemplateDrawing what)
{
    const auto paper = drawing::PaperFromName(paperName.value_or("a4"));
    if (!paper)
        return Say(
            QT_TRANSLATE_NOOP("corvane-frets", "papier inconnu « %1 » (a4, letter, a3 ou legal)"),
            { *paperName });

    // Only a PDF needs Qt's fonts and painter: SVG and DXF are written
    // without starting it.
    if (drawing::TemplateFormatOf(path) == drawing::TemplateFormat::Pdf)
        EnsureGuiApplication();
    drawing::BoardDrawingOptions options;
    options.date = TodayText();
    options.words = language::InterfaceTemplateWords();
    options.cut = board.design.cut;
    const bool gauges = what == TemplateDrawing::RadiusGauges;
    const drawing::Drawing boardDrawing = gauges ? drawing::RadiusGauges(board, options.words)
                                                 : drawing::BoardDrawing(board, options);
    drawing::ExportOptions exportOptions;
    exportOptions.paper = *paper;
    exportOptions.unit = board.design.unit;
    exportOptions.title
        = QString::fromStdString(gauges ? drawing::RadiusGaugesTitle(board, options.words)
                                        : drawing::BoardTemplateTitle(board, ".", options.words));
    exportOptions.words = options.words;
    exportOptions.hairline = board.design.cut.hairline;
    const auto failure
        = drawing::ExportTemplate(boardDrawing, drawing::FileNameFromNative(path), exportOptions);
    if (failure)
        return ProblemSaid(*failure);
    return std::nullopt;
}

std::optional<std::string> WriteIntonationChart(
    const board::BoardLayout& board, const std::string& path)
{
    const drawing::Drawing chart
        = drawing::IntonationChart(board, language::InterfaceTemplateWords());
    const auto format = drawing::ChartFormatOf(path);
    if (!format)
        return Say(QT_TRANSLATE_NOOP("corvane-frets",
                       "--intonation-chart %1 : un fichier .svg ou .png est attendu"),
            { path });
    if (format == drawing::ChartFormat::Png)
        EnsureGuiApplication(); // the painter needs Qt's fonts
    const auto failure = drawing::WriteChartFile(chart, board.temperament.name, path);
    if (failure)
        return ProblemSaid(board::WriteProblemOf(*failure));
    return std::nullopt;
}

} // namespace corvane::cli

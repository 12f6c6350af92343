#include "template_request.h"

#include "fret_slots.h"
#include "scale_catalogue.h"

#include <ctime>

namespace corvane::cli {

drawing::ClassicTemplateRequest TemplateRequestFor(const FretTable& table,
    const std::string& decimalSeparator, drawing::Unit unit, std::optional<double> boardWidth,
    const std::string& date)
{
    const fret::ScaleChoice* scale = fret::FindScaleChoice(table.scaleText);
    const bool diatonic = scale != nullptr && scale->kind == fret::DiatonicScaleKind;
    drawing::ClassicTemplateRequest request;
    request.scaleText = table.scaleText;
    request.modeText = table.mode == Mode::Sol ? "Sol" : table.mode == Mode::Do ? "Do" : "";
    request.lengthText = table.lengthText;
    request.decimalSeparator = decimalSeparator;
    request.unit = unit;
    request.boardWidth = boardWidth.value_or(drawing::DefaultBoardWidth(unit));
    request.date = date;
    for (const FretRow& row : table.rows)
        request.frets.push_back(drawing::ClassicFret { fret::PlayerFretNumber(diatonic, row.slot),
            row.position, table.mode == Mode::None ? "" : row.note });
    return request;
}

std::string TodayText()
{
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

} // namespace corvane::cli

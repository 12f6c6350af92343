#include "table_output.h"

#include "csv.h"
#include "messages.h"
#include "text_fields.h"
#include "translation.h"
#include "words.h"

#include <algorithm>
#include <string_view>

namespace corvane::cli {

namespace {

std::string_view ModeName(Mode mode)
{
    switch (mode) {
    case Mode::Sol:
        return "sol";
    case Mode::Do:
        return "do";
    case Mode::None:
        break;
    }
    return "none";
}

// The window writes note names after a blank (" Ré") to set them off in
// their box; a table has columns for that.
std::string_view NoteName(std::string_view note)
{
    if (!note.empty() && note.front() == ' ')
        note.remove_prefix(1);
    return note;
}

} // namespace

std::string FormatCsv(const FretTable& table)
{
    std::string out = "slot,position,note,fret\n";
    for (const FretRow& row : table.rows)
        out += board::CsvLine({ std::to_string(row.slot), row.position,
            std::string(NoteName(row.note)), std::to_string(row.fret) });
    return out;
}

std::string FormatJson(const FretTable& table)
{
    std::string out = "{\"length\": " + JsonString(table.lengthText)
        + ", \"scale\": " + JsonString(table.scaleText)
        + ", \"mode\": " + JsonString(ModeName(table.mode)) + ", \"slots\": [";
    bool first = true;
    for (const FretRow& row : table.rows) {
        if (!first)
            out += ", ";
        first = false;
        out += "{\"slot\": " + std::to_string(row.slot) + ", \"fret\": " + std::to_string(row.fret)
            + ", \"position\": " + JsonString(row.position)
            + ", \"note\": " + JsonString(NoteName(row.note)) + "}";
    }
    out += "]}\n";
    return out;
}

std::string FormatText(const FretTable& table)
{
    // The scale names and Sol and Do are the classic program's own words.
    const language::Language speaking = language::CurrentLanguage();
    const std::string FretHeading = language::TableHeading(board::TableColumn::Fret, speaking, {});
    const std::string PositionHeading = Say(QT_TRANSLATE_NOOP("corvane-frets", "Position"));
    const std::string NoteHeading = language::TableHeading(board::TableColumn::Note, speaking, {});

    std::string out = Say(QT_TRANSLATE_NOOP("corvane-frets", "%1 - longueur vibrante %2"),
        { table.scaleText, table.lengthText });
    if (table.mode != Mode::None)
        out += Say(QT_TRANSLATE_NOOP("corvane-frets", ", mode %1"),
            { table.mode == Mode::Sol ? "Sol" : "Do" });
    out += "\n\n";

    std::size_t positionWidth = TerminalColumns(PositionHeading);
    for (const FretRow& row : table.rows)
        positionWidth = std::max(positionWidth, TerminalColumns(row.position));

    const bool withNotes = table.mode != Mode::None;
    out += std::string(FretHeading) + "  " + PadLeft(PositionHeading, positionWidth);
    if (withNotes)
        out += "  " + std::string(NoteHeading);
    out += '\n';
    for (const FretRow& row : table.rows) {
        out += PadLeft(std::to_string(row.fret), TerminalColumns(FretHeading)) + "  "
            + PadLeft(row.position, positionWidth);
        if (withNotes)
            out += "  " + std::string(NoteName(row.note));
        out += '\n';
    }
    return out;
}

} // namespace corvane::cli

#include "board_command.h"

#include "board_options.h"
#include "board_table_output.h"
#include "design_file.h"
#include "fields.h"
#include "figure_text.h"
#include "gcode.h"
#include "messages.h"
#include "option_table.h"
#include "plain_number.h"
#include "problem_text.h"
#include "strings_report.h"
#include "text_fields.h"
#include "translation.h"
#include "whole_file.h"

#include <cerrno>
#include <cstring>
#include <ostream>

namespace corvane::cli {

namespace {

constexpr int ExitValue = 1;
constexpr int ExitUsage = 2;

// 0 once everything written has reached the output; otherwise one line
// saying why, and 1 (a full disk, a closed output). errno was cleared
// before the writing began.
int Flushed(std::ostream& out, std::ostream& err, const char* what)
{
    out.flush();
    if (out)
        return 0;
    err << "corvane-frets: " << Say(what, { std::strerror(errno != 0 ? errno : EIO) }) << '\n';
    return ExitValue;
}

// The slotting program, written whole; 0, or 1 with one line saying why.
int WriteSlottingProgram(
    const board::BoardLayout& layout, const BoardOptions& options, std::ostream& err)
{
    const auto programs = drawing::SlottingPrograms(layout, layout.temperament.name);
    if (const auto* problem = std::get_if<board::DesignError>(&programs)) {
        err << "corvane-frets: " << DesignErrorSaid(*problem, layout.design.unit) << '\n';
        return ExitValue;
    }
    // A board longer than the bed: NAME-1.nc, NAME-2.nc, ... each whole.
    const auto& texts = std::get<std::vector<std::string>>(programs);
    for (std::size_t k = 0; k < texts.size(); ++k) {
        const std::string path = texts.size() == 1
            ? *options.gcodePath
            : drawing::PartFileName(*options.gcodePath, k + 1);
        if (const auto failure = files::WriteWholeFile(path, texts[k])) {
            err << "corvane-frets: " << ProblemSaid(board::WriteProblemOf(*failure)) << '\n';
            return ExitValue;
        }
    }
    return 0;
}

// A number of the field table as the help gives it, in millimetres.
std::string HelpNumber(const board::NumberField& field, double value)
{
    const std::string number = board::MessageNumberText(value);
    switch (field.quantity) {
    case board::Quantity::Length:
        return number + " mm";
    case board::Quantity::Feed:
        return number + " mm/min";
    case board::Quantity::Frequency:
        return number + " Hz";
    case board::Quantity::Count:
        break;
    }
    return number;
}

// What a design number takes: its default and its range.
std::string DefaultAndRange(const board::NumberField& field)
{
    using S = board::RangeStyle;
    const double byDefault = field.get(board::Design {});
    const std::string low = HelpNumber(field, field.low), high = HelpNumber(field, field.high);
    std::string range;
    switch (field.style) {
    case S::AboveMinimum:
        range = Say(QT_TRANSLATE_NOOP("corvane-frets", "plus de %1, au plus %2"), { low, high });
        break;
    case S::AtLeast:
        range = Say(QT_TRANSLATE_NOOP("corvane-frets", "de %1 à %2"), { low, high });
        break;
    case S::Between:
    case S::Setback:
        range = Say(QT_TRANSLATE_NOOP("corvane-frets", "de %1 à %2"), { low, high });
        break;
    case S::AboveAndAtMost:
        range = Say(QT_TRANSLATE_NOOP("corvane-frets", "plus de %1, au plus %2"), { low, high });
        break;
    case S::ZeroOrBetween:
        range = Say(QT_TRANSLATE_NOOP("corvane-frets", "0 ou de %1 à %2"), { low, high });
        break;
    }
    if (field.optional && byDefault == 0)
        return range;
    return Say(QT_TRANSLATE_NOOP("corvane-frets", "%1 par défaut ; %2"),
        { HelpNumber(field, byDefault), range });
}

// A help line: the option, then its text from the 25th column, folded to
// fit 80 columns; an option too long for its column takes a line of its own.
std::string Wrapped(const std::string& name, const std::string& text)
{
    constexpr std::size_t Column = 24, Width = 79;
    std::string out = name.size() < Column ? name + std::string(Column - name.size(), ' ')
                                           : name + "\n" + std::string(Column, ' ');
    std::size_t used = Column;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        const std::string word = text.substr(start, end - start);
        const std::size_t columns = TerminalColumns(word);
        if (used > Column && used + 1 + columns > Width) {
            out += "\n" + std::string(Column, ' ');
            used = Column;
        } else if (used > Column) {
            out += ' ';
            ++used;
        }
        out += word;
        used += columns;
        start = end + 1;
    }
    return out + "\n";
}

// The help: what the command does, then its options, group by group, each
// with its value and what it does; a design number with its default and
// range.
void WriteHelp(std::ostream& out)
{
    const std::pair<OptionGroup, const char*> groups[] = {
        { OptionGroup::Table, QT_TRANSLATE_NOOP("corvane-frets", "Le tableau :") },
        { OptionGroup::Temperament,
            QT_TRANSLATE_NOOP("corvane-frets", "Le tempérament (un seul) :") },
        { OptionGroup::Board, QT_TRANSLATE_NOOP("corvane-frets", "La touche :") },
        { OptionGroup::Strings,
            QT_TRANSLATE_NOOP(
                "corvane-frets", "Les cordes (tension, justesse et compensation) :") },
        { OptionGroup::Files,
            QT_TRANSLATE_NOOP("corvane-frets", "Des fichiers au lieu du tableau :") },
        { OptionGroup::Cut, QT_TRANSLATE_NOOP("corvane-frets", "Pour le laser (gabarits) :") },
        { OptionGroup::Router,
            QT_TRANSLATE_NOOP("corvane-frets", "Pour la fraiseuse (programme de rainurage) :") },
    };
    out << Say(QT_TRANSLATE_NOOP("corvane-frets", "utilisation : %1"), { UsageLine() }) << "\n\n"
        << Say(QT_TRANSLATE_NOOP("corvane-frets",
               "Écrit où vont les frettes sur une touche droite ou en éventail, dans tout\n"
               "tempérament : une ligne par frette et par corde. Avec une des six gammes\n"
               "classiques et rien que --length, --scale, --mode, --format, --separator,\n"
               "--unit, --template, --paper et --board-width, le tableau de la fenêtre,\n"
               "chiffre pour chiffre. Les longueurs sont dans l'unité choisie.\n"));
    for (const auto& [group, heading] : groups) {
        out << "\n" << Say(heading) << "\n";
        for (const CommandOption& option : CommandOptions()) {
            if (option.group != group)
                continue;
            std::string name = "  " + std::string(option.name)
                + (option.value.empty() ? "" : " " + Say(std::string(option.value).c_str()));
            const board::NumberField* field = board::FindNumberField(option.fields[0]);
            std::string text;
            if (option.help != nullptr)
                text = Say(option.help);
            else if (field != nullptr)
                text = FieldSubjectSaid(field->key)
                    + (option.fields[1].empty() || option.split == ValueSplit::One
                            ? std::string()
                            : " : " + FieldSubjectSaid(option.fields[1]));
            if (field != nullptr && option.name != "--length")
                text += " (" + DefaultAndRange(*field) + ")";
            out << Wrapped(name, text);
        }
    }
}

} // namespace

void PrintHelp(std::ostream& out)
{
    WriteHelp(out);
}

int RunBoardCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
    const std::string& regionalSeparator, const BoardTemplateWriter& writeTemplate,
    const IntonationChartWriter& writeChart)
{
    const BoardParseResult parsed = ParseBoardOptions(arguments);
    if (parsed.usage) {
        err << "corvane-frets: " << parsed.usage->message << '\n'
            << Say(QT_TRANSLATE_NOOP("corvane-frets", "utilisation : %1"), { UsageLine() }) << '\n';
        return ExitUsage;
    }
    if (parsed.valueError) {
        err << "corvane-frets: " << *parsed.valueError << '\n';
        return ExitValue;
    }
    const BoardOptions& options = *parsed.options;
    if (options.help) {
        errno = 0;
        WriteHelp(out);
        return Flushed(out, err, "impossible d'écrire l'aide : %1");
    }

    // A classic scale's notes keep the window's spelling, in every language;
    // --mode none leaves them unnamed.
    const bool classic = std::holds_alternative<board::ClassicSource>(options.design.temperament);
    board::LayoutResult computed = board::ComputeLayout(
        options.design, classic ? board::NoteNaming::Solfege : language::InterfaceNoteNaming());
    if (!computed.layout) {
        err << "corvane-frets: " << DesignErrorSaid(*computed.error, options.design.unit) << '\n';
        return ExitValue;
    }
    // Named in the user's language, like everything the command writes.
    computed.layout->temperament.name
        = language::TemperamentNameText(computed.layout->temperament.name).toStdString();
    if (!options.noteNames)
        for (board::FretOnString& row : computed.layout->rows)
            row.note.clear();
    const board::BoardLayout& layout = *computed.layout;

    if (options.saveDesignPath) {
        if (const auto failure
            = files::WriteWholeFile(*options.saveDesignPath, board::DesignToJson(options.design))) {
            err << "corvane-frets: " << ProblemSaid(board::WriteProblemOf(*failure)) << '\n';
            return ExitValue;
        }
        if (!options.gcodePath && !options.intonationChartPath && !options.templatePath
            && !options.radiusGaugesPath)
            return 0;
    }

    // What the strings could not have is said wherever the output itself
    // does not say it: in files, and in csv and json tables.
    const bool outputSays = !options.gcodePath && !options.intonationChartPath
        && !options.templatePath && !options.radiusGaugesPath
        && (options.stringsReport || options.format == Format::Text);
    if (!outputSays)
        for (const std::string& problem : StringProblemsSaid(layout))
            err << "corvane-frets: " << problem << '\n';

    if (options.gcodePath)
        return WriteSlottingProgram(layout, options, err);
    // A file instead of the table: 0, or 1 with one line saying why.
    const auto written = [&](const std::optional<std::string>& failure) {
        if (!failure)
            return 0;
        err << "corvane-frets: " << *failure << '\n';
        return ExitValue;
    };
    const std::string unavailable = Say(QT_TRANSLATE_NOOP(
        "corvane-frets", "les gabarits ne sont pas disponibles dans cette version"));
    if (options.intonationChartPath)
        return written(writeChart ? writeChart(layout, *options.intonationChartPath) : unavailable);
    if (options.templatePath)
        return written(writeTemplate ? writeTemplate(
                           layout, *options.templatePath, options.paper, TemplateDrawing::Board)
                                     : unavailable);
    if (options.radiusGaugesPath)
        return written(writeTemplate ? writeTemplate(layout, *options.radiusGaugesPath,
                           options.paper, TemplateDrawing::RadiusGauges)
                                     : unavailable);

    const std::string separator = options.separator.value_or(
        options.format == Format::Text ? regionalSeparator : std::string("."));
    errno = 0;
    // One row per string, or per fret and string.
    using Csv = std::string (*)(const board::BoardLayout&, const std::string&);
    using Json = std::string (*)(const board::BoardLayout&);
    const Csv csv = options.stringsReport ? FormatStringsCsv : FormatBoardCsv;
    const Json json = options.stringsReport ? FormatStringsJson : FormatBoardJson;
    const Csv text = options.stringsReport ? FormatStringsText : FormatBoardText;
    switch (options.format) {
    case Format::Csv:
        out << csv(layout, separator);
        break;
    case Format::Json:
        out << json(layout);
        break;
    case Format::Text:
        out << text(layout, separator);
        break;
    }
    return Flushed(out, err, "impossible d'écrire le tableau : %1");
}

} // namespace corvane::cli

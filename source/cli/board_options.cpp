#include "board_options.h"

#include "messages.h"
#include "option_table.h"
#include "options.h"
#include "string_options.h"

#include "design_file.h"
#include "drawing_unit.h"
#include "enum_table.h"
#include "fields.h"
#include "paginator.h"
#include "plain_number.h"
#include "temperament.h"
#include "units.h"

#include <algorithm>

namespace corvane::cli {

namespace {

std::string OptionName(const std::string& argument)
{
    return argument.substr(0, argument.find('='));
}

bool Known(std::string_view name)
{
    return FindCommandOption(name) != nullptr;
}

bool Flag(std::string_view name)
{
    const CommandOption* option = FindCommandOption(name);
    return option != nullptr && option->value.empty();
}

std::string FileName(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// How a length of the field's is typed: above zero, zero or more, signed.
board::LengthKind KindOf(const board::NumberField& field)
{
    switch (field.style) {
    case board::RangeStyle::AboveMinimum:
    case board::RangeStyle::AboveAndAtMost:
        return board::LengthKind::Positive;
    case board::RangeStyle::Setback:
        return board::LengthKind::Signed;
    default:
        return board::LengthKind::ZeroOrMore;
    }
}

// The parts of a value given to an option that sets several fields.
std::optional<std::vector<std::string>> Parts(const std::string& text, ValueSplit split)
{
    const std::size_t colon = text.find(':');
    switch (split) {
    case ValueSplit::One:
        return std::vector<std::string> { text, text };
    case ValueSplit::OneOrPair:
        if (colon == std::string::npos)
            return std::vector<std::string> { text, text };
        return std::vector<std::string> { text.substr(0, colon), text.substr(colon + 1) };
    case ValueSplit::Pair:
        if (colon == std::string::npos)
            return std::nullopt;
        return std::vector<std::string> { text.substr(0, colon), text.substr(colon + 1) };
    }
    return std::nullopt;
}

// Reads the value of an option that sets design numbers into the design;
// the message of a value that cannot be read, or nothing.
std::optional<std::string> ReadNumbers(
    const CommandOption& option, const std::string& text, board::Design& design)
{
    const auto parts = Parts(text, option.split);
    if (!parts)
        return Say(QT_TRANSLATE_NOOP("corvane-frets",
                       "%1 %2 : B:C attendu (hauteur au sillet : hauteur du chevalet)"),
            { option.name, text });
    for (std::size_t i = 0; i < 2 && !option.fields[i].empty(); ++i) {
        const board::NumberField& field = *board::FindNumberField(option.fields[i]);
        const std::string& part = (*parts)[i];
        double value = 0;
        switch (field.quantity) {
        case board::Quantity::Count: {
            const auto count = board::ReadPlainInteger(part);
            if (!count || *count < field.low || *count > field.high)
                return Say(QT_TRANSLATE_NOOP(
                               "corvane-frets", "%1 %2 : le %3 doit être un entier de %4 à %5"),
                    { option.name, part, FieldSubjectSaid(field.key),
                        board::MessageNumberText(field.low),
                        board::MessageNumberText(field.high) });
            value = *count;
            break;
        }
        case board::Quantity::Frequency: {
            // A frequency, as a pitch may be given ("442", "442 Hz").
            const auto pitch = board::ReadPitch(part);
            if (!pitch || pitch->midiNote)
                return Say(
                    QT_TRANSLATE_NOOP("corvane-frets", "%1 %2 : une fréquence en Hz est attendue"),
                    { option.name, part });
            value = pitch->frequencyHz;
            break;
        }
        case board::Quantity::Length:
        case board::Quantity::Feed: {
            const auto parsed = board::ParseDistance(part, design.unit, KindOf(field));
            if (!parsed)
                return Say(QT_TRANSLATE_NOOP("corvane-frets", "%1 : %2"),
                    { option.name, ProblemSaid(parsed.problem) });
            value = *parsed.value;
            break;
        }
        }
        field.set(design, value);
    }
    return std::nullopt;
}

// The two ways a reading fails: arguments that are not a call (exit 2),
// and a value the design cannot take (exit 1).
BoardParseResult UsageFailure(std::string message)
{
    BoardParseResult result;
    result.usage = UsageError { std::move(message) };
    return result;
}

BoardParseResult ValueFailure(std::string message)
{
    BoardParseResult result;
    result.valueError = std::move(message);
    return result;
}

// A temperament's option, read into the design.
std::optional<BoardParseResult> ReadTemperament(const OptionWords& words, board::Design& design)
{
    BoardParseResult result;
    if (const std::string* edo = words.find("--edo")) {
        const auto divisions = board::ReadPlainInteger(*edo);
        if (!divisions || *divisions < board::MinDivisions || *divisions > board::MaxDivisions)
            return ValueFailure(
                Say(QT_TRANSLATE_NOOP("corvane-frets",
                        "--edo %1 : le nombre de divisions doit être un entier de 1 à 1000"),
                    { *edo }));
        board::EqualDivisions equal;
        equal.divisions = *divisions;
        if (const std::string* period = words.find("--period")) {
            const auto parsed = board::ParsePeriod(*period);
            if (!parsed)
                return ValueFailure(Say(QT_TRANSLATE_NOOP("corvane-frets", "%1 : %2"),
                    { "--period", ProblemSaid(parsed.problem) }));
            equal.period = *parsed.value;
        }
        design.temperament = equal;
    } else if (const std::string* scl = words.find("--scl")) {
        const auto loaded = board::LoadScalaFile(*scl);
        if (!loaded)
            return ValueFailure(Say(QT_TRANSLATE_NOOP("corvane-frets", "%1 : %2"),
                { "--scl", ProblemSaid(loaded.problem) }));
        const auto built = board::MakeScala(*loaded.value);
        if (!built)
            return ValueFailure(Say(QT_TRANSLATE_NOOP("corvane-frets", "%1, %2"),
                { FileName(*scl), ProblemSaid(built.problem) }));
        design.temperament = *loaded.value;
    } else if (const std::string* table = words.find("--table")) {
        const auto parsed = board::ParseBuiltinTableName(*table);
        if (!parsed)
            return UsageFailure(
                Say(QT_TRANSLATE_NOOP("corvane-frets",
                        "table inconnue « %1 » (just-12, pythagorean-12, meantone-12)"),
                    { *table }));
        design.temperament = board::BuiltinSource { *parsed };
    } else if (const std::string* scale = words.find("--scale")) {
        const auto parsed = board::ParseClassicScaleName(*scale);
        if (!parsed)
            return UsageFailure(
                Say(QT_TRANSLATE_NOOP("corvane-frets", "gamme inconnue « %1 »"), { *scale }));
        board::ClassicSource classic { *parsed, board::ClassicMode::Do };
        if (const std::string* mode = words.find("--mode"); mode && *mode != "none") {
            if (*mode != "sol" && *mode != "do")
                return UsageFailure(
                    Say(QT_TRANSLATE_NOOP("corvane-frets", "mode inconnu « %1 » (sol, do ou none)"),
                        { *mode }));
            classic.mode = *mode == "sol" ? board::ClassicMode::Sol : board::ClassicMode::Do;
        }
        design.temperament = classic;
        // The window names the open string after the mode: Do, or Sol.
        if (!words.find("--open-note"))
            design.openNote = classic.mode == board::ClassicMode::Sol ? 7 : 0;
    }
    return std::nullopt;
}

} // namespace

bool IsBoardCommand(const std::vector<std::string>& arguments)
{
    return std::any_of(arguments.begin(), arguments.end(), [](const std::string& argument) {
        const CommandOption* option = FindCommandOption(OptionName(argument));
        return option != nullptr && !option->classic;
    });
}

std::string BoardUsageLine()
{
    std::string line = "corvane-frets";
    for (const CommandOption& option : CommandOptions())
        line += " [" + std::string(option.name)
            + (option.value.empty() ? "" : " " + std::string(option.value)) + "]";
    return line;
}

BoardParseResult ParseBoardOptions(const std::vector<std::string>& arguments)
{
    BoardParseResult result;

    BoardOptions options;
    const OptionWords words = SplitOptions(arguments, Known, Flag);
    if (words.error)
        return UsageFailure(words.error->message);
    for (const OptionValue& value : words.values)
        if (value.text.empty() && !Flag(value.name))
            return UsageFailure(
                Say(QT_TRANSLATE_NOOP("corvane-frets", "l'option « %1 » demande une valeur"),
                    { value.name }));
    options.help = words.help;
    if (options.help) {
        result.options = options;
        return result;
    }
    const auto find = [&](std::string_view name) { return words.find(name); };
    const int temperamentSources = (find("--edo") ? 1 : 0) + (find("--scl") ? 1 : 0)
        + (find("--table") ? 1 : 0) + (find("--scale") ? 1 : 0);
    if (temperamentSources > 1)
        return UsageFailure(Say(QT_TRANSLATE_NOOP(
            "corvane-frets", "choisissez une seule des options --edo, --scl, --table et --scale")));
    if (find("--period") && !find("--edo"))
        return UsageFailure(Say(QT_TRANSLATE_NOOP("corvane-frets", "--period va avec --edo")));
    if (const std::string* mode = find("--mode"); mode && *mode != "none" && !find("--scale"))
        return UsageFailure(Say(QT_TRANSLATE_NOOP("corvane-frets", "--mode va avec --scale")));
    if (const std::string* mode = find("--mode"); mode && *mode == "none")
        options.noteNames = false;
    if (find("--length") && (find("--bass-length") || find("--treble-length")))
        return UsageFailure(Say(QT_TRANSLATE_NOOP("corvane-frets",
            "donnez --length, ou --bass-length et --treble-length, pas les deux")));
    if (find("--lengths") && (find("--length") || find("--bass-length") || find("--treble-length")))
        return UsageFailure(Say(QT_TRANSLATE_NOOP("corvane-frets",
            "donnez --lengths, ou --length, ou --bass-length et --treble-length, un seul")));
    if (!find("--design") && !find("--length") && !find("--bass-length") && !find("--lengths"))
        return UsageFailure(Say(QT_TRANSLATE_NOOP(
            "corvane-frets", "--design, --length ou --bass-length est obligatoire")));
    if (find("--treble-length") && !find("--bass-length") && !find("--design"))
        return UsageFailure(
            Say(QT_TRANSLATE_NOOP("corvane-frets", "--treble-length va avec --bass-length")));

    board::Design& design = options.design;
    if (const std::string* path = find("--design")) {
        auto loaded = board::LoadDesign(*path);
        if (!loaded.design)
            return ValueFailure(Say(QT_TRANSLATE_NOOP("corvane-frets", "%1 : %2"),
                { FileName(*path), DesignFileErrorSaid(*loaded.error) }));
        design = *loaded.design;
    }

    // The unit lengths are typed and shown in.
    if (const std::string* unit = find("--unit")) {
        const auto named = drawing::UnitFromSymbol(*unit);
        if (!named)
            return UsageFailure(
                Say(QT_TRANSLATE_NOOP("corvane-frets", "unité inconnue « %1 » (mm, cm ou in)"),
                    { *unit }));
        design.unit = *named;
    }
    if (const std::string* format = find("--format")) {
        const auto named = FormatFromName(*format);
        if (!named)
            return UsageFailure(
                Say(QT_TRANSLATE_NOOP("corvane-frets", "format inconnu « %1 »"), { *format }));
        options.format = *named;
    }
    if (const std::string* separator = find("--separator")) {
        if (const auto problem = SeparatorProblem(*separator))
            return UsageFailure(*problem);
        options.separator = *separator;
    }
    if (const std::string* paper = find("--paper")) {
        if (!drawing::PaperFromName(*paper))
            return UsageFailure(Say(QT_TRANSLATE_NOOP("corvane-frets",
                                        "papier inconnu « %1 » (a4, letter, a3 ou legal)"),
                { *paper }));
        options.paper = *paper;
    }
    const std::pair<const char*, std::optional<std::string>*> files[]
        = { { "--template", &options.templatePath }, { "--gcode", &options.gcodePath },
              { "--intonation-chart", &options.intonationChartPath },
              { "--radius-gauges", &options.radiusGaugesPath },
              { "--save-design", &options.saveDesignPath } };
    for (const auto& [name, path] : files)
        if (const std::string* given = find(name))
            *path = *given;
    if (const auto refused = ReadTemperament(words, design))
        return *refused;

    // Every option that sets design numbers, in the table's order: --length
    // before the one-sided lengths, --overhang before --last-fret-overhang.
    for (const CommandOption& option : CommandOptions())
        if (const std::string* text = find(option.name);
            text && !option.fields[0].empty() && board::FindNumberField(option.fields[0])) {
            std::string value = *text;
            // The board's end may name its shape after the length.
            if (option.name == "--board-end")
                if (const std::size_t colon = value.rfind(':'); colon != std::string::npos) {
                    const std::string shape = value.substr(colon + 1);
                    const auto named = board::BoardEndShapeNamed(shape);
                    if (!named)
                        return ValueFailure(Say(QT_TRANSLATE_NOOP("corvane-frets",
                                                    "--board-end %1 : square ou round attendu"),
                            { shape }));
                    design.boardEndShape = *named;
                    value.erase(colon);
                }
            if (auto problem = ReadNumbers(option, value, design))
                return ValueFailure(std::move(*problem));
        }
    if (find("--bass-length") && !find("--treble-length") && !find("--design"))
        design.trebleLengthMm = design.bassLengthMm;
    // A length per string, bass first; the outer ones are the bass and
    // treble lengths. Given alone, they say how many strings there are.
    if (const std::string* given = find("--lengths")) {
        std::vector<double> lengths;
        std::size_t start = 0;
        while (start <= given->size()) {
            const std::size_t end = given->find_first_of(",;", start);
            const std::string part = given->substr(start, end - start);
            const auto parsed
                = board::ParseDistance(part, design.unit, board::LengthKind::Positive);
            if (!parsed)
                return ValueFailure(Say(QT_TRANSLATE_NOOP("corvane-frets", "%1 : %2"),
                    { "--lengths", ProblemSaid(parsed.problem) }));
            lengths.push_back(*parsed.value);
            if (end == std::string::npos)
                break;
            start = end + 1;
        }
        if (!find("--strings") && lengths.size() <= static_cast<std::size_t>(board::MaxStrings))
            design.strings = static_cast<int>(lengths.size());
        design.bassLengthMm = lengths.front();
        design.trebleLengthMm = lengths.back();
        design.stringLengthsMm = std::move(lengths);
    } else if (find("--length") || find("--bass-length") || find("--treble-length")) {
        design.stringLengthsMm.clear(); // lengths typed over a design's own
    }

    if (const std::string* note = find("--open-note")) {
        const auto parsed = board::ParseNoteName(*note);
        if (!parsed)
            return ValueFailure(Say(
                QT_TRANSLATE_NOOP("corvane-frets",
                    "--open-note %1 : nom de note attendu (Do, Do#, Ré, … Si ou C, C#, D, … B)"),
                { *note }));
        design.openNote = *parsed;
    }
    if (const std::string* perpendicular = find("--perpendicular")) {
        if (*perpendicular == "nut")
            design.perpendicularFret = 0;
        else if (*perpendicular == "bridge")
            design.perpendicularFret = board::PerpendicularAtBridge;
        else if (const auto fret = board::ReadPlainInteger(*perpendicular); fret && *fret >= 0)
            design.perpendicularFret = *fret;
        else
            return ValueFailure(
                Say(QT_TRANSLATE_NOOP("corvane-frets",
                        "--perpendicular %1 : un numéro de frette, nut ou bridge attendu"),
                    { *perpendicular }));
    }
    // A straight board of constant width, the strings parallel.
    if (const std::string* width = find("--board-width")) {
        const auto parsed = board::ParseDistance(*width, design.unit, board::LengthKind::Positive);
        if (!parsed)
            return ValueFailure(Say(QT_TRANSLATE_NOOP("corvane-frets", "%1 : %2"),
                { "--board-width", ProblemSaid(parsed.problem) }));
        design.nutWidthMm = *parsed.value;
        if (design.strings == 1)
            design.nutOverhangMm = design.nutWidthMm / 2;
        design.lastFretOverhangMm = design.nutOverhangMm;
        design.bridgeSpacingMm
            = design.strings == 1 ? 0 : design.nutWidthMm - 2 * design.nutOverhangMm;
    }

    // For the laser and the router.
    if (const std::string* markers = find("--markers")) {
        if (*markers != "dots" && *markers != "none")
            return UsageFailure(
                Say(QT_TRANSLATE_NOOP("corvane-frets", "repères inconnus « %1 » (dots ou none)"),
                    { *markers }));
        design.cut.markers = *markers == "dots";
    }
    if (find("--left-handed"))
        design.leftHanded = true;
    if (find("--hairline"))
        design.cut.hairline = true;
    if (find("--slots-follow-radius"))
        design.router.followRadius = true;
    if (const std::string* origin = find("--origin")) {
        const std::optional<board::RouterOrigin> named = board::RouterOriginNamed(*origin);
        if (!named)
            return UsageFailure(Say(QT_TRANSLATE_NOOP("corvane-frets",
                                        "origine inconnue « %1 » (nut-centre ou nut-bass-corner)"),
                { *origin }));
        design.router.origin = *named;
    }

    // The strings.
    if (const std::string* spacing = find("--spacing")) {
        const auto named = board::StringSpacingNamed(*spacing);
        if (!named)
            return UsageFailure(Say(
                QT_TRANSLATE_NOOP("corvane-frets", "écartement inconnu « %1 » (centres ou gaps)"),
                { *spacing }));
        design.spacing = *named;
    }
    if (const std::string* saddle = find("--straight-saddle")) {
        const auto named = board::NamedIn(board::SaddleShapeNames, *saddle);
        if (!named)
            return UsageFailure(Say(
                QT_TRANSLATE_NOOP("corvane-frets", "chevalet inconnu « %1 » (one ou two-piece)"),
                { *saddle }));
        design.stringing.saddle = *named;
    }
    if (auto problem = ApplyStringOptions(words, design, find("--strings") != nullptr))
        return ValueFailure(std::move(*problem));
    options.stringsReport = find("--strings-report") != nullptr;
    if ((options.stringsReport || options.intonationChartPath) && !design.stringing.HasStrings())
        return UsageFailure(Say(QT_TRANSLATE_NOOP("corvane-frets",
            "--strings-report et --intonation-chart demandent les cordes : "
            "--tuning et --string-set, ou un dessin qui les porte")));

    if (options.radiusGaugesPath && !design.IsRadiused())
        return UsageFailure(Say(QT_TRANSLATE_NOOP("corvane-frets",
            "--radius-gauges demande le rayon de la touche : --radius, ou un dessin qui le "
            "porte")));

    if (design.strings == 1 && !find("--treble-length"))
        design.trebleLengthMm = design.bassLengthMm;
    if (auto error = board::ValidateDesign(design))
        return ValueFailure(DesignErrorSaid(*error, design.unit));
    result.options = options;
    return result;
}

} // namespace corvane::cli

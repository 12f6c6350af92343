#include "board_options.h"

#include "messages.h"
#include "options.h"
#include "string_options.h"

#include "board_drawing.h"
#include "design_file.h"
#include "drawing_unit.h"
#include "figure_text.h"
#include "paginator.h"
#include "plain_number.h"
#include "temperament.h"
#include "units.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>

namespace corvane::cli {

namespace {

// Options only a general fretboard has; their presence selects it.
constexpr std::array<std::string_view, 31> BoardOnlyOptions { "--design", "--edo", "--period",
    "--scl", "--table", "--frets", "--bass-length", "--treble-length", "--strings", "--nut-width",
    "--bridge-width", "--perpendicular", "--open-note", "--nut-setback", "--saddle-setback",
    "--overhang", "--last-fret-overhang", "--slot-width", "--extend-frets", "--markers",
    "--marker-diameter", "--hairline", "--gcode", "--origin", "--tool-diameter", "--slot-depth",
    "--pass-depth", "--feed", "--plunge-feed", "--safe-z", "--binding-margin" };

// Options shared with the classic table.
constexpr std::array<std::string_view, 8> SharedOptions { "--length", "--scale", "--mode",
    "--format", "--separator", "--unit", "--template", "--paper" };

std::string OptionName(const std::string& argument)
{
    return argument.substr(0, argument.find('='));
}

bool Flag(std::string_view name)
{
    return name == "--hairline" || StringFlag(name);
}

bool BoardOnly(std::string_view name)
{
    return std::find(BoardOnlyOptions.begin(), BoardOnlyOptions.end(), name)
        != BoardOnlyOptions.end()
        || std::find(StringOptionNames.begin(), StringOptionNames.end(), name)
        != StringOptionNames.end()
        || name == "--intonation-chart";
}

bool Known(std::string_view name)
{
    return BoardOnly(name)
        || std::find(SharedOptions.begin(), SharedOptions.end(), name) != SharedOptions.end();
}

std::string FileName(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

bool IsBoardCommand(const std::vector<std::string>& arguments)
{
    return std::any_of(arguments.begin(), arguments.end(),
        [](const std::string& argument) { return BoardOnly(OptionName(argument)); });
}

BoardParseResult ParseBoardOptions(const std::vector<std::string>& arguments)
{
    BoardParseResult result;
    const auto usage = [&](std::string message) {
        result.usage = UsageError { std::move(message) };
        return result;
    };
    const auto bad = [&](std::string message) {
        result.valueError = std::move(message);
        return result;
    };

    BoardOptions options;
    const OptionWords words = SplitOptions(arguments, Known, Flag);
    if (words.error)
        return usage(words.error->message);
    for (const OptionValue& value : words.values)
        if (value.text.empty() && !Flag(value.name))
            return usage(Say("l'option « %1 » demande une valeur", { value.name }));
    options.help = words.help;
    if (options.help) {
        result.options = options;
        return result;
    }
    const auto find = [&](std::string_view name) { return words.find(name); };
    const int temperamentSources = (find("--edo") ? 1 : 0) + (find("--scl") ? 1 : 0)
        + (find("--table") ? 1 : 0) + (find("--scale") ? 1 : 0);
    if (temperamentSources > 1)
        return usage(Say("choisissez une seule des options --edo, --scl, --table et --scale"));
    if (find("--period") && !find("--edo"))
        return usage(Say("--period va avec --edo"));
    if (find("--mode") && !find("--scale"))
        return usage(Say("--mode va avec --scale"));
    if (find("--length") && (find("--bass-length") || find("--treble-length")))
        return usage(Say("donnez --length, ou --bass-length et --treble-length, pas les deux"));
    if (!find("--design") && !find("--length") && !find("--bass-length"))
        return usage(Say("--design, --length ou --bass-length est obligatoire"));
    if (find("--treble-length") && !find("--bass-length") && !find("--design"))
        return usage(Say("--treble-length va avec --bass-length"));

    board::Design& design = options.design;
    if (const std::string* path = find("--design")) {
        auto loaded = board::LoadDesign(*path);
        if (!loaded.design)
            return bad(Say("%1 : %2", { FileName(*path), DesignFileErrorSaid(*loaded.error) }));
        design = *loaded.design;
    }

    // The unit lengths are typed and shown in.
    if (const std::string* unit = find("--unit")) {
        options.unit = drawing::UnitFromSymbol(*unit);
        if (!options.unit)
            return usage(Say("unité inconnue « %1 » (mm, cm ou in)", { *unit }));
        design.unit = *options.unit;
    }

    if (const std::string* format = find("--format")) {
        const auto named = FormatFromName(*format);
        if (!named)
            return usage(Say("format inconnu « %1 »", { *format }));
        options.format = *named;
    }
    if (const std::string* separator = find("--separator")) {
        if (const auto problem = SeparatorProblem(*separator))
            return usage(*problem);
        options.separator = *separator;
    }
    if (const std::string* path = find("--template"))
        options.templatePath = *path;
    if (const std::string* paper = find("--paper")) {
        if (!drawing::PaperFromName(*paper))
            return usage(Say("papier inconnu « %1 » (a4, letter, a3 ou legal)", { *paper }));
        options.paper = *paper;
    }

    // The temperament.
    if (const std::string* edo = find("--edo")) {
        const auto divisions = board::ReadPlainInteger(*edo);
        if (!divisions || *divisions < board::MinDivisions || *divisions > board::MaxDivisions)
            return bad(
                Say("--edo %1 : le nombre de divisions doit être un entier de 1 à 1000", { *edo }));
        board::EqualDivisions equal;
        equal.divisions = *divisions;
        if (const std::string* period = find("--period")) {
            const auto parsed = board::ParsePeriod(*period);
            if (!parsed)
                return bad(Say("%1 : %2", { "--period", ProblemSaid(parsed.problem) }));
            equal.period = *parsed.value;
        }
        design.temperament = equal;
    } else if (const std::string* scl = find("--scl")) {
        const auto loaded = board::LoadScalaFile(*scl);
        if (!loaded)
            return bad(Say("%1 : %2", { "--scl", ProblemSaid(loaded.problem) }));
        const board::ScalaSource& scala = *loaded.value;
        const auto built = board::MakeScala(scala);
        if (!built)
            return bad(Say("%1, %2", { FileName(*scl), ProblemSaid(built.problem) }));
        design.temperament = scala;
    } else if (const std::string* table = find("--table")) {
        const auto parsed = board::ParseBuiltinTableName(*table);
        if (!parsed)
            return usage(
                Say("table inconnue « %1 » (just-12, pythagorean-12, meantone-12)", { *table }));
        design.temperament = board::BuiltinSource { *parsed };
    } else if (const std::string* scale = find("--scale")) {
        const auto parsed = board::ParseClassicScaleName(*scale);
        if (!parsed)
            return usage(Say("gamme inconnue « %1 »", { *scale }));
        board::ClassicSource classic { *parsed, board::ClassicMode::Do };
        if (const std::string* mode = find("--mode")) {
            if (*mode != "sol" && *mode != "do")
                return usage(Say("mode inconnu « %1 » (sol ou do)", { *mode }));
            classic.mode = *mode == "sol" ? board::ClassicMode::Sol : board::ClassicMode::Do;
        }
        design.temperament = classic;
    }

    // Counts.
    const auto count
        = [&](std::string_view name, int& target, int low, int high, const char* what) -> bool {
        const std::string* text = find(name);
        if (!text)
            return true;
        const auto value = board::ReadPlainInteger(*text);
        if (!value || *value < low || *value > high) {
            result.valueError = Say("%1 %2 : %3 doit être un entier de %4 à %5",
                { name, *text, Say(what), std::to_string(low), std::to_string(high) });
            return false;
        }
        target = *value;
        return true;
    };
    if (!count("--frets", design.frets, board::MinFrets, board::MaxFrets, "le nombre de frettes"))
        return result;
    if (!count("--strings", design.strings, board::MinStrings, board::MaxStrings,
            "le nombre de cordes"))
        return result;
    if (find("--fit-frets")) {
        int fitFrets = 0;
        if (!count("--fit-frets", fitFrets, board::MinFitFrets, board::MaxFitFrets,
                "le nombre de frettes de l'ajustement"))
            return result;
        design.stringing.fitFrets = fitFrets;
    }
    if (const std::string* note = find("--open-note")) {
        const auto parsed = board::ParseNoteName(*note);
        if (!parsed)
            return bad(
                Say("--open-note %1 : nom de note attendu (Do, Do#, Ré, … Si ou C, C#, D, … B)",
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
            return bad(Say("--perpendicular %1 : un numéro de frette, nut ou bridge attendu",
                { *perpendicular }));
    }

    // Lengths, in the unit given (or the design's).
    const auto length = [&](std::string_view name, double& target, board::LengthKind kind) -> bool {
        const std::string* text = find(name);
        if (!text)
            return true;
        const auto parsed = board::ParseDistance(*text, design.unit, kind);
        if (!parsed) {
            result.valueError = Say("%1 : %2", { name, ProblemSaid(parsed.problem) });
            return false;
        }
        target = *parsed.value;
        return true;
    };
    // Setbacks: "BASS" or "BASS:TREBLE"; they may be zero or negative.
    const auto pair = [&](std::string_view name, double& bass, double& treble) -> bool {
        const std::string* text = find(name);
        if (!text)
            return true;
        const std::size_t colon = text->find(':');
        const std::string first = text->substr(0, colon);
        const std::string second = colon == std::string::npos ? first : text->substr(colon + 1);
        for (const auto& [part, target] :
            { std::pair { first, &bass }, std::pair { second, &treble } }) {
            const auto parsed = board::ParseDistance(part, design.unit, board::LengthKind::Signed);
            if (!parsed) {
                result.valueError = Say("%1 : %2", { name, ProblemSaid(parsed.problem) });
                return false;
            }
            *target = *parsed.value;
        }
        return true;
    };
    if (find("--length")) {
        if (!length("--length", design.bassLengthMm, board::LengthKind::Positive))
            return result;
        design.trebleLengthMm = design.bassLengthMm;
    }
    if (find("--bass-length") && !find("--treble-length") && !find("--design")) {
        if (!length("--bass-length", design.bassLengthMm, board::LengthKind::Positive))
            return result;
        design.trebleLengthMm = design.bassLengthMm;
    }
    if (!length("--bass-length", design.bassLengthMm, board::LengthKind::Positive)
        || !length("--treble-length", design.trebleLengthMm, board::LengthKind::Positive)
        || !length("--nut-width", design.nutWidthMm, board::LengthKind::Positive)
        || !length("--bridge-width", design.bridgeSpacingMm, board::LengthKind::Positive))
        return result;
    if (find("--overhang")) {
        if (!length("--overhang", design.nutOverhangMm, board::LengthKind::ZeroOrMore))
            return result;
        design.lastFretOverhangMm = design.nutOverhangMm;
    }
    if (!length("--last-fret-overhang", design.lastFretOverhangMm, board::LengthKind::ZeroOrMore)
        || !pair("--nut-setback", design.nutSetbackBassMm, design.nutSetbackTrebleMm)
        || !pair("--saddle-setback", design.saddleSetbackBassMm, design.saddleSetbackTrebleMm))
        return result;

    // For the laser and the router.
    CutOptions& cut = options.cut;
    if (!length("--slot-width", cut.slotWidthMm, board::LengthKind::ZeroOrMore)
        || !length("--extend-frets", cut.extendFretsMm, board::LengthKind::ZeroOrMore)
        || !length("--marker-diameter", cut.markerDiameterMm, board::LengthKind::Positive))
        return result;
    if (const std::string* markers = find("--markers")) {
        if (*markers != "dots" && *markers != "none")
            return usage(Say("repères inconnus « %1 » (dots ou none)", { *markers }));
        cut.markers = *markers == "dots";
    }
    cut.hairline = find("--hairline") != nullptr;

    // The slotting program: lengths and feeds in the design's unit; the
    // program itself checks what a router can do.
    if (const std::string* path = find("--gcode"))
        options.gcodePath = *path;
    drawing::SlottingParameters& slotting = options.slotting;
    if (!length("--tool-diameter", slotting.toolDiameterMm, board::LengthKind::ZeroOrMore)
        || !length("--slot-depth", slotting.slotDepthMm, board::LengthKind::Signed)
        || !length("--pass-depth", slotting.passDepthMm, board::LengthKind::Signed)
        || !length("--feed", slotting.feedMmPerMinute, board::LengthKind::Signed)
        || !length("--plunge-feed", slotting.plungeFeedMmPerMinute, board::LengthKind::Signed)
        || !length("--safe-z", slotting.safeZMm, board::LengthKind::Signed)
        || !length("--binding-margin", slotting.bindingMarginMm, board::LengthKind::Signed))
        return result;
    if (const std::string* origin = find("--origin")) {
        if (*origin != "nut-centre" && *origin != "nut-bass-corner")
            return usage(
                Say("origine inconnue « %1 » (nut-centre ou nut-bass-corner)", { *origin }));
        slotting.origin = *origin == "nut-centre" ? drawing::SlottingOrigin::NutCentre
                                                  : drawing::SlottingOrigin::NutBassCorner;
    }
    {
        drawing::BoardDrawingOptions drawn;
        drawn.slotWidthMm = cut.slotWidthMm;
        drawn.extendFretsMm = cut.extendFretsMm;
        drawn.markerDiameterMm = cut.markerDiameterMm;
        if (const auto problem = drawing::CutOptionsProblem(drawn, design.unit))
            return bad(OptionErrorSaid(*problem, design.unit));
    }

    // The strings.
    if (auto problem = ApplyStringOptions(words, design, find("--strings") != nullptr))
        return bad(std::move(*problem));
    options.stringsReport = find("--strings-report") != nullptr;
    if (const std::string* chart = find("--intonation-chart"))
        options.intonationChartPath = *chart;
    if ((options.stringsReport || options.intonationChartPath) && !design.stringing.HasStrings())
        return usage(Say("--strings-report et --intonation-chart demandent les cordes : "
                         "--tuning et --string-set, ou un dessin qui les porte"));

    if (design.strings == 1 && !find("--treble-length"))
        design.trebleLengthMm = design.bassLengthMm;
    if (auto error = board::ValidateDesign(design))
        return bad(DesignErrorSaid(*error, design.unit));
    result.options = options;
    return result;
}

} // namespace corvane::cli

#include "board_command.h"

#include "board_options.h"
#include "board_table_output.h"
#include "figure_text.h"
#include "messages.h"
#include "problem_text.h"
#include "strings_report.h"
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
    const auto program
        = drawing::SlottingProgram(layout, options.slotting, layout.temperament.name);
    if (const auto* problem = std::get_if<board::DesignError>(&program)) {
        // A router's value is named by its option; the board by its field.
        err << "corvane-frets: "
            << (problem->field == "bass_length" ? DesignErrorSaid(*problem, layout.design.unit)
                                                : OptionErrorSaid(*problem, layout.design.unit))
            << '\n';
        return ExitValue;
    }
    if (const auto failure
        = files::WriteWholeFile(*options.gcodePath, std::get<std::string>(program))) {
        err << "corvane-frets: " << ProblemSaid(board::WriteProblemOf(*failure)) << '\n';
        return ExitValue;
    }
    return 0;
}

void PrintBoardHelp(std::ostream& out)
{
    out << Say("utilisation : %1", { BoardUsageLine }) << "\n\n"
        << Say("Écrit où vont les frettes sur une touche droite ou en éventail, dans tout\n"
               "tempérament : une ligne par frette et par corde.\n"
               "\n"
               "  --design FICHIER     un dessin enregistré dans un fichier .corvane (les autres\n"
               "                       options le modifient)\n"
               "  --edo N              N divisions égales de la période (1 à 1000)\n"
               "  --period RAPPORT     la période de --edo : 2/1 (par défaut), 3/1, ou des cents "
               "(1200.0)\n"
               "  --scl FICHIER        un fichier de gamme Scala\n"
               "  --table NOM          just-12, pythagorean-12 ou meantone-12\n"
               "  --scale GAMME        une des six gammes classiques (avec --mode sol|do)\n"
               "  --length L           diapason de toutes les cordes\n"
               "  --bass-length L      diapason de la corde grave (touche en éventail)\n"
               "  --treble-length L    diapason de la corde aiguë (touche en éventail)\n"
               "  --perpendicular F    la frette d'équerre avec l'axe, ou nut (sillet) ou bridge "
               "(chevalet)\n"
               "  --frets N            1 à 60 (24 par défaut)\n"
               "  --strings N          1 à 16 (6 par défaut)\n"
               "  --nut-width W        largeur de la touche au sillet (43 mm par défaut)\n"
               "  --bridge-width W     cordes extrêmes, d'axe en axe, au chevalet (52 mm par "
               "défaut)\n"
               "  --overhang W         de la corde extrême au bord de la touche (3,5 mm par "
               "défaut)\n"
               "  --last-fret-overhang W  la même marge à la dernière frette seulement\n"
               "  --nut-setback G[:A]  compensation au sillet, corde grave et corde aiguë\n"
               "  --saddle-setback G[:A]  compensation au chevalet, corde grave et corde aiguë\n"
               "  --open-note NOTE     note des cordes à vide, pour les noms de notes (Mi par "
               "défaut)\n"
               "  --unit mm|cm|in      unité des longueurs données et écrites (mm par défaut ;\n"
               "                       une longueur peut aussi porter la sienne : « 25 1/2 in »)\n"
               "  --format FORMAT      text (par défaut), csv ou json\n"
               "  --separator CAR      séparateur décimal de text et csv\n"
               "  --template FICHIER   dessine la touche en taille réelle : .pdf (en pages), .svg "
               "ou .dxf\n"
               "  --paper PAPIER       a4 (par défaut), letter, a3 ou legal, pour un gabarit "
               ".pdf\n"
               "  --slot-width W       chaque fente de frette en contour fermé de cette largeur\n"
               "  --extend-frets E     prolonge chaque frette de E au-delà des deux bords\n"
               "  --markers dots|none  les repères de touche habituels (none par défaut)\n"
               "  --marker-diameter D  leur diamètre (6 mm par défaut)\n"
               "  --hairline           tous les traits du SVG en filet de 0,025 mm\n"
               "  --gcode FICHIER.nc   le programme de rainurage des fentes (GRBL) au lieu du "
               "tableau\n"
               "  --origin O           nut-centre (par défaut) ou nut-bass-corner\n"
               "  --tool-diameter D    diamètre de la fraise (0,6 mm par défaut, 2 mm au plus)\n"
               "  --slot-depth P       profondeur des fentes (3 mm par défaut, 6 mm au plus)\n"
               "  --pass-depth P       profondeur de chaque passe (1 mm par défaut)\n"
               "  --feed V             avance en coupe, par minute (300 mm par défaut)\n"
               "  --plunge-feed V      avance en plongée, par minute (60 mm par défaut)\n"
               "  --safe-z Z           hauteur de dégagement (5 mm par défaut)\n"
               "  --binding-margin M   arrête chaque fente à M des bords (0 : traversante)\n")
        << Say("\nLes cordes (tension, justesse et compensation de chacune) :\n"
               "  --string-set JEU     un jeu du catalogue (light-electric-10-46,\n"
               "                       phosphor-bronze-12-53, long-scale-bass-45-100, ej45)\n"
               "                       ou ses articles, du grave à l'aigu : NW046,NW036,...\n"
               "                       (ou des masses linéiques : 6.8g/m, 0.0068kg/m)\n"
               "  --tuning H,H,...     hauteurs à vide, du grave à l'aigu (E2,A2,D3,G3,B3,E4)\n"
               "  --reference-a4 HZ    fréquence du la 4 (440 Hz par défaut)\n"
               "  --action B:C         hauteur des cordes au sillet et du chevalet (1:4 mm)\n"
               "  --relief R           creux de la touche à l'octave (0 par défaut)\n"
               "  --compensate         calcule le recul du sillet et du chevalet de chaque corde\n"
               "  --fit-frets N        l'ajustement porte sur les frettes 1 à N (12 par défaut)\n"
               "  --fretlets           la position juste de chaque frette sur chaque corde\n"
               "  --strings-report     une ligne par corde au lieu du tableau des frettes\n"
               "  --intonation-chart FICHIER.svg|.png  la justesse de chaque corde, avant et "
               "après\n");
}

} // namespace

int RunBoardCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
    const std::string& regionalSeparator, const BoardTemplateWriter& writeTemplate,
    const IntonationChartWriter& writeChart)
{
    const BoardParseResult parsed = ParseBoardOptions(arguments);
    if (parsed.usage) {
        err << "corvane-frets: " << parsed.usage->message << '\n'
            << Say("utilisation : %1", { BoardUsageLine }) << '\n';
        return ExitUsage;
    }
    if (parsed.valueError) {
        err << "corvane-frets: " << *parsed.valueError << '\n';
        return ExitValue;
    }
    const BoardOptions& options = *parsed.options;
    if (options.help) {
        errno = 0;
        PrintBoardHelp(out);
        return Flushed(out, err, "impossible d'écrire l'aide : %1");
    }

    board::LayoutResult computed
        = board::ComputeLayout(options.design, language::InterfaceNoteNaming());
    if (!computed.layout) {
        err << "corvane-frets: " << DesignErrorSaid(*computed.error, options.design.unit) << '\n';
        return ExitValue;
    }
    // Named in the user's language, like everything the command writes.
    computed.layout->temperament.name
        = language::TemperamentNameText(computed.layout->temperament.name).toStdString();
    const board::BoardLayout& layout = *computed.layout;

    // What the strings could not have is said wherever the output itself
    // does not say it: in files, and in csv and json tables.
    const bool outputSays = !options.gcodePath && !options.intonationChartPath
        && !options.templatePath && (options.stringsReport || options.format == Format::Text);
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
    const std::string unavailable = Say("les gabarits ne sont pas disponibles dans cette version");
    if (options.intonationChartPath)
        return written(writeChart ? writeChart(layout, *options.intonationChartPath) : unavailable);
    if (options.templatePath)
        return written(writeTemplate
                ? writeTemplate(layout, *options.templatePath, options.paper, options.cut)
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

// Runs the built corvane-frets as a user or a script would.

#include "worked_tables.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>
#include <vector>

namespace {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

std::string ShellQuoted(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Runs the command under the given locale, whatever this test's own is, and
// with no display, as over SSH or in CI; its standard output goes to the
// test, or where outputTo says (">&-").
Outcome RunFrets(const std::vector<std::string>& arguments, const std::string& locale = "C",
    const std::string& outputTo = "")
{
    const std::string errPath
        = testing::TempDir() + "corvane-frets-" + std::to_string(getpid()) + ".err";
    std::string command = "env -u LANG -u LANGUAGE -u LC_NUMERIC -u DISPLAY -u WAYLAND_DISPLAY "
                          "-u QT_QPA_PLATFORM LC_ALL="
        + locale + " " + ShellQuoted(CORVANE_FRETS_PATH);
    for (const std::string& argument : arguments)
        command += " " + ShellQuoted(argument);
    command += " 2>" + ShellQuoted(errPath) + " </dev/null " + outputTo;

    Outcome outcome;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        ADD_FAILURE() << "cannot run " << command;
        return outcome;
    }
    char buffer[4096];
    for (std::size_t read; (read = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        outcome.out.append(buffer, read);
    const int status = pclose(pipe);
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream err(errPath);
    outcome.err.assign(std::istreambuf_iterator<char>(err), std::istreambuf_iterator<char>());
    std::remove(errPath.c_str());
    return outcome;
}

std::string ExpectedCsv(std::size_t scale, int modeCode)
{
    // The player counts frets from the nut: the n-th row is fret n. Note
    // names lose the window's leading blank.
    std::string csv = "slot,position,note,fret\n";
    int fret = 0;
    for (const worked::Row& row : worked::Rows650(scale, modeCode))
        csv += std::to_string(row.slot) + "," + std::string(row.position) + ","
            + std::string(row.note).substr(row.note.empty() ? 0 : 1) + "," + std::to_string(++fret)
            + "\n";
    return csv;
}

class WorkedCsv : public testing::TestWithParam<std::tuple<std::size_t, int>> { };

// Under French settings too: csv keeps the period unless told otherwise.
TEST_P(WorkedCsv, MatchesTheWorkedTable)
{
    const auto [scale, modeCode] = GetParam();
    const Outcome run = RunFrets(
        { "--length", "650", "--scale", std::string(worked::Scales[scale].commandName), "--mode",
            modeCode == 1       ? "sol"
                : modeCode == 2 ? "do"
                                : "none",
            "--format", "csv" },
        "fr_FR.UTF-8");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, ExpectedCsv(scale, modeCode));
    EXPECT_EQ(run.err, "");
}

INSTANTIATE_TEST_SUITE_P(AllScales, WorkedCsv,
    testing::Combine(testing::Range<std::size_t>(0, 6), testing::Values(1, 2, 0)));

TEST(CorvaneFrets, ExitStatusTellsRunTimeErrorsFromUsageErrors)
{
    const std::tuple<std::vector<std::string>, int, const char*> cases[] = {
        { { "--length", "922337203685478", "--scale", "tempered-diatonic" }, 1,
            "corvane-frets: Erreur d'exécution '6' : Dépassement de capacité\n" },
        { { "--length", "700000000000000", "--scale", "pythagorean-chromatic", "--format", "csv" },
            1, "corvane-frets: Erreur d'exécution '6' : Dépassement de capacité\n" },
        { {}, 2, "usage: corvane-frets --length TEXT --scale SCALE" },
        { { "--length", "650", "--scale", "baroque" }, 2, "usage: corvane-frets" },
        { { "--length", "650", "--scale", "tempered-diatonic", "--separator", "ab" }, 2,
            "usage: corvane-frets" },
    };
    for (const auto& [arguments, status, message] : cases) {
        SCOPED_TRACE(testing::PrintToString(arguments));
        const Outcome run = RunFrets(arguments);
        EXPECT_EQ(run.status, status);
        EXPECT_EQ(run.out, "");
        if (status == 1)
            EXPECT_EQ(run.err, message);
        else
            EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
    }
}

// The command speaks French under French settings, English otherwise, in
// its messages, its help and its text headings; csv keys stay as they are.
TEST(CorvaneFrets, SpeaksTheUsersLanguage)
{
    using Arguments = std::vector<std::string>;
    const Arguments abc = { "--edo", "12", "--length", "abc" };
    const std::tuple<std::string, Arguments, int, const char*> cases[] = {
        { "en_US.UTF-8", abc, 1, "corvane-frets: --length: “abc” holds no number\n" },
        { "C.UTF-8", abc, 1, "corvane-frets: --length: “abc” holds no number\n" },
        { "fr_FR.UTF-8", abc, 1, "corvane-frets: --length : « abc » ne contient aucun nombre\n" },
        { "de_DE.UTF-8", { "--edo", "12", "--unit", "in", "--length", "650" }, 1,
            "corvane-frets: --length: 650 in, at most 393.7007874 in\n" },
        { "fr_FR.UTF-8", { "--edo", "12", "--help" }, 0,
            "Écrit où vont les frettes sur une touche" },
        { "C.UTF-8", { "--edo", "12", "--help" }, 0, "Prints where the frets go on a straight" },
        { "fr_FR.UTF-8", { "--help" }, 0, "utilisation : corvane-frets --length" },
        { "C.UTF-8", { "--edo", "12", "--length", "650" }, 0, "Fret  String  From the nut (mm)" },
        { "fr_FR.UTF-8", { "--edo", "12", "--length", "650" }, 0,
            "Frette  Corde  Depuis le sillet (mm)" },
        { "fr_FR.UTF-8", { "--edo", "12", "--length", "650", "--format", "csv" }, 0,
            "fret,string,from_nut,fret_to_fret,to_saddle,ratio,cents,note,compensated_from_nut" },
        // The strings, in both languages; their csv keys are the json's.
        { "C.UTF-8",
            { "--edo", "12", "--length", "650", "--string-set", "ej45", "--tuning",
                "E2,A2,D3,G3,H3,E4" },
            1,
            "corvane-frets: --tuning, string 5: “H3” is not a pitch (E2, F#3, Bb1 or a frequency, "
            "110 Hz)\n" },
        { "C.UTF-8",
            { "--edo", "12", "--length", "650", "--string-set", "ej45", "--strings-report" }, 0,
            "String  Pitch  Frequency (Hz)  Scale length (mm)" },
        { "fr_FR.UTF-8",
            { "--edo", "12", "--length", "650", "--string-set", "ej45", "--strings-report" }, 0,
            "Corde  Hauteur  Fréquence (Hz)  Diapason (mm)" },
        { "fr_FR.UTF-8",
            { "--edo", "12", "--length", "650", "--string-set", "ej45", "--strings-report",
                "--format", "csv" },
            0,
            "string,pitch,frequency_hz,length_mm,unit_weight_kg_per_m,tension_n,tension_kgf,"
            "tension_lbf,kappa,b0,saddle_setback_mm,nut_setback_mm,rms_cents_before,"
            "rms_cents_after,worst_cents_after,problem\n" },
    };
    for (const auto& [locale, arguments, status, expected] : cases) {
        SCOPED_TRACE(locale + " " + testing::PrintToString(arguments));
        const Outcome run = RunFrets(arguments, locale);
        EXPECT_EQ(run.status, status);
        if (status == 0)
            EXPECT_NE(run.out.find(expected), std::string::npos) << run.out.substr(0, 300);
        else
            EXPECT_EQ(run.err, expected);
    }
    // The classic template's words follow the language; its scale and note
    // names stay the window's.
    const std::string svg = testing::TempDir() + "classic-" + std::to_string(getpid()) + ".svg";
    for (const auto& [locale, words] : { std::pair { "C.UTF-8", ">Nut<|>Mode: Do    Vibrating" },
             std::pair { "fr_FR.UTF-8", ">Sillet<|>Mode : Do    Longueur vibrante" } }) {
        ASSERT_EQ(
            RunFrets(
                { "--length", "650", "--scale", "tempered-chromatic", "--template", svg }, locale)
                .status,
            0);
        std::ifstream file(svg);
        const std::string text { std::istreambuf_iterator<char>(file), {} };
        const std::string word(words);
        for (const std::string& expected :
            { word.substr(0, word.find('|')), word.substr(word.find('|') + 1),
                std::string(">Tempérée Chromatique<"), std::string(">Ré#<") })
            EXPECT_NE(text.find(expected), std::string::npos) << locale << " " << expected;
    }
    std::remove(svg.c_str());
}

// A full disk of the test's own: the character device (1, 7) made in the
// test's folder (root only); empty when it cannot be made.
std::string FullDeviceNode()
{
    const std::string path = testing::TempDir() + "corvane-full-" + std::to_string(getpid());
    std::remove(path.c_str());
    return mknod(path.c_str(), S_IFCHR | 0600, makedev(1, 7)) == 0 ? path : std::string();
}

// Usage errors and failed writes take one line on standard error, in the
// classic and the board commands, for the table and for the help.
TEST(CorvaneFrets, ReportsAnUnreadableLengthAndAFailedWriteOnOneLine)
{
    const std::string full = FullDeviceNode();
    if (full.empty())
        GTEST_SKIP() << "making a device node needs root";
    using Arguments = std::vector<std::string>;
    const Arguments board = { "--edo", "12", "--length", "650" };
    const std::tuple<Arguments, std::string, int, const char*> cases[] = {
        { { "--scale", "tempered-chromatic", "--length", "abc" }, "", 2,
            "corvane-frets: no number can be read from the length 'abc'\n" },
        { { "--scale", "tempered-chromatic", "--length", "" }, "", 2,
            "corvane-frets: no number can be read from the length ''\n" },
        { { "--scale", "tempered-chromatic", "--length", "mm" }, "", 2,
            "corvane-frets: no number can be read from the length 'mm'\n" },
        { { "--scale", "tempered-chromatic", "--length", "650" }, ">" + full, 1,
            "corvane-frets: cannot write the table: No space left on device\n" },
        { { "--scale", "tempered-chromatic", "--length", "650" }, ">&-", 1,
            "corvane-frets: cannot write the table: Bad file descriptor\n" },
        { board, ">" + full, 1,
            "corvane-frets: cannot write the table: No space left on device\n" },
        { board, ">&-", 1, "corvane-frets: cannot write the table: Bad file descriptor\n" },
        { { "--help" }, ">" + full, 1,
            "corvane-frets: cannot write the help: No space left on device\n" },
        { { "--edo", "12", "--help" }, ">" + full, 1,
            "corvane-frets: cannot write the help: No space left on device\n" },
    };
    for (const auto& [arguments, outputTo, status, message] : cases) {
        SCOPED_TRACE(testing::PrintToString(arguments) + " " + outputTo);
        const Outcome run = RunFrets(arguments, "C", outputTo);
        EXPECT_EQ(run.status, status);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, message);
    }
    std::remove(full.c_str());
}

// The length takes a decimal comma where the regional separator is one:
// Qt's locale data decides, so an uninstalled de_DE.UTF-8 counts too.
TEST(CorvaneFrets, ReadsTheDecimalCommaWhereItIsRegionalOrChosen)
{
    const std::tuple<std::string, std::string, const char*> cases[] = {
        // 650.5 / 2 and 650 / 2 at the twelfth fret.
        { "fr_FR.UTF-8", "", "12,325.25,Do,12\n" },
        { "de_DE.UTF-8", "", "12,325.25,Do,12\n" },
        { "C.UTF-8", "", "12,325,Do,12\n" },
        { "C.UTF-8", ",", "12,\"325,25\",Do,12\n" },
    };
    for (const auto& [locale, separator, row] : cases) {
        SCOPED_TRACE(locale + " " + separator);
        std::vector<std::string> arguments { "--length", "650,5", "--scale", "tempered-chromatic",
            "--format", "csv" };
        if (!separator.empty())
            arguments.insert(arguments.end(), { "--separator", separator });
        const Outcome run = RunFrets(arguments, locale);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_NE(run.out.find(row), std::string::npos) << run.out;
    }
}

TEST(CorvaneFrets, LargestLengthAndHelpSucceed)
{
    const Outcome largest = RunFrets(
        { "--length", "922337203685477", "--scale", "tempered-chromatic", "--format", "json" });
    EXPECT_EQ(largest.status, 0) << largest.err;
    EXPECT_EQ(largest.out.rfind("{\"length\": \"922337203685476.9664\"", 0), 0U) << largest.out;
    EXPECT_NE(
        largest.out.find("\"slot\": 24, \"fret\": 24, \"position\": \"691752902764069.7856\""),
        std::string::npos);

    const Outcome help = RunFrets({ "--help" });
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("usage: corvane-frets", 0), 0U) << help.out;
}

TEST(CorvaneFrets, TextTakesTheRegionalSeparatorUnlessOneIsGiven)
{
    const std::vector<std::string> arguments { "--length", "650", "--scale", "tempered-diatonic" };
    EXPECT_NE(RunFrets(arguments).out.find(" 216.177 "), std::string::npos);

    // Qt's locale data, as in the window: whether or not the system has
    // the locale installed (this one has no de_DE).
    for (const char* locale : { "fr_FR.UTF-8", "de_DE.UTF-8" }) {
        const Outcome regional = RunFrets(arguments, locale);
        EXPECT_EQ(regional.status, 0);
        EXPECT_NE(regional.out.find(" 216,177 "), std::string::npos) << regional.out;
        EXPECT_EQ(regional.out.find('.'), std::string::npos) << regional.out;
    }

    std::vector<std::string> withSeparator = arguments;
    withSeparator.insert(withSeparator.end(), { "--separator", "." });
    EXPECT_NE(RunFrets(withSeparator, "fr_FR.UTF-8").out.find(" 216.177 "), std::string::npos);
}

TEST(CorvaneFrets, WritesTemplatesWithoutADisplayAndRefusesBadOnes)
{
    const std::string directory = testing::TempDir() + "frets-template-" + std::to_string(getpid());
    ASSERT_EQ(std::system(("mkdir -p " + ShellQuoted(directory)).c_str()), 0);
    const std::string kept = directory + "/kept.pdf";
    std::ofstream(kept) << "old";
    const std::vector<std::string> chromatic { "--scale", "tempered-chromatic" };
    struct Case {
        std::vector<std::string> arguments;
        int status;
        std::string file; // written when status is 0, untouched otherwise
        std::string expected; // start of the file, or a piece of the message
    } const cases[] = {
        { { "--length", "650", "--template", directory + "/t.pdf" }, 0, directory + "/t.pdf",
            "%PDF-" },
        // 2 1/4 in wide: the edges at 28.575 mm each side of the centre line.
        { { "--length", "25.5", "--unit", "in", "--board-width", "2 1/4", "--template",
              directory + "/t.svg" },
            0, directory + "/t.svg", "<?xml" },
        { { "--length", "0", "--template", directory + "/zero.dxf" }, 1, "",
            "must be greater than zero" },
        { { "--length", "650", "--unit", "in", "--template", kept }, 1, kept, "(50 at most)" },
        { { "--length", "650", "--template", directory + "/none/t.svg" }, 1, "",
            "the folder does not exist" },
        { { "--length", "650", "--unit", "furlong", "--template", directory + "/t.svg" }, 2, "",
            "unit" },
    };
    for (const Case& c : cases) {
        std::vector<std::string> arguments = chromatic;
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        SCOPED_TRACE(testing::PrintToString(arguments));
        const Outcome run = RunFrets(arguments);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_EQ(run.out, "");
        if (c.status == 0) {
            EXPECT_EQ(run.err, "");
            std::ifstream file(c.file);
            const std::string content(
                (std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
            EXPECT_EQ(content.rfind(c.expected, 0), 0U);
            if (c.file.ends_with(".svg")) {
                EXPECT_NE(content.find("y1=\"28.575\""), std::string::npos);
            }
        } else {
            EXPECT_NE(run.err.find(c.expected), std::string::npos) << run.err;
            if (c.status == 1) {
                EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
            }
        }
    }
    std::ifstream old(kept);
    EXPECT_EQ(
        std::string(std::istreambuf_iterator<char>(old), std::istreambuf_iterator<char>()), "old");
    std::system(("rm -rf " + ShellQuoted(directory)).c_str());
}

} // namespace

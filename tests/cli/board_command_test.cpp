// corvane-frets on general fretboards: the sample designs kept beside the
// tests, checked field by field against formulas written here, and errors.

#include "full_disk.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>
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

Outcome RunFrets(const std::vector<std::string>& arguments)
{
    const std::string errPath
        = testing::TempDir() + "board-frets-" + std::to_string(getpid()) + ".err";
    // French messages, numbers with a period.
    std::string command = "env -u LC_ALL LANG=C LC_NUMERIC=C LC_MESSAGES=fr_FR.UTF-8 '"
        + std::string(CORVANE_FRETS_PATH) + "'";
    for (const std::string& argument : arguments)
        command += " '" + argument + "'";
    command += " 2>'" + errPath + "' </dev/null";
    Outcome outcome;
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[4096];
    for (std::size_t read; pipe != nullptr && (read = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        outcome.out.append(buffer, read);
    const int status = pipe != nullptr ? pclose(pipe) : -1;
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream err(errPath);
    outcome.err.assign(std::istreambuf_iterator<char>(err), std::istreambuf_iterator<char>());
    std::remove(errPath.c_str());
    return outcome;
}

std::string Design(const char* name)
{
    return std::string(CORVANE_BOARD_DESIGNS) + "/" + name;
}

constexpr std::array<const char*, 12> French { "Do", "Do#", "Ré", "Ré#", "Mi", "Fa", "Fa#", "Sol",
    "Sol#", "La", "La#", "Si" };

// Expected figures of one row; lengths in the output unit.
struct Expected {
    double fromNut;
    double previous;
    double length;
    double ratio;
    double saddleSetback;
    std::string note;
};

void CheckRow(const nlohmann::json& row, const Expected& e, const std::string& where)
{
    // Four decimals written: the value lies within half a unit of the last one.
    constexpr double Written = 0.5e-4 + 1e-9;
    EXPECT_NEAR(row["from_nut"].get<double>(), e.fromNut, Written) << where;
    EXPECT_NEAR(row["fret_to_fret"].get<double>(), e.fromNut - e.previous, Written) << where;
    EXPECT_NEAR(row["to_saddle"].get<double>(), e.length - e.fromNut, Written) << where;
    EXPECT_NEAR(row["ratio"].get<double>(), e.ratio, 0.5e-6 + 1e-12) << where;
    EXPECT_NEAR(row["cents"].get<double>(), 1200.0 * std::log2(e.ratio), 0.5e-3 + 1e-9) << where;
    EXPECT_EQ(row["note"].get<std::string>(), e.note) << where;
    EXPECT_NEAR(
        row["compensated_to_saddle"].get<double>(), e.length - e.fromNut + e.saddleSetback, Written)
        << where;
}

// Scale lengths run along the centre line; inner strings take the linear
// interpolation of the outer ones.
std::vector<double> StringLengths(int strings, double bass, double treble)
{
    std::vector<double> lengths;
    for (int i = 0; i < strings; ++i)
        lengths.push_back(bass + (treble - bass) * i / (strings - 1));
    return lengths;
}

TEST(BoardCommand, StraightGuitarDesign)
{
    const Outcome run = RunFrets({ "--design", Design("guitar-650.corvane"), "--format", "json" });
    ASSERT_EQ(run.status, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    const std::vector<double> lengths = StringLengths(6, 650, 650);
    ASSERT_EQ(json["rows"].size(), 20U * 6U);
    for (const auto& row : json["rows"]) {
        const int fret = row["fret"].get<int>();
        const int string = row["string"].get<int>();
        const double length = lengths[static_cast<std::size_t>(string - 1)];
        const auto at = [&](int n) { return length * (1.0 - std::pow(2.0, -n / 12.0)); };
        CheckRow(row,
            { at(fret), at(fret - 1), length, std::pow(2.0, fret / 12.0), 0.0,
                French[static_cast<std::size_t>((4 + fret) % 12)] },
            "guitar " + std::to_string(fret) + "/" + std::to_string(string));
    }
    for (std::size_t string = 0; string < 6; ++string)
        EXPECT_EQ(json["rows"][11 * 6 + string]["from_nut"].get<double>(), 325.0); // fret 12
}

TEST(BoardCommand, FannedFiveStringBassDesign)
{
    const Outcome run
        = RunFrets({ "--design", Design("fanned-bass-5.corvane"), "--format", "json" });
    ASSERT_EQ(run.status, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    const std::vector<double> lengths = StringLengths(5, 889, 864);
    ASSERT_EQ(json["rows"].size(), 24U * 5U);
    for (const auto& row : json["rows"]) {
        const int fret = row["fret"].get<int>();
        const int string = row["string"].get<int>();
        const double length = lengths[static_cast<std::size_t>(string - 1)];
        const auto at = [&](int n) { return length * (1.0 - std::pow(2.0, -n / 12.0)); };
        const double saddleSetback = 3.0 - 2.0 * (string - 1) / 4.0;
        CheckRow(row,
            { at(fret), at(fret - 1), length, std::pow(2.0, fret / 12.0), saddleSetback,
                French[static_cast<std::size_t>((11 + fret) % 12)] },
            "bass " + std::to_string(fret) + "/" + std::to_string(string));
    }
}

TEST(BoardCommand, NineteenEqualGuitarInInches)
{
    const Outcome run
        = RunFrets({ "--design", Design("guitar-19edo.corvane"), "--format", "json" });
    ASSERT_EQ(run.status, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["unit"], "in");
    const std::vector<double> lengths = StringLengths(6, 25.5, 25.5);
    ASSERT_EQ(json["rows"].size(), 30U * 6U);
    for (const auto& row : json["rows"]) {
        const int fret = row["fret"].get<int>();
        const int string = row["string"].get<int>();
        const double length = lengths[static_cast<std::size_t>(string - 1)];
        const auto at = [&](int n) { return length * (1.0 - std::pow(2.0, -n / 19.0)); };
        const std::string where = "19-EDO " + std::to_string(fret) + "/" + std::to_string(string);
        CheckRow(row,
            { at(fret), at(fret - 1), length, std::pow(2.0, fret / 19.0), 0.0,
                std::to_string((fret - 1) % 19 + 1) },
            where);
        // Nearest 1/64 in, reduced, and its error.
        const long sixtyFourths = std::lround(at(fret) * 64);
        long numerator = sixtyFourths % 64;
        long denominator = 64;
        while (numerator != 0 && numerator % 2 == 0) {
            numerator /= 2;
            denominator /= 2;
        }
        std::string fraction
            = sixtyFourths >= 64 || numerator == 0 ? std::to_string(sixtyFourths / 64) : "";
        if (numerator != 0)
            fraction += (fraction.empty() ? "" : " ") + std::to_string(numerator) + "/"
                + std::to_string(denominator);
        EXPECT_EQ(row["from_nut_64th"], fraction) << where;
        EXPECT_NEAR(row["from_nut_64th_error"].get<double>(),
            static_cast<double>(sixtyFourths) / 64.0 - at(fret), 0.5e-5 + 1e-9)
            << where;
    }
}

// Zero in every spelling the Atelier takes, where zero is allowed.
TEST(BoardCommand, ZeroIsReadAsInTheAtelier)
{
    for (const char* zero : { "0", "0.0", "0,0", "0 mm", ",0" }) {
        const Outcome run = RunFrets({ "--edo", "12", "--length", "650", "--overhang", zero,
            "--saddle-setback", std::string("2.5:") + zero, "--format", "csv" });
        EXPECT_EQ(run.status, 0) << zero << run.err;
        EXPECT_NE(run.out.find(",325.0000,"), std::string::npos) << zero;
    }
}

TEST(BoardCommand, ErrorsExitWithOneLineAndNoOutput)
{
    struct Case {
        std::vector<std::string> arguments;
        int status;
        const char* message;
    };
    const std::string bad = testing::TempDir() + "bad-" + std::to_string(getpid()) + ".corvane";
    std::ofstream(bad) << R"({"format": "corvane-board", "version": 1, "frets": 12, "strings": 99,
                              "bass_length": 650, "temperament": {"kind": "equal", "divisions": 12}})";
    const std::string pipe = testing::TempDir() + "pipe-" + std::to_string(getpid()) + ".scl";
    mkfifo(pipe.c_str(), 0600);
    const std::string huge = testing::TempDir() + "huge-" + std::to_string(getpid()) + ".scl";
    std::ofstream(huge) << "huge\n1\n2/1\n";
    truncate(huge.c_str(), 96 << 20); // sparse: no disk is used
    const Case cases[] = {
        { { "--edo", "12" }, 2, "--design, --length ou --bass-length est obligatoire" },
        { { "--edo", "12", "--length", "650", "--colour", "red" }, 2,
            "option inconnue « --colour »" },
        { { "--edo", "12", "--scl", "x.scl", "--length", "650" }, 2,
            "choisissez une seule des options" },
        { { "--edo", "12", "--length", "650", "--unit", "ft" }, 2, "unité inconnue « ft »" },
        // The same separator rule as the classic table's.
        { { "--edo", "12", "--length", "650", "--separator", "5" }, 2, "pourrait être mal lu" },
        { { "--edo", "1001", "--length", "650" }, 1, "--edo 1001 : le nombre de divisions" },
        { { "--edo", "12", "--period", "1/2", "--length", "650" }, 1,
            "--period : période « 1/2 »" },
        { { "--edo", "12", "--length", "-650" }, 1, "--length : la longueur « -650 »" },
        { { "--frets", "61", "--length", "650" }, 1, "--frets 61" },
        { { "--strings", "5", "--bass-length", "889", "--treble-length", "864", "--perpendicular",
              "25" },
            1, "--perpendicular : 25" },
        { { "--scl", "/nonexistent/x.scl", "--length", "650" }, 1,
            "--scl : impossible de lire « /nonexistent/x.scl »" },
        // Read only when a regular file of a sane size: no hang, no crash.
        { { "--scl", testing::TempDir(), "--length", "650" }, 1, "c'est un dossier" },
        { { "--scl", pipe, "--length", "650" }, 1, "n'est pas un fichier ordinaire" },
        { { "--scl", huge, "--length", "650" }, 1, "est trop grand pour un fichier Scala" },
        { { "--edo", "12", "--length", "300", "--strings", "1", "--frets", "3", "--nut-setback",
              "100" },
            1, "porte le sillet jusqu'à la première frette" },
        { { "--design", bad }, 1, "champ « strings » : nombre de cordes : 99" },
        { { "--edo", "12", "--length", "650", "--length", "700" }, 2,
            "l'option « --length » est donnée deux fois" },
        { { "--edo", "12", "--length", "650", "--markers", "stars" }, 2,
            "repères inconnus « stars »" },
        { { "--edo", "12", "--unit", "in", "--length", "25.5", "--slot-width", "1" }, 1,
            "--slot-width : 1 in, doit être 0 ou entre 0.003937007874 in et 0.1968503937 in" },
        // Once a collapsed SVG and r="0".
        { { "--edo", "12", "--length", "650", "--extend-frets", "100000000000000000000" }, 1,
            "--extend-frets : 1e+20 mm, doit être entre 0 mm et 100 mm" },
        { { "--edo", "12", "--length", "650", "--marker-diameter", "1" + std::string(70, '0') }, 1,
            "--marker-diameter : 1e+70 mm, doit être entre 1 mm et 20 mm" },
        // A 7.25 in radius cannot cover a 16 in wide board; 10 in:16 in gives its end too.
        { { "--edo", "12", "--length", "650", "--radius", "7.25in", "--nut-width", "16in" }, 1,
            "--radius : 184.15 mm, pas plus que la demi-largeur de la touche (203.2 mm)" },
        { { "--edo", "12", "--length", "650", "--radius", "10in:16in:20in" }, 1, "--radius" },
        { { "--edo", "12", "--lengths", "686,672,664,660,655,648", "--perpendicular", "7",
              "--gcode", "never.nc" },
            1, "--lengths : les frettes brisées aux cordes ne se fraisent pas en fentes droites" },
        { { "--edo", "12", "--lengths", "686,672", "--length", "650" }, 2,
            "donnez --lengths, ou --length" },
        { { "--edo", "12", "--length", "650", "--board-end", "20:oval" }, 1,
            "--board-end oval : square ou round attendu" },
        { { "--edo", "12", "--length", "650", "--radius-gauges", "g.svg" }, 2,
            "--radius-gauges demande le rayon de la touche" },
    };
    for (const Case& c : cases) {
        const Outcome run = RunFrets(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.message << run.err;
        EXPECT_TRUE(run.out.empty()) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.status == 1 ? run.err.size() - 1 : run.err.find('\n'))
            << run.err;
    }
    std::remove(bad.c_str());
    std::remove(pipe.c_str());
    std::remove(huge.c_str());
}

TEST(BoardCommand, TemplatesAreWrittenWholeOrNotAtAll)
{
    const std::string base = testing::TempDir() + "board-template-" + std::to_string(getpid());
    struct Case {
        std::string extension;
        int status;
        const char* content; // what the file must hold
    };
    for (const Case& c : { Case { ".svg", 0, "mm\" viewBox=\"" }, Case { ".dxf", 0, "AC1015" },
             Case { ".pdf", 0, "%PDF" }, Case { ".png", 1, nullptr } }) {
        const std::string path = base + c.extension;
        const Outcome run
            = RunFrets({ "--design", Design("fanned-bass-5.corvane"), "--template", path });
        EXPECT_EQ(run.status, c.status) << c.extension << run.err;
        EXPECT_TRUE(run.out.empty());
        std::ifstream file(path, std::ios::binary);
        const std::string text(
            (std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        if (c.content)
            EXPECT_NE(text.find(c.content), std::string::npos) << c.extension;
        else
            EXPECT_FALSE(file.is_open()) << c.extension;
        std::remove(path.c_str());
    }

    // A name that is not UTF-8 keeps its bytes.
    const std::string latin1 = base + "-caf\xE9.svg";
    EXPECT_EQ(
        RunFrets({ "--design", Design("fanned-bass-5.corvane"), "--template", latin1 }).status, 0);
    EXPECT_EQ(access(latin1.c_str(), F_OK), 0);
    std::remove(latin1.c_str());

    // A large PDF on a nearly full disk: refused, the earlier file whole.
    const corvane::testing_support::FullDisk disk(
        { { std::string("b.pdf"), std::string("%PDF-1.4 yesterday") } });
    if (!disk.mounted())
        GTEST_SKIP() << "mounting a tmpfs needs root";
    const Outcome full = RunFrets({ "--edo", "12", "--length", "650", "--strings", "16", "--frets",
        "60", "--nut-width", "120", "--bridge-width", "160", "--template", disk.path("b.pdf") });
    EXPECT_EQ(full.status, 1);
    EXPECT_NE(full.err.find("le disque est plein"), std::string::npos) << full.err;
    std::ifstream earlier(disk.path("b.pdf"), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(earlier), {}), "%PDF-1.4 yesterday");
    EXPECT_EQ(disk.names(), std::vector<std::string> { "b.pdf" });
}

// One reader for every temperament: a classic scale with any board option
// gives the board table with the window's note names; only the classic
// options keep the classic table.
TEST(BoardCommand, ClassicScalesTakeEveryBoardOption)
{
    struct Case {
        const char* scale;
        std::vector<std::string> options;
        const char* firstLines;
    };
    const Case cases[] = {
        { "tempered-chromatic", { "--frets", "24" },
            "fret,string,from_nut,fret_to_fret,to_saddle,ratio,cents,note,compensated_from_nut,"
            "compensated_to_saddle\n1,1,36.4817,36.4817,613.5183,1.059463,100.000,Do#," },
        { "tempered-chromatic", { "--mode", "none", "--nut-width", "43" },
            "fret,string,from_nut,fret_to_fret,to_saddle,ratio,cents,note,compensated_from_nut,"
            "compensated_to_saddle\n1,1,36.4817,36.4817,613.5183,1.059463,100.000,," },
        { "natural-diatonic", { "--board-width", "50", "--strings", "1" },
            "fret,string,from_nut,fret_to_fret,to_saddle,ratio,cents,note,compensated_from_nut,"
            "compensated_to_saddle\n1,1,72.2222,72.2222,577.7778,1.125000,203.910,R\xC3\xA9," },
        { "tempered-chromatic", {}, "slot,position,note,fret\n1,36.4817,Do#,1\n" },
    };
    for (const Case& c : cases) {
        std::vector<std::string> arguments { "--length", "650", "--scale", c.scale, "--format",
            "csv" };
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        const Outcome run = RunFrets(arguments);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out.substr(0, std::string(c.firstLines).size()), c.firstLines) << run.err;
    }
}

// A script makes a design file; the design reopens with its cut options and
// router values, and the slotting program follows them.
TEST(BoardCommand, SavedDesignsKeepTheirCutAndRouterValues)
{
    const std::string base = testing::TempDir() + "saved-design-" + std::to_string(getpid());
    const Outcome saved = RunFrets({ "--edo", "12", "--length", "650", "--slot-width", "0.6",
        "--markers", "dots", "--slot-depth", "2.5", "--pass-depth", "1.25", "--binding-margin", "2",
        "--origin", "nut-bass-corner", "--save-design", base + ".corvane" });
    ASSERT_EQ(saved.status, 0) << saved.err;
    std::ifstream file(base + ".corvane");
    const auto json = nlohmann::json::parse(file);
    EXPECT_EQ(json["version"], 3);
    EXPECT_EQ(json["cut"]["slot_width"], 0.6);
    EXPECT_EQ(json["cut"]["markers"], true);
    EXPECT_EQ(json["router"]["binding_margin"], 2);
    EXPECT_EQ(json["router"]["origin"], "nut-bass-corner");

    const Outcome cut = RunFrets({ "--design", base + ".corvane", "--gcode", base + ".nc" });
    ASSERT_EQ(cut.status, 0) << cut.err;
    std::ifstream program(base + ".nc");
    const std::string text(std::istreambuf_iterator<char>(program), {});
    EXPECT_NE(text.find("Z-1.2500"), std::string::npos);
    EXPECT_NE(text.find("Z-2.5000"), std::string::npos);
    EXPECT_EQ(text.find("Z-3.0000"), std::string::npos); // not the default depth
    std::remove((base + ".corvane").c_str());
    std::remove((base + ".nc").c_str());
}

} // namespace

// The strings: one row per string, the keys scripts read, the chart's
// tensions (10-46 at 25.5 in, treble to bass 16.2 ... 17.5 lb), the
// computed setbacks, and bad strings named.
// What the new board options add reaches every format of the command: one
// row per option and format, with a figure worked outside the engine.
TEST(BoardCommand, NewBoardFiguresReachEveryFormat)
{
    const std::vector<std::string> guitar = { "--edo", "12", "--length", "648", "--frets", "12" };
    const std::vector<std::string> strung = { "--tuning", "E2,A2,D3,G3,B3,E4", "--string-set",
        "light-electric-10-46", "--strings-report" };
    const std::tuple<std::vector<std::string>, const char*, const char*> rows[] = {
        // 12 in radius: the edge 21.5 mm off the middle lies 0.7592 mm lower.
        { { "--radius", "12in", "--last-fret-overhang", "3.5", "--bridge-width", "36" }, "csv",
            ",radius_mm,edge_drop_mm\n" },
        { { "--radius", "12in", "--bridge-width", "36" }, "json",
            "\"radius_mm\": 304.8000, \"edge_drop_mm\": 0.7592" },
        { { "--zero-fret", "5" }, "csv", "\n0,1,0.0000,0.0000,648.0000,1.000000,0.000," },
        { { "--zero-fret", "5" }, "json", "{\"fret\": 0, \"string\": 1, \"from_nut\": 0.0000" },
        // The bass string stands the 3.5 mm overhang from the edge.
        { { "--spacing", "gaps" }, "json", "\"nut_position_mm\": 3.5000" },
        { { "--spacing", "gaps" }, "csv", ",nut_position_mm,bridge_position_mm," },
        { { "--compensate", "--straight-saddle", "one" }, "json",
            "\"straight_saddle\": {\"bass_setback_mm\": " },
        { { "--compensate", "--straight-saddle", "one" }, "csv", ",straight_saddle_rms_cents," },
    };
    for (const auto& [extra, format, expected] : rows) {
        std::vector<std::string> arguments = guitar;
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        if (extra.front() != "--radius" && extra.front() != "--zero-fret")
            arguments.insert(arguments.end(), strung.begin(), strung.end());
        arguments.insert(arguments.end(), { "--format", format });
        const Outcome run = RunFrets(arguments);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_NE(run.out.find(expected), std::string::npos) << expected << "\n" << run.out;
    }
    // A short bed: the parts, and no unsplit file beside them.
    const std::string stem = testing::TempDir() + "bed-" + std::to_string(getpid());
    const Outcome bed = RunFrets(
        { "--edo", "12", "--length", "650", "--bed-length", "200", "--gcode", stem + ".nc" });
    EXPECT_EQ(bed.status, 0) << bed.err;
    for (const std::string part : { "-1.nc", "-2.nc", "-3.nc" }) {
        EXPECT_TRUE(std::filesystem::exists(stem + part)) << part;
        std::filesystem::remove(stem + part);
    }
    EXPECT_FALSE(std::filesystem::exists(stem + ".nc"));
}

TEST(BoardCommand, StringsReportAndIntonationChart)
{
    const Outcome run
        = RunFrets({ "--edo", "12", "--length", "25.5in", "--unit", "in", "--string-set",
            "light-electric-10-46", "--compensate", "--strings-report", "--format", "json" });
    ASSERT_EQ(run.status, 0) << run.err;
    const auto strings = nlohmann::json::parse(run.out).at("strings");
    ASSERT_EQ(strings.size(), 6u);
    const double chart[] = { 17.5, 19.5, 18.4, 16.6, 15.4, 16.2 }; // bass first
    for (std::size_t i = 0; i < 6; ++i) {
        const auto& s = strings[i];
        EXPECT_EQ(s.at("string"), static_cast<int>(i) + 1);
        EXPECT_NEAR(s.at("length_mm").get<double>(), 647.7, 1e-9);
        EXPECT_NEAR(s.at("tension_lbf").get<double>(), chart[i], 0.1) << s.at("pitch");
        EXPECT_NEAR(
            s.at("tension_n").get<double>(), s.at("tension_kgf").get<double>() * 9.80665, 0.05);
        EXPECT_GT(s.at("saddle_setback_mm").get<double>(), 0);
        EXPECT_LT(s.at("rms_cents_after").get<double>(), s.at("rms_cents_before").get<double>());
        for (const char* key : { "frequency_hz", "unit_weight_kg_per_m", "kappa", "b0",
                 "nut_setback_mm", "worst_cents_after" })
            EXPECT_TRUE(s.at(key).is_number()) << key;
    }
    EXPECT_EQ(strings[0].at("pitch"), "E2");
    // A key that names millimetres holds millimetres in csv too.
    const Outcome csv = RunFrets({ "--edo", "12", "--length", "25.5in", "--unit", "in",
        "--string-set", "light-electric-10-46", "--strings-report", "--format", "csv" });
    EXPECT_NE(csv.out.find("\n1,E2,82.407,647.7000,"), std::string::npos) << csv.out;

    const Outcome bad = RunFrets({ "--edo", "12", "--length", "650", "--string-set", "ej45",
        "--tuning", "E2,A2,D3,G3,X3,E4" });
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.err.find("--tuning, corde 5 : « X3 » n'est pas une hauteur"), std::string::npos)
        << bad.err;

    // Options that cannot be used: one line, nothing on standard output.
    const std::vector<std::string> ej45
        = { "--edo", "12", "--length", "650", "--string-set", "ej45" };
    const std::tuple<std::vector<std::string>, int, const char*> refused[] = {
        { { "--action", "1" }, 1, "--action 1 : B:C attendu" },
        { { "--action", "0:4" }, 1, "--action : la longueur « 0 » doit être plus grande que zéro" },
        { { "--reference-a4", "A4" }, 1, "--reference-a4 A4 : une fréquence en Hz est attendue" },
        { { "--reference-a4", "880" }, 1, "--reference-a4 : 880 Hz" },
        { { "--fit-frets", "1" }, 1, "--fit-frets 1 : le nombre de frettes de l'ajustement" },
        { { "--straight-saddle", "one" }, 1,
            "--straight-saddle : un chevalet droit demande la compensation calculée" },
        { { "--intonation-chart", "c.pdf" }, 1, "un fichier .svg ou .png est attendu" },
        { { "--string-set", "XX999" }, 2, "l'option « --string-set » est donnée deux fois" },
        // The limit that was passed, not another.
        { { "--action", "1000:4" }, 1,
            "--action : 1000 mm, doit être plus grand que 0 mm et au plus 50 mm" },
        { { "--compensate", "--frets", "1" }, 1,
            "--frets : 1, la compensation calculée demande une touche d'au moins 2" },
        // A flag takes no value; an option's value is never silently empty.
        { { "--hairline=no" }, 2, "l'option « --hairline » ne prend pas de valeur" },
        { { "--binding-margin", "" }, 2, "l'option « --binding-margin » demande une valeur" },
        { { "--relief=" }, 2, "l'option « --relief » demande une valeur" },
        { { "--slot-width", "" }, 2, "l'option « --slot-width » demande une valeur" },
        { { "--markers", "dots\nnone" }, 2, "repères inconnus « dots\\nnone »" },
    };
    for (const auto& [extra, status, message] : refused) {
        std::vector<std::string> arguments = ej45;
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        const Outcome out = RunFrets(arguments);
        EXPECT_EQ(out.status, status) << message;
        EXPECT_EQ(out.out, "") << message;
        EXPECT_NE(out.err.find(message), std::string::npos) << out.err;
    }
    // A limit written with the digits that tell it from the value.
    const Outcome wide = RunFrets({ "--edo", "12", "--length", "25.5", "--unit", "in", "--gcode",
        "never.nc", "--tool-diameter", "0.0787402" });
    EXPECT_NE(wide.err.find("--tool-diameter : 0.0787402 in, doit être entre 0.003937007874 in et "
                            "0.07874015748 in"),
        std::string::npos)
        << wide.err;
    const Outcome noStrings = RunFrets({ "--edo", "12", "--length", "650", "--strings-report" });
    EXPECT_EQ(noStrings.status, 2);
    EXPECT_NE(noStrings.err.find("demandent les cordes"), std::string::npos) << noStrings.err;

    // Fretlets: a column of the table, each string's fret a little behind
    // the plain one under the model (uncompensated) — by under a millimetre.
    const Outcome fretlets = RunFrets({ "--edo", "12", "--length", "650", "--frets", "12",
        "--string-set", "ej45", "--compensate", "--fretlets", "--format", "json" });
    ASSERT_EQ(fretlets.status, 0) << fretlets.err;
    const auto table = nlohmann::json::parse(fretlets.out); // kept: the loop reads inside it
    for (const auto& row : table.at("rows")) {
        const double shift
            = row.at("from_nut").get<double>() - row.at("fretlet_from_nut").get<double>();
        EXPECT_LT(std::fabs(shift), 1.0) << row.dump();
        EXPECT_LT(std::fabs(row.at("error_cents").get<double>()), 1.0) << row.dump();
    }

    const std::string svg = testing::TempDir() + "intonation-" + std::to_string(getpid()) + ".svg";
    ASSERT_EQ(RunFrets({ "--edo", "12", "--length", "650", "--string-set", "ej45", "--compensate",
                           "--intonation-chart", svg })
                  .status,
        0);
    std::ifstream file(svg);
    const std::string text { std::istreambuf_iterator<char>(file),
        std::istreambuf_iterator<char>() };
    EXPECT_NE(text.find("Justesse de chaque corde"), std::string::npos);
    std::remove(svg.c_str());
}

// Design files: round trip, validation, whole-or-nothing writing.

#include "design_file.h"
#include "said.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace corvane::board {
namespace {

using testing_support::FileSaid;
using testing_support::Said;

std::string ReadAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class DesignFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        directory_ = std::filesystem::temp_directory_path()
            / ("corvane-design-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed())
                + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(directory_);
    }
    void TearDown() override { std::filesystem::remove_all(directory_); }
    std::filesystem::path directory_;
};

TEST_F(DesignFile, EveryFieldSurvivesSavingAndOpening)
{
    Design design;
    design.temperament = ScalaSource { "bp.scl",
        "! bp\nBohlen-Pierce \xE9t\xE9\r\n 2\n 950.978 half a tritave\n 3/1\n" };
    design.frets = 23;
    design.strings = 7;
    design.unit = Unit::Inch;
    design.bassLengthMm = 686.0 + 1.0 / 3.0; // not a short decimal: the file must keep every bit
    design.trebleLengthMm = 635.0;
    design.perpendicularFret = PerpendicularAtBridge;
    design.nutWidthMm = 48.1;
    design.bridgeSpacingMm = 71.2;
    design.nutOverhangMm = 2.9;
    design.lastFretOverhangMm = 4.4;
    design.nutSetbackBassMm = 0.7;
    design.nutSetbackTrebleMm = -0.2;
    design.saddleSetbackBassMm = 3.1;
    design.saddleSetbackTrebleMm = 1.6;
    design.openNote = 11;

    const std::filesystem::path path = directory_ / "seven.corvane";
    ASSERT_EQ(SaveDesign(design, path), std::nullopt);
    const DesignReadResult opened = LoadDesign(path);
    ASSERT_TRUE(opened.design) << FileSaid(*opened.error);
    EXPECT_EQ(*opened.design, design);

    for (const TemperamentSource& source :
        { TemperamentSource { EqualDivisions { 13, *ParsePeriod("1901.955").value } },
            TemperamentSource { ClassicSource { ClassicScale::NaturalDiatonic, ClassicMode::Sol } },
            TemperamentSource { BuiltinSource { BuiltinTable::QuarterCommaMeantone12 } } }) {
        Design other;
        other.temperament = source;
        EXPECT_EQ(DesignFromJson(DesignToJson(other)).design, other);
    }
}

// Each file is written as the oldest version that holds what the design
// has, so that a design using nothing new still opens in an older Corvane.
TEST_F(DesignFile, NewFieldsSurviveInTheOldestVersionThatHoldsThem)
{
    const auto version = [](const std::string& json) {
        return nlohmann::json::parse(json).at("version").get<int>();
    };
    struct Row {
        const char* what;
        void (*change)(Design&);
        int version;
    };
    const Row rows[] = {
        { "nothing new", [](Design&) {}, 1 },
        { "strings", [](Design& d) { d.stringing.fitFrets = 5; }, 2 },
        { "slot outlines", [](Design& d) { d.cut.slotWidthMm = 0.58; }, 3 },
        { "face dots", [](Design& d) { d.cut.markers = true; }, 3 },
        { "router origin", [](Design& d) { d.router.origin = RouterOrigin::NutBassCorner; }, 3 },
        { "binding margin", [](Design& d) { d.router.bindingMarginMm = 2.5; }, 3 },
        { "left-handed", [](Design& d) { d.leftHanded = true; }, 4 },
        { "compound radius",
            [](Design& d) {
                d.radiusNutMm = 254;
                d.radiusLastFretMm = 406.4;
            },
            4 },
        { "slots under the radius", [](Design& d) { d.router.followRadius = true; }, 4 },
        { "a short bed", [](Design& d) { d.router.bedLengthMm = 300; }, 4 },
        { "zero fret", [](Design& d) { d.zeroFretMm = 5; }, 4 },
        { "a length per string",
            [](Design& d) {
                d.stringLengthsMm = { 686, 672, 664, 660, 655, 648 };
                d.bassLengthMm = 686;
                d.trebleLengthMm = 648;
            },
            4 },
        { "two-piece saddle",
            [](Design& d) {
                d.strings = 1;
                d.stringing.tuning = { "E2" };
                d.stringing.set = { SetString::OfItem("NW046") };
                d.stringing.compensation = CompensationMode::Computed;
                d.stringing.saddle = SaddleShape::TwoPiece;
            },
            4 },
        { "spacing by gaps",
            [](Design& d) {
                d.spacing = StringSpacing::Gaps;
                d.strings = 1; // a single string has no gaps to need gauges for
                d.trebleLengthMm = d.bassLengthMm;
            },
            4 },
        { "round end",
            [](Design& d) {
                d.boardEndMm = 20;
                d.boardEndShape = BoardEndShape::Round;
            },
            4 },
    };
    for (const Row& row : rows) {
        Design design;
        row.change(design);
        const std::string json = DesignToJson(design);
        EXPECT_EQ(version(json), row.version) << row.what;
        EXPECT_EQ(DesignFromJson(json).design, design) << row.what;
    }
}

TEST_F(DesignFile, InvalidFilesSayWhatIsWrongAndChangeNothing)
{
    const std::string valid = DesignToJson(Design {});
    const auto with = [&](const std::string& from, const std::string& to) {
        std::string text = valid;
        const std::size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return text.replace(at, from.size(), to);
    };
    struct Case {
        std::string text;
        const char* message;
    };
    std::string manyStrings;
    for (int i = 0; i < 262143; ++i)
        manyStrings += "{}, ";
    const Case cases[] = {
        { valid.substr(0, valid.size() / 2), "fichier JSON mal formé" },
        { "[1, 2]", "le fichier ne contient pas un objet JSON" },
        { with("\"version\": 1", "\"version\": 5"), "champ « version » : version 5 inconnue" },
        { with("corvane-board", "corvane-neck"), "champ « format »" },
        { with("\"bass_length\": 650.0", "\"bass_length\": -650.0"),
            "champ « bass_length » : diapason des graves : -650 mm" },
        { with("\"strings\": 6", "\"strings\": 0"), "champ « strings » : nombre de cordes : 0" },
        { with("\"strings\": 6", "\"strings\": \"six\""),
            "champ « strings » : un nombre entier est attendu" },
        { with("\"frets\": 24,", ""), "champ « frets » : champ absent" },
        { with("\"frets\"", "\"fret\""), "champ « fret » : champ inconnu" },
        { with("\"divisions\": 12", "\"divisions\": 0"), "champ « temperament.divisions »" },
        { with("\"period\": \"2/1\"", "\"period\": \"1/2\""), "champ « temperament.period »" },
        { with("\"equal\"", "\"tempered\""), "champ « temperament.kind » : « tempered »" },
        { with("\"open_note\": \"Mi\"", "\"open_note\": \"H\""), "champ « open_note »" },
        { with("\"unit\": \"mm\"", "\"unit\": \"ft\""), "champ « unit »" },
        // Values each in range whose board cannot be drawn (a radius not
        // above half the width where the board ends): the Atelier draws a
        // design the moment it opens, and once crashed on this one.
        { with("\"last_fret_overhang\": 3.5",
              "\"last_fret_overhang\": 315, \"radius_nut\": 254, \"radius_last_fret\": 300"),
            "champ « radius_last_fret » : rayon à la dernière frette : 300 mm" },
        // Files that once took minutes, or froze the Atelier on a message of
        // megabytes: the 17th string ends the reading, a value is quoted
        // to 60 characters.
        { with("\"open_note\"", "\"string_set\": [" + manyStrings + "{}], \"open_note\""),
            "champ « string_set » : plus de 16 cordes" },
        { with("\"frets\"", "\"" + std::string(15'000'000, 'k') + "\""),
            "champ « kkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk… » : champ "
            "inconnu" },
        { with("\"open_note\": \"Mi\"", "\"open_note\": \"" + std::string(14'000'000, 'x') + "\""),
            "« xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx… » n'est pas" },
    };
    const std::filesystem::path path = directory_ / "bad.corvane";
    for (const Case& c : cases) {
        {
            std::ofstream out(path, std::ios::binary | std::ios::trunc);
            out << c.text;
        }
        const DesignReadResult result = LoadDesign(path);
        EXPECT_FALSE(result.design) << c.message;
        ASSERT_TRUE(result.error) << c.message;
        EXPECT_NE(FileSaid(*result.error).find(c.message), std::string::npos)
            << FileSaid(*result.error).substr(0, 300);
        EXPECT_LT(FileSaid(*result.error).size(), 300u);
        EXPECT_EQ(ReadAll(path), c.text); // opening never rewrites
    }

    // A Scala scale whose pitches do not rise, inside a file.
    const DesignReadResult falling = DesignFromJson(
        R"({"format": "corvane-board", "version": 1, "frets": 12, "strings": 1, "bass_length": 600,
            "temperament": {"kind": "scala", "content": "down\n 3\n 9/8\n 16/15\n 2/1\n"}})");
    ASSERT_TRUE(falling.error);
    EXPECT_NE(FileSaid(*falling.error)
                  .find("champ « temperament.content » : gamme Scala, ligne 4 : les hauteurs "
                        "doivent monter"),
        std::string::npos)
        << FileSaid(*falling.error);
}

// Files from elsewhere: saved on Windows with a byte order mark; or near the
// size limit with a million unknown keys, refused at the first one (parsing
// them all into an ordered object took minutes).
TEST_F(DesignFile, ForeignFilesOpenOrAreRefusedAtOnce)
{
    const std::string valid = DesignToJson(Design {});
    EXPECT_TRUE(DesignFromJson("\xEF\xBB\xBF" + valid).design);
    // Written by a window in English or by hand: letters name the same note.
    std::string lettered = valid;
    lettered.replace(lettered.find("\"Mi\""), 4, "\"F#\"");
    EXPECT_EQ(DesignFromJson(lettered).design->openNote, 6);

    std::string crowded = valid.substr(0, valid.rfind('}'));
    for (int key = 0; key < 900'000; ++key)
        crowded += ",\"k" + std::to_string(key) + "\":0";
    crowded += "}";
    const DesignReadResult result = DesignFromJson(crowded);
    ASSERT_TRUE(result.error);
    EXPECT_EQ(result.error->field, "k0");
    const DesignReadResult nested = DesignFromJson(R"({"format": {"a": 1}})");
    ASSERT_TRUE(nested.error);
    EXPECT_EQ(nested.error->field, "format.a");
}

TEST_F(DesignFile, AFailedSaveLeavesTheOldFile)
{
    const std::filesystem::path path = directory_ / "keep.corvane";
    ASSERT_FALSE(SaveDesign(Design {}, path));
    const std::string before = ReadAll(path);

    Design invalid;
    invalid.strings = 17;
    EXPECT_TRUE(SaveDesign(invalid, path));
    EXPECT_TRUE(SaveDesign(Design {}, directory_ / "missing" / "x.corvane"));
    std::filesystem::create_directory(
        directory_ / "taken.corvane"); // a directory cannot be replaced
    EXPECT_TRUE(SaveDesign(Design {}, directory_ / "taken.corvane"));

    EXPECT_EQ(ReadAll(path), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(directory_), {}),
        2); // no stray temporary file
}

} // namespace
} // namespace corvane::board

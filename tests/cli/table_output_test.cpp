#include "fret_table.h"
#include "table_output.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

using corvane::cli::ComputeFretTable;
using corvane::cli::FretRow;
using corvane::cli::FretTable;
using corvane::cli::Mode;

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::size_t CodePoints(const std::string& text)
{
    std::size_t count = 0;
    for (char c : text)
        count += (static_cast<unsigned char>(c) & 0xC0U) != 0x80U ? 1 : 0;
    return count;
}

TEST(FormatCsv, QuotesFieldsHoldingTheCommaSeparator)
{
    const FretTable table = ComputeFretTable("650", "Pythagore Chromatique", Mode::Do, ",");
    const std::vector<std::string> lines = Lines(corvane::cli::FormatCsv(table));
    ASSERT_EQ(lines.size(), 25U);
    EXPECT_EQ(lines[0], "slot,position,note,fret");
    EXPECT_EQ(lines[1], "1,\"36,1111\",Do#,1");
    EXPECT_EQ(lines[12], "12,325,Do,12");
    EXPECT_EQ(lines[13], "13,\"343,05555\",Do#,13");
}

TEST(FormatCsv, DoublesQuotesInsideQuotedFields)
{
    const FretTable table { "1", "x", Mode::Sol,
        { FretRow { 1, "3\"5", " Sol", 1 }, FretRow { 2, "a\nb", "", 2 },
            FretRow { 3, "7", ",", 3 } } };
    EXPECT_EQ(corvane::cli::FormatCsv(table),
        "slot,position,note,fret\n1,\"3\"\"5\",Sol,1\n2,\"a\nb\",,2\n3,7,\",\",3\n");
}

TEST(FormatJson, EscapesQuotesBackslashesAndControlCharacters)
{
    const FretTable table { "650", "Tempérée \"Diatonique\"", Mode::None,
        { FretRow { 1, "70\\9158", "\t\x01", 1 }, FretRow { 2, "134.0947", " Ré", 2 } } };
    EXPECT_EQ(corvane::cli::FormatJson(table),
        "{\"length\": \"650\", \"scale\": \"Tempérée \\\"Diatonique\\\"\", \"mode\": "
        "\"none\", \"slots\": [{\"slot\": 1, \"fret\": 1, \"position\": \"70\\\\9158\", \"note\": "
        "\"\\u0009\\u0001\"}, {\"slot\": 2, \"fret\": 2, \"position\": \"134.0947\", \"note\": "
        "\"Ré\"}]}\n");
}

TEST(FormatText, NamesScaleAndLengthAndAlignsThePositions)
{
    for (const Mode mode : { Mode::Sol, Mode::None }) {
        const FretTable table = ComputeFretTable("650", "Naturelle   Chromatique", mode, "\u066B");
        const std::vector<std::string> lines = Lines(corvane::cli::FormatText(table));
        ASSERT_EQ(lines.size(), 27U);
        EXPECT_NE(lines[0].find("Naturelle   Chromatique"), std::string::npos) << lines[0];
        EXPECT_NE(lines[0].find("650"), std::string::npos) << lines[0];

        // The heading and every row end their position at the same column.
        const std::string& heading = lines[2];
        const std::size_t end = CodePoints(heading.substr(0, heading.find("Position") + 8));
        for (std::size_t i = 3; i < lines.size(); ++i) {
            const std::size_t slot = i - 2;
            const std::string position(table.rows[slot - 1].position);
            const std::size_t at = lines[i].find(position);
            ASSERT_NE(at, std::string::npos) << lines[i];
            EXPECT_EQ(CodePoints(lines[i].substr(0, at + position.size())), end) << lines[i];
        }
        EXPECT_NE(lines[8].find("189\u066B57725"), std::string::npos) << lines[8];
        EXPECT_EQ(lines[3].find("Sol#") != std::string::npos, mode == Mode::Sol) << lines[3];
    }
}

// Diatonic slot 8 is unused: slot 9 holds the player's eighth fret.
TEST(FormatText, FirstColumnIsTheFretAPlayerCounts)
{
    const FretTable table = ComputeFretTable("650", "Tempérée Diatonique", Mode::Sol, ".");
    const std::vector<std::string> lines = Lines(corvane::cli::FormatText(table));
    ASSERT_EQ(lines.size(), 17U);
    EXPECT_EQ(lines[10].rfind("     8  360.4579", 0), 0U) << lines[10];
    EXPECT_EQ(lines[16].rfind("    14     487.5", 0), 0U) << lines[16];
}

} // namespace

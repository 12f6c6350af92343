#include "messages.h"
#include "options.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using corvane::cli::Format;
using corvane::cli::Mode;
using corvane::cli::ParseOptions;
using Arguments = std::vector<std::string>;

struct Good {
    Arguments arguments;
    std::string lengthText;
    std::string scaleText;
    Mode mode;
    Format format;
    std::optional<std::string> separator;
};

TEST(ParseOptions, AcceptsBothSpellingsAndEveryScaleName)
{
    const Good cases[] = {
        { { "--length", "650", "--scale", "tempered-chromatic" }, "650", "Tempérée Chromatique",
            Mode::Do, Format::Text, std::nullopt },
        { { "--length=650 mm", "--scale=natural-diatonic", "--mode=sol", "--format=csv",
              "--separator=," },
            "650 mm", "Naturelle   Diatonique", Mode::Sol, Format::Csv, "," },
        { { "--format", "json", "--mode", "none", "--scale", "pythagorean-chromatic", "--length",
              "1e3" },
            "1e3", "Pythagore Chromatique", Mode::None, Format::Json, std::nullopt },
        { { "--length", "650", "--scale", "Naturelle   Chromatique" }, "650",
            "Naturelle   Chromatique", Mode::Do, Format::Text, std::nullopt },
        // A negative length is a value, not an option.
        { { "--length", "-650", "--scale", "tempered-diatonic", "--mode", "do" }, "-650",
            "Tempérée Diatonique", Mode::Do, Format::Text, std::nullopt },
        // One character, two bytes.
        { { "--length", "650", "--scale", "pythagorean-diatonic", "--separator", "\u066B" }, "650",
            "Pythagore Diatonique", Mode::Do, Format::Text, "\u066B" },
    };
    for (const Good& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.arguments));
        const auto result = ParseOptions(c.arguments);
        ASSERT_TRUE(result.options) << result.error->message;
        EXPECT_EQ(result.options->lengthText, c.lengthText);
        EXPECT_EQ(result.options->scaleText, c.scaleText);
        EXPECT_EQ(result.options->mode, c.mode);
        EXPECT_EQ(result.options->format, c.format);
        EXPECT_EQ(result.options->separator, c.separator);
        EXPECT_FALSE(result.options->help);
    }
    for (const char* flag : { "--help", "-h" }) {
        const auto result = ParseOptions({ flag });
        ASSERT_TRUE(result.options) << flag;
        EXPECT_TRUE(result.options->help);
    }
}

TEST(ParseOptions, RejectsWhatItCannotUse)
{
    // In English, as under the C locale; the French is the same text's source.
    setenv("LC_ALL", "C", 1);
    corvane::cli::ChooseCommandLanguage();
    const Arguments valid { "--length", "650", "--scale", "tempered-diatonic" };
    auto with = [&](Arguments more) {
        more.insert(more.begin(), valid.begin(), valid.end());
        return more;
    };
    const std::pair<Arguments, const char*> cases[] = {
        { {}, "--length" },
        { { "--scale", "tempered-diatonic" }, "--length is required" },
        { { "--length", "650" }, "--scale is required" },
        { { "--length", "650", "--scale", "tempered" }, "unknown scale 'tempered'" },
        { { "--length", "650", "--scale", "Tempérée diatonique" }, "unknown scale" },
        { with({ "--mode", "Sol" }), "unknown mode" },
        { with({ "--format", "xml" }), "unknown format" },
        { with({ "--separator", ".." }), "one character" },
        { with({ "--separator=" }), "one character" },
        // What a reader would take for part of a number, or for a gap.
        { with({ "--separator", "5" }), "misread" },
        { with({ "--separator", "\u0665" }), "misread" }, // Arabic-Indic five
        { with({ "--separator", "-" }), "misread" },
        { with({ "--separator", "\u2212" }), "misread" }, // minus sign
        { with({ "--separator", "E" }), "misread" },
        { with({ "--separator", " " }), "visible" },
        { with({ "--separator", "\u202F" }), "visible" }, // narrow no-break space
        { with({ "--separator", "\t" }), "visible" },
        { with({ "--separator", "\u200B" }), "visible" }, // zero-width space
        { with({ "--separator", "\xFF" }), "UTF-8" },
        { with({ "--separator", "\xC3" }), "UTF-8" }, // a character cut short
        { with({ "--units", "mm" }), "unknown option '--units'" },
        { with({ "--unit", "inch", "--template", "t.pdf" }), "unknown unit 'inch'" },
        { with({ "--paper", "a5", "--template", "t.pdf" }), "unknown paper 'a5'" },
        { { "--scale", "tempered-diatonic", "--length" }, "needs a value" },
        { { "650", "--scale", "tempered-diatonic" }, "unexpected argument '650'" },
        // Which length was meant? The board command says the same.
        { with({ "--length", "700" }), "option '--length' given twice" },
    };
    for (const auto& [arguments, message] : cases) {
        const auto result = ParseOptions(arguments);
        ASSERT_TRUE(result.error) << testing::PrintToString(arguments);
        EXPECT_FALSE(result.options);
        EXPECT_NE(result.error->message.find(message), std::string::npos) << result.error->message;
    }
    setenv("LC_ALL", "fr_FR.UTF-8", 1); // back to the source language for the other tests
    corvane::cli::ChooseCommandLanguage();
}

} // namespace

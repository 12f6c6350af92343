// The engines' problems as data: each kind still reads as the sentence the
// engine has always written, phrased by the one table, in French and in
// English, without Qt.

#include "design_file.h"
#include "said.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace corvane::board {
namespace {

struct Said {
    std::string message;
    Problem problem;
};

Said Refused(const Design& design)
{
    const auto error = ValidateDesign(design);
    return error ? Said { testing_support::Said(*error), error->problem } : Said {};
}

Design With(const std::function<void(Design&)>& change)
{
    Design design;
    change(design);
    return design;
}

TEST(Problem, EachKindReadsAsTheEngineAlwaysWroteIt)
{
    struct Case {
        std::function<Said()> make;
        ProblemKind kind;
        const char* french;
    };
    const Case cases[] = {
        { [] {
             auto r = ParseLength("12 pieds", Unit::Inch);
             return Said { testing_support::Said(r.problem), r.problem };
         },
            ProblemKind::UnknownUnit, "unité inconnue « pieds » (mm, cm ou in)" },
        { [] {
             auto r = ParsePeriod("2048/1");
             return Said { testing_support::Said(r.problem), r.problem };
         },
            ProblemKind::PeriodRatioOutOfRange,
            "période « 2048/1 » : le rapport doit dépasser 1/1 (et pas 1024/1)" },
        { [] {
             auto r = ParseScala("desc\n3\n9/8\n\n");
             return Said { testing_support::Said(r.problem), r.problem };
         },
            ProblemKind::ScalaPitchMissing, "ligne 4 : hauteur manquante (note 2 sur 3)" },
        { [] { return Refused(With([](Design& d) { d.nutWidthMm = -2.5; })); },
            ProblemKind::LengthNotAboveMinimum,
            "largeur au sillet : -2.5 mm, doit être plus grand que 0 mm" },
        { [] { return Refused(With([](Design& d) { d.strings = 0; })); },
            ProblemKind::CountOutOfRange, "nombre de cordes : 0, doit être entre 1 et 16" },
        { [] {
             return Refused(With([](Design& d) {
                 d.frets = 60;
                 d.temperament = EqualDivisions { 1, {} };
             }));
         },
            ProblemKind::TooManyFretsForTemperament,
            "nombre de frettes : la frette 20 laisserait moins d'un millionième de la corde ; au "
            "plus 19 frettes avec ce "
            "tempérament" },
        // A Scala text's own problem inside the design's.
        { [] {
             return Refused(With([](Design& d) {
                 d.temperament = ScalaSource { "a.scl", "d\n3\n9/8\n9/8\n2/1\n" };
             }));
         },
            ProblemKind::ScalaFileUnusable,
            "gamme Scala « a.scl », ligne 4 : les hauteurs doivent monter, celle-ci ne dépasse pas "
            "la précédente" },
        { [] {
             auto r = DesignFromJson(R"({"format": "corvane-board", "version": 5})");
             return Said { testing_support::FileSaid(*r.error), r.error->problem };
         },
            ProblemKind::UnknownVersion,
            "champ « version » : version 5 inconnue (cette version de Corvane lit les versions 1 à "
            "4)" },
    };
    for (const Case& c : cases) {
        const Said said = c.make();
        EXPECT_EQ(said.message, c.french);
        EXPECT_EQ(said.problem.kind, c.kind) << c.french;
    }
}

// Every kind has its pattern in both languages, naming the same values:
// an English pattern that lost a %3 would drop a number from the message.
TEST(Problem, EveryKindIsPhrasedInBothLanguagesWithTheSameValues)
{
    const auto placeholders = [](std::string_view pattern) {
        std::multiset<char> found;
        for (std::size_t i = 0; i + 1 < pattern.size(); ++i)
            if (pattern[i] == '%' && pattern[i + 1] >= '1' && pattern[i + 1] <= '9')
                found.insert(pattern[i + 1]);
        return found;
    };
    for (int kind = 0; kind < ProblemKindCount; ++kind) {
        const auto k = static_cast<ProblemKind>(kind);
        const std::string_view french = language::Pattern(k, language::Language::French);
        const std::string_view english = language::Pattern(k, language::Language::English);
        EXPECT_FALSE(french.empty()) << kind;
        EXPECT_FALSE(english.empty()) << kind;
        EXPECT_EQ(placeholders(french), placeholders(english)) << french << " / " << english;
        EXPECT_EQ(english.find("\xC2\xAB"), std::string_view::npos) << english; // «
    }
    // Values in the reader's unit and decimal separator.
    const Problem wide { ProblemKind::CountOutOfRange,
        { ProblemValue::Length(2.5), ProblemValue::Length(0.1), ProblemValue::Length(2) }, {} };
    EXPECT_EQ(language::Phrase(wide, { language::Language::French, Unit::Centimetre, "," }, "x"),
        "x : 0,25 cm, doit être entre 0,01 cm et 0,2 cm");
    EXPECT_EQ(language::Phrase(wide, { language::Language::English, Unit::Inch, "." }, "x"),
        "x: 0.09842519685 in, must be between 0.003937007874 in and 0.07874015748 in");
}

} // namespace
} // namespace corvane::board

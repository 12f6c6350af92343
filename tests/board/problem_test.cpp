// The engine's problems as data: each kind still reads as the sentence the
// engine has always written, so the command line's messages do not move.

#include "design_file.h"

#include <gtest/gtest.h>

#include <functional>

namespace corvane::board {
namespace {

struct Said {
    std::string message;
    Problem problem;
};

Said Refused(const Design& design)
{
    const auto error = ValidateDesign(design);
    return error ? Said { error->message, error->problem } : Said {};
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
             return Said { r.error, r.problem };
         },
            ProblemKind::UnknownUnit, "unité inconnue « pieds » (mm, cm ou in)" },
        { [] {
             auto r = ParsePeriod("2048/1");
             return Said { r.error, r.problem };
         },
            ProblemKind::PeriodRatioOutOfRange,
            "période « 2048/1 » : le rapport doit dépasser 1/1 (et pas 1024/1)" },
        { [] {
             auto r = ParseScala("desc\n3\n9/8\n\n");
             return Said { r.error, r.problem };
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
             auto r = DesignFromJson(R"({"format": "corvane-board", "version": 3})");
             return Said { r.error->message, r.error->problem };
         },
            ProblemKind::UnknownVersion,
            "champ « version » : version 3 inconnue (cette version de Corvane lit les versions 1 à "
            "2)" },
    };
    for (const Case& c : cases) {
        const Said said = c.make();
        EXPECT_EQ(said.message, c.french);
        EXPECT_EQ(said.problem.kind, c.kind) << c.french;
    }
}

} // namespace
} // namespace corvane::board

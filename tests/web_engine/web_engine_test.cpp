#include "design.h"
#include "design_file.h"
#include "web_engine.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <functional>
#include <string>

namespace corvane::web {
namespace {

using json = nlohmann::json;

std::string RequestFor(const json& design, json options = json::object())
{
    options["design"] = design.dump();
    return options.dump();
}

json DefaultDesign()
{
    return json::parse(board::DesignToJson(board::Design {}));
}

json WithFrets(int frets)
{
    json design = DefaultDesign();
    design["frets"] = frets;
    return design;
}

// Whatever the page sends, the answer is JSON that says what it can: a
// malformed request, a design the engine refuses (in the page's
// language, naming the field), or the outputs asked for and no others.
TEST(WebEngine, EveryRequestGetsAnAnswerThatSaysWhatItCan)
{
    const struct {
        const char* name;
        std::string request;
        std::function<void(const json&)> check;
    } cases[] = {
        { "not JSON", "{design",
            [](const json& a) { EXPECT_EQ(a.value("failed", ""), "request"); } },
        { "not an object", "[1, 2]",
            [](const json& a) { EXPECT_EQ(a.value("failed", ""), "request"); } },
        { "a design that is not a text", R"({"design": 42, "want": ["table"]})",
            [](const json& a) {
                EXPECT_TRUE(a.contains("problem"));
                EXPECT_FALSE(a.contains("table"));
            } },
        { "no frets, in French", RequestFor(WithFrets(0), { { "language", "fr" } }),
            [](const json& a) {
                EXPECT_EQ(a["problem"]["field"], "frets");
                EXPECT_NE(a["problem"]["message"].get<std::string>().find("nombre de frettes"),
                    std::string::npos);
            } },
        { "no frets, in English", RequestFor(WithFrets(0), { { "language", "en" } }),
            [](const json& a) {
                EXPECT_NE(a["problem"]["message"].get<std::string>().find("number of frets"),
                    std::string::npos);
            } },
        // 650 - 650 / 2^(1/12) = 36.4817 mm, written with the page's comma.
        { "entries that are not texts, a decimal comma",
            RequestFor(DefaultDesign(),
                { { "separator", "," }, { "want", { 1, nullptr, { { "a", 1 } }, "table" } } }),
            [](const json& a) {
                EXPECT_EQ(a["table"]["rows"][0][2], "36,4817");
                EXPECT_FALSE(a.contains("svg"));
            } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const json answer = json::parse(Answer(c.request), nullptr, false);
        ASSERT_TRUE(answer.is_object());
        c.check(answer);
    }
}

} // namespace
} // namespace corvane::web

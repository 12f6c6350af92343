// The design as a document: what each edit, refusal, save and open leaves
// behind, and what the views are told.

#include "design_document.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>

namespace corvane::board {
namespace {

TEST(DesignDocument, EachStepLeavesTheDesignTheFlagAndTheFileAsAnEditorExpects)
{
    const std::filesystem::path directory = std::filesystem::temp_directory_path()
        / ("corvane-document-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    std::filesystem::create_directories(directory);
    const std::string saved = (directory / "board.corvane").string();
    const std::string blocked = (directory / "missing" / "board.corvane").string();

    DesignDocument document;
    std::optional<DesignDocument::Change> told;
    document.Subscribe([&](DesignDocument::Change change) { told = change; });

    using Change = DesignDocument::Change;
    struct Step {
        const char* what;
        std::function<bool()> act; // whether the step succeeded
        bool succeeds;
        std::optional<Change> told;
        int frets;
        bool modified;
        std::string path;
        bool refusal; // the refused edit still said until one is taken
    };
    const Step steps[] = {
        { "the same design again", [&] { return document.Propose(document.design()); }, true,
            Change::Edited, 24, false, "", false },
        { "an edit", [&] { return document.Edit([](Design& d) { d.frets = 22; }); }, true,
            Change::Edited, 22, true, "", false },
        { "an edit the engine refuses",
            [&] { return document.Edit([](Design& d) { d.frets = 0; }); }, false, Change::Refused,
            22, true, "", true },
        { "a save that cannot be written", [&] { return !document.Save(blocked); }, false,
            std::nullopt, 22, true, "", true },
        { "a save", [&] { return !document.Save(saved); }, true, Change::Saved, 22, false, saved,
            true },
        { "an edit after saving", [&] { return document.Edit([](Design& d) { d.frets = 21; }); },
            true, Change::Edited, 21, true, saved, false },
        { "a file that cannot be opened", [&] { return !document.Open(blocked); }, false,
            std::nullopt, 21, true, saved, false },
        { "the saved file opened", [&] { return !document.Open(saved); }, true, Change::Replaced,
            22, false, saved, false },
        { "a new design",
            [&] {
                document.Renew(Design {});
                return true;
            },
            true, Change::Replaced, 24, false, "", false },
    };
    for (const Step& step : steps) {
        told.reset();
        EXPECT_EQ(step.act(), step.succeeds) << step.what;
        EXPECT_EQ(told, step.told) << step.what;
        EXPECT_EQ(document.design().frets, step.frets) << step.what;
        EXPECT_EQ(document.layout().design, document.design()) << step.what;
        EXPECT_EQ(static_cast<int>(document.layout().frets.size()), step.frets) << step.what;
        EXPECT_EQ(document.modified(), step.modified) << step.what;
        EXPECT_EQ(document.path(), step.path) << step.what;
        EXPECT_EQ(document.problem().has_value(), step.refusal) << step.what;
    }

    // Its own save is not someone else's change; another program's is.
    ASSERT_FALSE(document.Open(saved));
    EXPECT_FALSE(document.ChangedOnDisk(saved));
    std::filesystem::last_write_time(
        saved, std::filesystem::last_write_time(saved) + std::chrono::seconds(2));
    EXPECT_TRUE(document.ChangedOnDisk(saved));
    std::filesystem::remove_all(directory);
}

} // namespace
} // namespace corvane::board

// Every file is written whole or not at all, and only over what can be
// replaced.

#include "full_disk.h"
#include "said.h"
#include "whole_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace corvane::files {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class WholeFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::path(::testing::TempDir()) / ("whole-file-" + std::to_string(::getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }
    std::string At(const std::string& name) const { return (folder_ / name).string(); }
    std::size_t Entries() const
    {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), {}));
    }

    fs::path folder_;
};

TEST_F(WholeFile, ReplacesWhatCanBeReplacedAndKeepsItsKind)
{
    // A link is written through and stays a link.
    std::ofstream(At("real.svg")) << "old";
    fs::create_symlink("real.svg", At("link.svg"));
    ASSERT_FALSE(WriteWholeFile(At("link.svg"), "new"));
    EXPECT_TRUE(fs::is_symlink(At("link.svg")));
    EXPECT_EQ(ReadAll(At("real.svg")), "new");
    // A dangling link gets its file.
    fs::create_symlink("later.dxf", At("dangling.dxf"));
    ASSERT_FALSE(WriteWholeFile(At("dangling.dxf"), "made"));
    EXPECT_EQ(ReadAll(At("later.dxf")), "made");
    // A private file stays private.
    std::ofstream(At("private.corvane")) << "old";
    fs::permissions(At("private.corvane"), fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_FALSE(WriteWholeFile(At("private.corvane"), "new"));
    EXPECT_EQ(fs::status(At("private.corvane")).permissions() & fs::perms::all,
        fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(Entries(), 5u); // no temporary file left
}

TEST_F(WholeFile, RefusesWhatIsNoRegularFileAndLeavesIt)
{
    std::ofstream(At("locked.pdf")) << "kept";
    fs::permissions(
        At("locked.pdf"), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    ASSERT_EQ(::mkfifo(At("pipe").c_str(), 0600), 0);
    fs::create_directory(At("folder.svg"));
    const bool device
        = ::mknod(At("full").c_str(), S_IFCHR | 0600, makedev(1, 7)) == 0; // needs root
    struct Case {
        std::string path;
        WriteFailure failure;
    } const cases[] = {
        { At("locked.pdf"), WriteFailure::ReadOnlyFile },
        { At("pipe"), WriteFailure::NotARegularFile },
        { At("folder.svg"), WriteFailure::IsAFolder },
        { At("missing/x.svg"), WriteFailure::NoSuchFolder },
        { device ? At("full") : At("pipe"), WriteFailure::NotARegularFile },
    };
    for (const Case& c : cases) {
        const auto problem = WriteWholeFile(c.path, "new");
        ASSERT_TRUE(problem) << c.path;
        EXPECT_EQ(problem->failure, c.failure) << c.path;
        EXPECT_EQ(problem->path, c.path);
        EXPECT_NE(
            testing_support::Said(board::WriteProblemOf(*problem)).find(c.path), std::string::npos);
    }
    EXPECT_EQ(ReadAll(At("locked.pdf")), "kept");
    EXPECT_TRUE(fs::is_fifo(At("pipe")));
    EXPECT_TRUE(!device || fs::is_character_file(At("full")));
    EXPECT_EQ(Entries(), device ? 4u : 3u);
}

TEST(WholeFileOnAFullDisk, LeavesTheEarlierFileAndNoTemporary)
{
    const testing_support::FullDisk disk(
        { { std::string("board.svg"), std::string("the board of yesterday") } });
    if (!disk.mounted())
        GTEST_SKIP() << "mounting a tmpfs needs root";
    const auto problem = WriteWholeFile(disk.path("board.svg"), std::string(64 * 1024, 'x'));
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->failure, WriteFailure::DiskFull);
    EXPECT_EQ(ReadAll(disk.path("board.svg")), "the board of yesterday");
    EXPECT_EQ(disk.names(), std::vector<std::string> { "board.svg" });
}

TEST(PdfIsWhole, ReadsTheCrossReferenceTable)
{
    const std::string body = "%PDF-1.4\n1 0 obj\n<<>>\nendobj\n";
    const std::string xref = "xref\n0 2\n0000000000 65535 f \n0000000009 00000 n \n";
    const std::string whole
        = body + xref + "trailer\n<<>>\nstartxref\n" + std::to_string(body.size()) + "\n%%EOF\n";
    EXPECT_TRUE(PdfIsWhole(whole));
    EXPECT_FALSE(PdfIsWhole(whole.substr(0, whole.size() - 3))); // cut short
    std::string gap = whole;
    gap.replace(9, 1, "");
    gap.insert(20, " ");
    EXPECT_FALSE(PdfIsWhole(gap)); // an object moved
}

} // namespace
} // namespace corvane::files

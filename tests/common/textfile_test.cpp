#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

#include "common/textfile.h"
#include "support/testsupport.h"

using namespace korvalt;
using korvalt::test::ReadBytes;
using korvalt::test::TTempDir;
using korvalt::test::WriteBytes;

TEST(SplitLines, AcceptsCrLfAndBareLfAndAnUnterminatedLastLine) {
    const struct {
        const char* text;
        TStrings lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\r\n\r\nb\n", {"a", "", "b"}},
        {"\n", {""}},
        {"a\rb\n", {"a\rb"}}, // a lone CR is text
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitLines(c.text), c.lines) << c.text;
}

TEST(ReadLines, MissingFileIsEmptyAndReportedAsNotOpened) {
    TStrings lines{"old"};
    EXPECT_FALSE(ReadLines("/nonexistent/korvalt/file.txt", lines));
    EXPECT_TRUE(lines.empty());
}

TEST(SaveLines, WritesCrLfAfterEveryLineAndKeepsBytes) {
    TTempDir dir;
    ASSERT_TRUE(SaveLines(dir.File("x.vhd"), {"entity \xE4 is", "", "end;"}));
    EXPECT_EQ(ReadBytes(dir.File("x.vhd")), "entity \xE4 is\r\n\r\nend;\r\n");
}

TEST(SaveLines, FailedWriteKeepsTheOldFileAndNamesTheReason) {
    TTempDir dir;
    WriteBytes(dir.File("plain.txt"), "keep");
    const auto r = SaveLines(dir.File("plain.txt/out.vhd"), {"x"});
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.empty());
    EXPECT_EQ(ReadBytes(dir.File("plain.txt")), "keep");
    // No temporary file is left behind.
    int files = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir.Path()))
        ++files;
    EXPECT_EQ(files, 1);
}

TEST(SaveLines, KeepsPermissionsAndWritesThroughASymbolicLink) {
    TTempDir dir;
    WriteBytes(dir.File("real.vhd"), "old");
    chmod(dir.File("real.vhd").c_str(), 0640);
    std::filesystem::create_symlink("real.vhd", dir.File("link.vhd"));
    ASSERT_TRUE(SaveLines(dir.File("link.vhd"), {"new"}));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.vhd")));
    EXPECT_EQ(ReadBytes(dir.File("real.vhd")), "new\r\n");
    struct stat st {};
    stat(dir.File("real.vhd").c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(SaveLines, RefusesAFolderAsTarget) {
    TTempDir dir;
    std::filesystem::create_directory(dir.File("sub"));
    EXPECT_FALSE(SaveLines(dir.File("sub"), {"x"}).ok);
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("sub")));
}

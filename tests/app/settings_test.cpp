#include <gtest/gtest.h>

#include "app/settings.h"
#include "support/testsupport.h"

using namespace korvalt;

TEST(Ini, FirstLineCountsWhateverItHolds) {
    const struct {
        const char* content;
        std::optional<std::string> value;
    } cases[] = {
        {"/home/u/vhdl/\r\n", "/home/u/vhdl/"},
        {"/a/\n/b/\n", "/a/"},
        {"\r\n/b/\r\n", ""},
        {"", std::nullopt},
        {"/ohne/ende", "/ohne/ende"},
    };
    for (const auto& c : cases) {
        test::TTempDir dir;
        test::WriteBytes(dir.File("KORVALT.INI"), c.content);
        EXPECT_EQ(ReadIni(dir.Path()), c.value) << c.content;
    }
    test::TTempDir empty;
    EXPECT_EQ(ReadIni(empty.Path()), std::nullopt);
}

TEST(Ini, WritingLeavesExactlyOneLine) {
    test::TTempDir dir;
    test::WriteBytes(dir.File("KORVALT.INI"), "/a/\n/b/\n");
    ASSERT_TRUE(WriteIni(dir.Path(), "/m\xFC/"));
    EXPECT_EQ(test::ReadBytes(dir.File("KORVALT.INI")), "/m\xFC/\r\n");
}

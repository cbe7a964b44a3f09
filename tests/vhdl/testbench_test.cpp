#include "vhdl/testbench.h"

#include <gtest/gtest.h>

#include "support/testsupport.h"

using namespace korvalt;
using namespace korvalt::test;

TEST(Testbench, SkeletonsOfADesignWithClockWithoutClockAndOfNoDesign) {
    TTempDir dir;
    WriteBytes(dir.File("kombi.vhd"),
               "entity kombi is\r\n  port(a : in bit;\r\n       y : out bit);\r\n"
               "end kombi;\r\narchitecture rtl of kombi is\r\nbegin\r\n"
               "  p: process(a) begin y <= a; end process;\r\nend rtl;\r\n");
    const struct {
        std::string design;
        const char* expected;
        bool updatable;
    } cases[] = {
        {DataPath("vhdl/zaehler.vhd"), "vhdl/zaehler.wdl", false},
        {dir.File("kombi.vhd"), "vhdl/kombi.wdl", true},
        {dir.File("fehlt.vhd"), "vhdl/leer.wdl", true},
    };
    for (const auto& c : cases) {
        TStrings lines;
        ReadLines(c.design, lines); // a missing design scans as empty
        ASSERT_TRUE(BuildTestbench(ScanEntity(lines), dir.File("out.wdl")).ok) << c.expected;
        EXPECT_TRUE(MatchesExpected(ReadBytes(dir.File("out.wdl")), c.expected, c.updatable));
    }
    // Without a clock no stimulus process stands between the instance and the test process.
    EXPECT_NE(
        ReadBytes(DataPath("vhdl/kombi.wdl")).find("port map(a=>a,y=>y);\r\n\r\n\r\n   ptest"),
        std::string::npos);
}

TEST(Testbench, FileNameBesideTheDesign) {
    const struct {
        const char* chosen;
        const char* wdl;
    } cases[] = {
        {"/home/u/my.designs/zaehler.vhd", "/home/u/my.designs/zaehler.wdl"},
        {"/w/top.rtl.vhd", "/w/top.wdl"},
        {"/w/ohne_punkt", "/w/ohne_punkt.wdl"},
        {"relativ.VHD", "relativ.wdl"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TestbenchFileName(c.chosen), c.wdl);
}

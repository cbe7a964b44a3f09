#include "vhdl/testbench.h"

#include <gtest/gtest.h>

#include "support/testsupport.h"

using namespace korvalt;
using namespace korvalt::test;

TEST(Testbench, ReproducesTheCounterTestbench) {
    TTempDir dir;
    WriteBytes(dir.File("zaehler.vhd"), ReadBytes(DataPath("vhdl/zaehler.vhd")));
    TSignal design(dir.File("zaehler.vhd"));
    const std::string out = TestbenchFileName(dir.File("zaehler.vhd"));
    EXPECT_EQ(out, dir.File("zaehler.wdl"));
    ASSERT_TRUE(BuildTestbench(design, out).ok);
    EXPECT_TRUE(MatchesExpected(ReadBytes(out), "vhdl/zaehler.wdl", false));
}

TEST(Testbench, WithoutClockOrWithoutDesignTheSkeletonStaysComplete) {
    TTempDir dir;
    WriteBytes(dir.File("kombi.vhd"),
               "entity kombi is\r\n  port(a : in bit;\r\n       y : out bit);\r\n"
               "end kombi;\r\narchitecture rtl of kombi is\r\nbegin\r\n"
               "  p: process(a) begin y <= a; end process;\r\nend rtl;\r\n");
    TSignal kombi(dir.File("kombi.vhd"));
    ASSERT_TRUE(BuildTestbench(kombi, dir.File("kombi.wdl")).ok);
    EXPECT_NE(ReadBytes(dir.File("kombi.wdl")).find("port map(a=>a,y=>y);\r\n\r\n\r\n   ptest"),
              std::string::npos);
    EXPECT_TRUE(MatchesExpected(ReadBytes(dir.File("kombi.wdl")), "vhdl/kombi.wdl"));

    TSignal missing(dir.File("fehlt.vhd"));
    ASSERT_TRUE(BuildTestbench(missing, dir.File("fehlt.wdl")).ok);
    EXPECT_TRUE(MatchesExpected(ReadBytes(dir.File("fehlt.wdl")), "vhdl/leer.wdl"));
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

TEST(Testbench, UnwritableOutputIsReportedWithTheReason) {
    TTempDir dir;
    WriteBytes(dir.File("plain.txt"), "x");
    TSignal design(DataPath("vhdl/zaehler.vhd"));
    const auto result = BuildTestbench(design, dir.File("plain.txt/zaehler.wdl"));
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
    EXPECT_EQ(ReadBytes(dir.File("plain.txt")), "x");
}

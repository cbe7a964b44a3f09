#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "support/testsupport.h"

using namespace korvalt::test;

namespace {
const std::string Zaehler = DataPath("template/zaehler.vhd");
} // namespace

TEST(CliSections, ListsDeclarationsWithDefaultsAndRanges) {
    const auto r = Cli({"sections", Zaehler});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "Aufwaertszaehler\tBREITE[4..16]\t4\t4..16\n"
                     "Aufwaertszaehler\tSTART[0,15]\t0\t0..15\n"
                     "Abwaertszaehler\tBREITE[8]\t8\t\n");
    EXPECT_EQ(r.err, "");
}

TEST(CliSections, SectionsWithoutDeclarationsAndUmlautsInUtf8) {
    TTempDir dir;
    WriteBytes(dir.File("t.vhd"), "#Z\xE4hler\r\n<\r\n>\r\n\r\n#B\r\n-X[]\r\n<\r\n");
    const auto r = Cli({"sections", dir.File("t.vhd")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "Zähler\nB\tX[]\t\t\n");
}

TEST(CliExpand, ReproducesTheCounterExample) {
    TTempDir dir;
    const auto r = Cli({"expand", Zaehler, "aufwaertszaehler", "breite=8", "START=3", "-o",
                        dir.File("zaehler8.VHD")});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out + r.err, "");
    EXPECT_TRUE(
        MatchesExpected(ReadBytes(dir.File("zaehler8.VHD")), "template/zaehler8.VHD", false));
}

TEST(CliExpand, UnnamedParametersTakeDefaultsAndOutIsUsedAsGiven) {
    TTempDir dir;
    const auto r = Cli({"expand", Zaehler, "Abwaertszaehler", "-o", "z.vhdl"}, dir.Path());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(ReadBytes(dir.File("z.vhdl")).substr(0, 18), "entity z is\r\n   po");
    EXPECT_NE(ReadBytes(dir.File("z.vhdl")).find("(7 downto 0)"), std::string::npos);
    // No extension is added, and a name without "." would leave |NAME| empty:
    // refused, as is a name VHDL does not take.
    for (const char* out : {"z", "mein_register-breit.vhd", "register.vhd"}) {
        const auto refused = Cli({"expand", Zaehler, "Abwaertszaehler", "-o", out}, dir.Path());
        EXPECT_EQ(refused.exitCode, 2) << out;
        EXPECT_NE(refused.err.find("kein gültiger VHDL-Bezeichner für |NAME|"), std::string::npos)
            << refused.err;
        EXPECT_FALSE(std::filesystem::exists(dir.File(out))) << out;
    }
}

TEST(CliExpand, ANameMatchingSeveralDeclarationsSetsAllOfThem) {
    TTempDir dir;
    WriteBytes(dir.File("t.vhd"), "#S\n-W[1,4]\n-W[2..9]\n<\n|W| |$1,W|\n>\n");
    EXPECT_EQ(Cli({"expand", dir.File("t.vhd"), "S", "w=3", "-o", dir.File("o.vhd")}).exitCode, 0);
    EXPECT_EQ(ReadBytes(dir.File("o.vhd")), "3 \"111\"\r\n");
    // 5 fits the second range but not the first: refused.
    EXPECT_EQ(Cli({"expand", dir.File("t.vhd"), "S", "W=5", "-o", dir.File("o.vhd")}).exitCode, 2);
}

// tests/data/cli/commands.txt lists every command; each has its usage line in
// the help, and a command not listed there is no command at all.
TEST(CliHelp, ExplainsEveryCommand) {
    const auto r = Cli({"--help"});
    EXPECT_EQ(r.exitCode, 0);
    std::size_t usages = 0;
    for (auto p = r.out.find("\n  korvalt-cli "); p != std::string::npos;
         p = r.out.find("\n  korvalt-cli ", p + 1))
        ++usages;
    const auto rows = DataRows("cli/commands.txt");
    EXPECT_EQ(usages, rows.size() + 2); // and the two of --help
    for (const auto& cmd : rows) {
        const std::string usage = "  korvalt-cli " + cmd[0] + " ";
        EXPECT_NE(r.out.find("\n" + usage), std::string::npos) << cmd[0];
        // "BEFEHL --help" shows that command's part only.
        const auto own = Cli({cmd[0], "--help"});
        EXPECT_EQ(own.exitCode, 0) << cmd[0];
        EXPECT_TRUE(own.out.starts_with(usage) && r.out.find(own.out) != std::string::npos)
            << own.out;
    }
    EXPECT_EQ(Cli({"gibtsnicht"}).exitCode, 2);
}

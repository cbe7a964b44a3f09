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
    const auto r = Cli({"expand", Zaehler, "Abwaertszaehler", "-o", "z"}, dir.Path());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    // No extension is added; |NAME| of a name without "." is empty.
    EXPECT_EQ(ReadBytes(dir.File("z")).substr(0, 17), "entity  is\r\n   po");
    EXPECT_NE(ReadBytes(dir.File("z")).find("(7 downto 0)"), std::string::npos);
}

TEST(CliExpand, ErrorsNameWhatIsWrongAndExitWith2) {
    TTempDir dir;
    WriteBytes(dir.File("plain.txt"), "keep");
    WriteBytes(dir.File("nobody.vhd"), "#Leer\r\n-N\r\n<\r\n>\r\n");
    const struct {
        std::vector<std::string> args;
        const char* mentions;
    } cases[] = {
        {{"expand", Zaehler, "Fehlt", "-o", dir.File("a.vhd")}, "Fehlt"},
        {{"expand", dir.File("nobody.vhd"), "leer", "-o", dir.File("a.vhd")}, "Rumpf"},
        {{"expand", Zaehler, "Aufwaertszaehler", "TIEFE=3", "-o", dir.File("a.vhd")}, "TIEFE"},
        {{"expand", Zaehler, "Aufwaertszaehler", "START=", "-o", dir.File("a.vhd")}, "Ziffern"},
        {{"expand", Zaehler, "Aufwaertszaehler", "START=-1", "-o", dir.File("a.vhd")}, "Ziffern"},
        {{"expand", Zaehler, "Aufwaertszaehler", "START=16", "-o", dir.File("a.vhd")}, "Bereich"},
        {{"expand", Zaehler, "Aufwaertszaehler", "-o", dir.File("plain.txt/a.vhd")}, "plain.txt"},
        {{"expand", dir.File("fehlt.vhd"), "x", "-o", dir.File("a.vhd")}, "fehlt.vhd"},
        {{"expand", Zaehler, "Aufwaertszaehler"}, "Aufruf"},
        {{"sections"}, "Aufruf"},
        {{"sections", dir.Path()}, "Ist ein Verzeichnis"},
        {{"frobnicate"}, "frobnicate"},
    };
    for (const auto& c : cases) {
        const auto r = Cli(c.args);
        EXPECT_EQ(r.exitCode, 2) << c.mentions;
        EXPECT_NE(r.err.find(c.mentions), std::string::npos) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("a.vhd")));
    EXPECT_EQ(ReadBytes(dir.File("plain.txt")), "keep");
}

TEST(CliExpand, ANameMatchingSeveralDeclarationsSetsAllOfThem) {
    TTempDir dir;
    WriteBytes(dir.File("t.vhd"), "#S\n-W[1,4]\n-W[2..9]\n<\n|W| |$1,W|\n>\n");
    EXPECT_EQ(Cli({"expand", dir.File("t.vhd"), "S", "w=3", "-o", dir.File("o.vhd")}).exitCode, 0);
    EXPECT_EQ(ReadBytes(dir.File("o.vhd")), "3 \"111\"\r\n");
    // 5 fits the second range but not the first: refused.
    EXPECT_EQ(Cli({"expand", dir.File("t.vhd"), "S", "W=5", "-o", dir.File("o.vhd")}).exitCode, 2);
}

TEST(CliHelp, ExplainsEveryCommand) {
    const auto r = Cli({"--help"});
    EXPECT_EQ(r.exitCode, 0);
    for (const char* cmd : {"sections", "expand"})
        EXPECT_NE(r.out.find(cmd), std::string::npos);
}

#include "vhdl/insert.h"

#include <filesystem>
#include <gtest/gtest.h>

#include "support/testsupport.h"

using namespace korvalt;
using namespace korvalt::test;

namespace {

std::string Lf(std::string s) {
    for (auto p = s.find("\r\n"); p != std::string::npos; p = s.find("\r\n", p))
        s.erase(p, 1);
    return s;
}

const TStrings Small{"entity k is", "  port(a : in bit;",     "       y : out bit);",
                     "end k;",      "architecture r of k is", "begin",
                     "end r;"};

std::size_t Count(const TStrings& lines, const std::string& line) {
    return static_cast<std::size_t>(std::count(lines.begin(), lines.end(), line));
}

} // namespace

TEST(InsertComponent, ReproducesTheTopExampleWithAndWithoutComments) {
    for (const bool comments : {true, false}) {
        TTempDir dir;
        WriteBytes(dir.File("top.vhd"), ReadBytes(DataPath("vhdl/top.vhd")));
        const auto r = InsertComponent(DataPath("vhdl/zaehler.vhd"), dir.File("top.vhd"), comments);
        EXPECT_EQ(r.outcome, TInsertOutcome::Inserted) << r.error;
        EXPECT_TRUE(MatchesExpected(
            ReadBytes(dir.File("top.vhd")),
            comments ? "vhdl/top_kommentar.vhd" : "vhdl/top_ohne_kommentar.vhd", false));
    }
}

TEST(InsertComponent, TargetWithoutCrLfKeepsLfLineEnds) {
    TTempDir dir;
    std::string lf = Lf(ReadBytes(DataPath("vhdl/top.vhd")));
    lf.pop_back(); // a last line without line end gets one
    WriteBytes(dir.File("top.vhd"), lf);
    ASSERT_EQ(InsertComponent(DataPath("vhdl/zaehler.vhd"), dir.File("top.vhd"), true).outcome,
              TInsertOutcome::Inserted);
    EXPECT_EQ(ReadBytes(dir.File("top.vhd")), Lf(ReadBytes(DataPath("vhdl/top_kommentar.vhd"))));
}

TEST(InsertComponent, RefusalsAndFailuresLeaveTheTargetUntouched) {
    TTempDir dir;
    const std::string top = ReadBytes(DataPath("vhdl/top.vhd"));
    WriteBytes(dir.File("top.vhd"), top);
    WriteBytes(dir.File("leer.vhd"), "");
    WriteBytes(dir.File("namenlos.vhd"), "-- entity x is\r\narchitecture a of x is\r\n");
    const std::string zaehler = DataPath("vhdl/zaehler.vhd");
    const struct {
        std::string component, target;
        TInsertOutcome outcome;
    } cases[] = {
        {dir.File("fehlt.vhd"), dir.File("top.vhd"), TInsertOutcome::ComponentUnreadable},
        {dir.File("namenlos.vhd"), dir.File("top.vhd"), TInsertOutcome::NoEntityName},
        {zaehler, dir.File("fehlt.vhd"), TInsertOutcome::TargetUnreadable},
        {zaehler, dir.File("leer.vhd"), TInsertOutcome::TargetEmpty},
        // /proc admits no new file beside its entries, not even for root.
        {zaehler, "/proc/version", TInsertOutcome::WriteFailed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.component + " -> " + c.target);
        const auto r = InsertComponent(c.component, c.target, true);
        EXPECT_EQ(r.outcome, c.outcome);
        EXPECT_EQ(r.error.empty(), c.outcome != TInsertOutcome::WriteFailed);
    }
    EXPECT_EQ(ReadBytes(dir.File("top.vhd")), top);
    EXPECT_EQ(ReadBytes(dir.File("leer.vhd")), "");
    EXPECT_FALSE(std::filesystem::exists(dir.File("fehlt.vhd")));
}

TEST(InsertComponent, WhereTheInsertionsGo) {
    const struct {
        const char* what;
        TStrings target, expected;
    } cases[] = {
        {"comment holding begin before the architecture",
         {"-- begin: Kopf", "architecture a of t is", "begin", "end a;"},
         {"-- begin: Kopf", "architecture a of t is", "component k", "   PORT(",
          "         a : in bit;", "         y : out bit", "        );", "end component;", "",
          "for all : k use entity work.k(r);", "", "begin", "   map_XXX : k port map(a,y);",
          "end a;"}},
        {"end architecture line opens no second insertion",
         {"architecture a of t is", "begin", "end architecture a;"},
         {"architecture a of t is", "component k", "   PORT(", "         a : in bit;",
          "         y : out bit", "        );", "end component;", "",
          "for all : k use entity work.k(r);", "", "begin", "   map_XXX : k port map(a,y);",
          "end architecture a;"}},
        {"no architecture: the configuration line alone",
         {"x <= y; -- noch kein Rumpf", "BEGIN"},
         {"x <= y; -- noch kein Rumpf", "for all : k use entity work.k(r);", "", "BEGIN"}},
        {"keywords inside names move nothing",
         {"signal architecture_x, beginning : bit;", "architecture a of t is",
          "  signal end_flag : bit; -- begin", "begin", "end a;"},
         {"signal architecture_x, beginning : bit;", "architecture a of t is", "component k",
          "   PORT(", "         a : in bit;", "         y : out bit", "        );",
          "end component;", "", "  signal end_flag : bit; -- begin",
          "for all : k use entity work.k(r);", "", "begin", "   map_XXX : k port map(a,y);",
          "end a;"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(InsertedLines(Small, c.target, false), c.expected) << c.what;
}

TEST(InsertComponent, ComponentWithoutArchitectureAndInsertingTwice) {
    const TStrings noArch(Small.begin(), Small.begin() + 4);
    const TStrings target{"architecture a of t is", "begin", "end a;"};
    EXPECT_EQ(InsertedLines(noArch, target, false)[8], "for all : k use entity work.k();");
    const TStrings twice = InsertedLines(Small, InsertedLines(Small, target, true), true);
    EXPECT_EQ(Count(twice, "component k"), 2u);
    EXPECT_EQ(Count(twice, "   map_XXX : k port map("), 2u);
    EXPECT_EQ(Count(twice, "for all : k use entity work.k(r);"), 2u);
}

TEST(ListComponents, VhdFilesInAnyCaseSortedWithoutTheTargetsName) {
    TTempDir dir;
    for (const char* name : {"zeta.vhd", "Alpha.VHD", "beta.Vhd", "Top.vhd", "notes.txt", "x.vhdl"})
        WriteBytes(dir.File(name), "");
    std::filesystem::create_directory(dir.File("ordner.vhd"));
    EXPECT_EQ(ListComponents(dir.Path(), "/anderswo/TOP.vhd"),
              (TStrings{"Alpha.VHD", "beta.Vhd", "zeta.vhd"}));
    EXPECT_EQ(ListComponents(dir.File("fehlt/"), "t.vhd"), TStrings{});
}

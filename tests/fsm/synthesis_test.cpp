#include <gtest/gtest.h>

#include <algorithm>

#include "fsm/examples.h"
#include "fsm/synthesis.h"
#include "support/testsupport.h"

using namespace korvalt;
using korvalt::test::MealyExample;
using korvalt::test::MooreExample;

namespace {
bool Has(const TStrings& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}
// The line after the first one equal to `line`.
std::string After(const TStrings& lines, const std::string& line) {
    auto it = std::find(lines.begin(), lines.end(), line);
    return it == lines.end() || it + 1 == lines.end() ? "(none)" : *(it + 1);
}
} // namespace

TEST(BuildAutomatVhdl, WorkedExamplesByteForByte) {
    EXPECT_TRUE(test::MatchesExpected(test::CrLf(BuildAutomatVhdl(MooreExample(), "moore")),
                                      "fsm/moore.vhd", false));
    EXPECT_TRUE(test::MatchesExpected(test::CrLf(BuildAutomatVhdl(MealyExample(), "mealy")),
                                      "fsm/mealy.vhd", false));
}

TEST(BuildAutomatVhdl, StateFormsAndDeclarations) {
    TAutomat moore = MooreExample();
    moore.Zustandsmatrix = {"S0|0", "S1|1"};
    auto lines = BuildAutomatVhdl(moore, "m");
    EXPECT_TRUE(Has(lines, "   signal z : std_logic_vector(0 downto 0);"));
    EXPECT_TRUE(Has(lines, "   constant S1 : std_logic_vector(0 downto 0) := \"1\";"));

    // A Mealy machine in the enumerated form keeps its state inside: no z
    // port, and zn is of the state type.
    TAutomat mealy = MealyExample();
    mealy.Zustandsmatrix = {"S0|0", "S1|"};
    lines = BuildAutomatVhdl(mealy, "e");
    EXPECT_TRUE(Has(lines, "   type zustand is (zx,S0,S1);"));
    EXPECT_TRUE(Has(lines, "   signal zn : zustand;"));
    EXPECT_EQ(After(lines, "         x : in std_logic_vector(0 downto 0);"),
              "         y : out std_logic_vector(0 downto 0));");
}

TEST(BuildAutomatVhdl, EdgeCases) {
    TAutomat a = MooreExample();
    a.Automatentabelle.clear();
    a.Ausgangstabelle.clear();
    a.Eingangsbitbreite = 0;
    a.Eingangsmatrix = {"X0|", "X1|1"};
    auto lines = BuildAutomatVhdl(a, "m");
    EXPECT_TRUE(Has(lines, "   constant X0 : std_logic_vector(0 downto 0) := \"0\";"));
    EXPECT_EQ(After(lines, "               elsif (clk'event and clk = '1') then"),
              "            end if;");
    const auto pa = std::find(lines.begin(), lines.end(), "  pASync: PROCESS(z)");
    ASSERT_NE(pa, lines.end());
    EXPECT_EQ(*(pa + 2), "          END PROCESS pASync;");

    // Output-table names differing in case take the first row's output; an
    // unknown or empty reset state falls back to the first state.
    a = MooreExample();
    a.Ausgangstabelle = {"S0|Y1", "s0|Y0", "S1|Y1"};
    a.Resetzustand = "S7";
    lines = BuildAutomatVhdl(a, "m");
    EXPECT_TRUE(Has(lines, "            elsif z = s0 then y <= Y1;"));
    EXPECT_TRUE(Has(lines, "            if rst = '1' then z <= S0;"));
    a.Resetzustand = "s1";
    EXPECT_TRUE(Has(BuildAutomatVhdl(a, "m"), "            if rst = '1' then z <= s1;"));
}

TEST(BuildAutomatVhdl, MealyCasesIndentLookupAndMissingPairs) {
    TAutomat a = MealyExample();
    a.Zustandsmatrix = {"ABC|0", "S1|1"};
    a.Automatentabelle = {"ABC|S1|X1|Y1", "ABC|ABC|X1|Y0", "S1|ABC|X0|Y0", "s1|S1|X1|Y1"};
    const auto lines = BuildAutomatVhdl(a, "m");
    // 23 + 3 spaces of indent, two more before "when"; the first row of a pair counts.
    EXPECT_TRUE(Has(lines, std::string(28, ' ') + "when X1 => y <= Y1; zn <= S1;"));
    EXPECT_FALSE(Has(lines, std::string(28, ' ') + "when X0 => y <= ; zn <= ;"));
    // S1 has no exact row for X1 (s1 differs in case): the "when others" line covers it.
    const auto s1 = std::find(lines.begin(), lines.end(), "              when S1 => case x is ");
    ASSERT_NE(s1, lines.end());
    EXPECT_EQ(*(s1 + 1), std::string(27, ' ') + "when X0 => y <= Y0; zn <= ABC;");
    EXPECT_EQ(*(s1 + 2), std::string(27, ' ') + "when others => y <= yx; zn <= zx;");

    a.Automatentabelle.clear();
    const auto empty = BuildAutomatVhdl(a, "m");
    const auto pa = std::find(empty.begin(), empty.end(), "  pASync: PROCESS(z,x)");
    ASSERT_NE(pa, empty.end());
    EXPECT_EQ(*(pa + 2), "          END PROCESS pASync;");
}

TEST(SynthesisHelpers, RowsConstantsWidthsAndNames) {
    EXPECT_EQ(SplitTableRow("A|B|c|d", 3), (TStrings{"A", "B", "c|d"}));
    EXPECT_EQ(SplitTableRow("A|B|c|d|e", 4), (TStrings{"A", "B", "c", "d|e"}));
    EXPECT_EQ(SplitTableRow("A||c", 3), (TStrings{"", "", ""}));
    EXPECT_EQ(SplitTableRow("A|B", 3), (TStrings{"", "", ""}));
    EXPECT_EQ(MakeConstantLine("go|", 2), "constant go : std_logic_vector(2 downto 0) := \"000\";");
    EXPECT_EQ(MakeConstantLine("go|1", 2), "constant go : std_logic_vector(2 downto 0) := \"1\";");
    EXPECT_EQ(StateCodeWidth({"Z0|011", "Z1|1"}), 3);
    EXPECT_EQ(StateCodeWidth({"Z0"}), 0);
    EXPECT_EQ(StateCodeWidth({}), 0);
    EXPECT_EQ(FindStateOutput({"A|y1", "a|y2"}, "A"), "y1");
    EXPECT_EQ(FindStateOutput({"A|y1"}, ""), "");
    EXPECT_EQ(EntityNameOf("mein.paket.vhd"), "mein");
    EXPECT_EQ(EntityNameOf("ohne"), "ohne");
    EXPECT_EQ(WrittenName("ganz"), "ganz");
}

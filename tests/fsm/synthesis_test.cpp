#include <gtest/gtest.h>

#include <filesystem>

#include "fsm/examples.h"
#include "fsm/synthesis.h"
#include "fsm/workspace.h"
#include "support/testsupport.h"

using namespace korvalt;
using korvalt::test::MealyExample;
using korvalt::test::MooreExample;

TEST(BuildAutomatVhdl, WorkedExamplesByteForByte) {
    EXPECT_TRUE(test::MatchesExpected(test::CrLf(BuildAutomatVhdl(MooreExample(), "moore")),
                                      "fsm/moore.vhd", false));
    EXPECT_TRUE(test::MatchesExpected(test::CrLf(BuildAutomatVhdl(MealyExample(), "mealy")),
                                      "fsm/mealy.vhd", false));
}

// tests/data/fsm/vhdl: each workspace file and the VHDL written from it (see README.txt there).
TEST(BuildAutomatVhdl, VariantsByteForByte) {
    int compared = 0;
    for (const auto& file : std::filesystem::directory_iterator(test::DataPath("fsm/vhdl"))) {
        const std::string name = file.path().filename().string();
        if (!name.ends_with(".Moore.txt") && !name.ends_with(".Mealy.txt")) continue;
        TAutomat a;
        a.Moore = name.ends_with(".Moore.txt");
        ASSERT_TRUE(LoadWorkspaceFile(a, file.path().string()));
        const std::string entity = name.substr(0, name.find('.'));
        EXPECT_TRUE(test::MatchesExpected(test::CrLf(BuildAutomatVhdl(a, entity)),
                                          "fsm/vhdl/" + entity + ".vhd"));
        ++compared;
    }
    EXPECT_GE(compared, 7);
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

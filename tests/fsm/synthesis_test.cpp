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
    EXPECT_TRUE(
        test::MatchesExpected(test::CrLf(BuildAutomatVhdl(ReadMachine(MooreExample()), "moore")),
                              "fsm/moore.vhd", false));
    EXPECT_TRUE(
        test::MatchesExpected(test::CrLf(BuildAutomatVhdl(ReadMachine(MealyExample()), "mealy")),
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
        EXPECT_TRUE(test::MatchesExpected(test::CrLf(BuildAutomatVhdl(ReadMachine(a), entity)),
                                          "fsm/vhdl/" + entity + ".vhd"));
        ++compared;
    }
    EXPECT_GE(compared, 7);
}

TEST(SynthesisHelpers, EntityNamesAndConstants) {
    EXPECT_EQ(MakeConstantLine({"go", ""}, 2),
              "constant go : std_logic_vector(2 downto 0) := \"000\";");
    EXPECT_EQ(MakeConstantLine({"", "go", false}, 0),
              "constant go : std_logic_vector(0 downto 0) := \"go\";");
    EXPECT_EQ(EntityNameOf("mein.paket.vhd"), "mein");
    EXPECT_EQ(EntityNameOf("ohne"), "ohne");
}

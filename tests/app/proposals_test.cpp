#include <gtest/gtest.h>

#include "app/proposals.h"

using namespace korvalt;

TEST(ProposedOutputName, FollowsTheDescriptionFileAndTheCurrentWorkKeepsItsNames) {
    struct TCase {
        bool moore;
        const char* file;
        const char* ext;
        const char* proposed;
    };
    const TCase cases[] = {{true, "", ".vhd", "moore.vhd"},
                           {false, "", ".svg", "mealy.svg"},
                           {true, "/w/Moore.txt", ".vhd", "moore.vhd"},
                           {false, "/w/Mealy.txt", ".vhd", "mealy.vhd"},
                           {true, "/w/Ampel.txt", ".vhd", "ampel.vhd"},
                           {false, "/w.d/ampel.v2.txt", ".svg", "ampel.v2.svg"},
                           {true, "/w/ampel", ".vhd", "ampel.vhd"}};
    for (const auto& c : cases)
        EXPECT_EQ(ProposedOutputName(c.moore, c.file, c.ext), c.proposed) << c.file;
}

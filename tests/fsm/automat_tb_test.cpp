#include <gtest/gtest.h>

#include <random>

#include "fsm/automat_tb.h"
#include "fsm/checks.h"
#include "fsm/examples.h"
#include "fsm/random_automat.h"
#include "fsm/workspace.h"
#include "support/testsupport.h"

using namespace korvalt;
using namespace korvalt::test;

// The worked examples, and machines with rows that win over later ones,
// unreachable states, a sink that needs a reset, a state without outputs,
// an empty reset state, low reset and falling edge.
TEST(AutomatTestbench, ExpectedFilesByteForByte) {
    EXPECT_TRUE(MatchesExpected(CrLf(BuildAutomatTestbench(ReadMachine(MooreExample()), "moore")),
                                "fsm/moore_tb.vhd"));
    EXPECT_TRUE(MatchesExpected(CrLf(BuildAutomatTestbench(ReadMachine(MealyExample()), "mealy")),
                                "fsm/mealy_tb.vhd"));
    for (const char* name : {"moore_vorrang", "mealy_senke", "moore_beliebig", "mealy_beliebig"}) {
        TAutomat a;
        a.Moore = std::string(name).starts_with("moore");
        ASSERT_TRUE(LoadWorkspaceFile(a, DataPath("fsm/tour/" + std::string(name) +
                                                  (a.Moore ? ".Moore.txt" : ".Mealy.txt"))));
        ASSERT_TRUE(CheckAutomat(ReadMachine(a)).Ok()) << name;
        EXPECT_TRUE(MatchesExpected(CrLf(BuildAutomatTestbench(ReadMachine(a), name)),
                                    "fsm/tour/" + std::string(name) + "_tb.vhd"));
    }
}

// Every step starts where the one before ended and takes the row the model
// takes there; every row is either taken or listed with its reason.
TEST(AutomatTestbench, TourIsAWalkThatTakesEveryTakeableRow) {
    std::mt19937 rng(12);
    for (int i = 0; i < 300; ++i) {
        const TMachine a = ReadMachine(RandomAutomat(rng, RandomShape(rng)));
        const TMachineModel m(a);
        const TTour tour = PlanTour(a, m);
        ASSERT_TRUE(!tour.steps.empty() && tour.steps.front().reset);
        std::vector<int> taken(a.Zeilen.size());
        int at = m.ResetState();
        for (const auto& s : tour.steps) {
            ASSERT_EQ(s.reset ? m.ResetState() : at, s.state) << i;
            if (!s.reset) {
                ASSERT_EQ(m.RowTaken(at, m.Row(s.row).input), s.row) << i;
                taken[static_cast<std::size_t>(s.row)] = 1;
            }
            at = s.next;
        }
        for (const auto& skipped : tour.skipped)
            taken[static_cast<std::size_t>(skipped.row)] += 2;
        for (std::size_t r = 0; r < taken.size(); ++r)
            EXPECT_TRUE(taken[r] == 1 || taken[r] == 2) << i << " row " << r;
    }
}

#include <gtest/gtest.h>

#include <random>

#include "fsm/automat_tb.h"
#include "fsm/checks.h"
#include "fsm/examples.h"
#include "fsm/random_automat.h"
#include "fsm/simulation.h"
#include "fsm/workspace.h"
#include "support/testsupport.h"

using namespace korvalt;
using namespace korvalt::test;

// The worked examples, and machines with rows that win over later ones,
// unreachable states, a sink that needs a reset, a state without outputs,
// an empty reset state, low reset and falling edge.
TEST(AutomatTestbench, ExpectedFilesByteForByte) {
    EXPECT_TRUE(
        MatchesExpected(CrLf(BuildAutomatTestbench(MooreExample(), "moore")), "fsm/moore_tb.vhd"));
    EXPECT_TRUE(
        MatchesExpected(CrLf(BuildAutomatTestbench(MealyExample(), "mealy")), "fsm/mealy_tb.vhd"));
    for (const char* name : {"moore_vorrang", "mealy_senke"}) {
        TAutomat a;
        a.Moore = std::string(name).starts_with("moore");
        ASSERT_TRUE(LoadWorkspaceFile(a, DataPath("fsm/tour/" + std::string(name) +
                                                  (a.Moore ? ".Moore.txt" : ".Mealy.txt"))));
        ASSERT_TRUE(CheckAutomat(a).Ok()) << name;
        EXPECT_TRUE(MatchesExpected(CrLf(BuildAutomatTestbench(a, name)),
                                    "fsm/tour/" + std::string(name) + "_tb.vhd"));
    }
}

// Every step starts where the one before ended and takes the row the model
// takes there; every row is either taken or listed with its reason.
TEST(AutomatTestbench, TourIsAWalkThatTakesEveryTakeableRow) {
    std::mt19937 rng(12);
    for (int i = 0; i < 300; ++i) {
        const TAutomat a = RandomAutomat(rng, RandomShape(rng));
        const TMachineModel m(a);
        const TTour tour = PlanTour(a, m);
        ASSERT_FALSE(tour.steps.empty());
        EXPECT_TRUE(tour.steps.front().reset);
        std::vector<bool> taken(a.Automatentabelle.size());
        int at = m.ResetState();
        for (const auto& s : tour.steps) {
            if (s.reset) {
                EXPECT_EQ(s.next, m.ResetState());
                at = s.next;
                continue;
            }
            ASSERT_EQ(s.state, at) << i;
            ASSERT_EQ(m.RowTaken(at, m.Row(s.row).input), s.row) << i;
            taken[static_cast<std::size_t>(s.row)] = true;
            at = s.next;
        }
        std::size_t listed = 0;
        for (std::size_t r = 0; r < taken.size(); ++r) {
            const bool skipped =
                listed < tour.skipped.size() && tour.skipped[listed].row == static_cast<int>(r);
            EXPECT_NE(taken[r], skipped) << i << " row " << r;
            listed += skipped;
        }
        EXPECT_EQ(listed, tour.skipped.size());
        EXPECT_EQ(tour.takeable + tour.skipped.size(), a.Automatentabelle.size());
    }
}

TEST(AutomatTestbench, SimulatorOutputGivesSummaryFailuresAndVerdict) {
    const std::string log = ReadBytes(DataPath("fsm/ghdl_lauf.txt"));
    const TSimulationOutcome failed = ReadSimulationOutput(log, 1);
    EXPECT_FALSE(failed.passed);
    EXPECT_EQ(failed.summary, "3 \xdc"
                              "berg\xe4nge gepr\xfc"
                              "ft, 2 Fehler");
    ASSERT_EQ(failed.failures.size(), 2u);
    EXPECT_EQ(failed.failures[1],
              "Zeile 1 (S0|S1|X1), Zustand S1, Ausgang Y1: erwartet y = 1, gesehen y = 0");
    EXPECT_TRUE(ReadSimulationOutput("t.vhd:1:1:@5ns:(report note): 4 \xdc"
                                     "berg\xe4nge gepr\xfc"
                                     "ft, 0 Fehler\n",
                                     0)
                    .passed);
    EXPECT_FALSE(ReadSimulationOutput("", 0).passed); // no summary: the run never finished
}

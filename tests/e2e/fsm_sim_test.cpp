// Generated state machines simulated with GHDL: a testbench drives reset,
// clock and inputs and asserts, cycle by cycle, the outputs the tables give.
#include <gtest/gtest.h>

#include <random>

#include "e2e/ghdl.h"
#include "fsm/checks.h"
#include "fsm/examples.h"
#include "fsm/random_automat.h"
#include "fsm/synthesis.h"
#include "support/testsupport.h"

using namespace korvalt;
using namespace korvalt::test;

namespace {

const char* const Done = "SIMULATION_DONE";

std::string Inactive(const std::string& level) {
    return level == "1" ? "0" : "1";
}

// A testbench for entity `dut` that follows the reference machine for `cycles` inputs.
TStrings Testbench(const TAutomat& a, const std::string& dut, std::mt19937& rng, int cycles) {
    const TBounds b = VectorBounds(ReadMachine(a));
    const bool zPort = !a.Moore && ReadMachine(a).Coded();
    const std::string edge = a.TaktAktiv, idle = Inactive(a.TaktAktiv);
    TStrings tb = {"library IEEE;",
                   "use IEEE.STD_LOGIC_1164.ALL;",
                   "entity tb_" + dut + " is",
                   "end tb_" + dut + ";",
                   "architecture sim of tb_" + dut + " is",
                   "  signal clk : std_logic := '" + idle + "';",
                   "  signal rst : std_logic := '" + a.ResetAktiv + "';",
                   "  signal x : std_logic_vector(" + std::to_string(b.xh) +
                       " downto 0) := (others => '0');",
                   "  signal y : std_logic_vector(" + std::to_string(b.yh) + " downto 0);"};
    if (zPort)
        tb.push_back("  signal z : std_logic_vector(" + std::to_string(b.zh) + " downto 0);");
    tb.push_back("begin");
    tb.push_back("  dut: entity work." + dut + " port map(clk => clk, rst => rst, x => x," +
                 (zPort ? " z => z," : "") + " y => y);");
    tb.push_back("  process");
    tb.push_back("  begin");
    // An active edge while reset is held must not leave the reset state.
    tb.push_back("    wait for 5 ns; clk <= '" + edge + "'; wait for 5 ns; clk <= '" + idle + "';");
    tb.push_back("    wait for 5 ns; rst <= '" + Inactive(a.ResetAktiv) + "'; wait for 5 ns;");
    TReferenceMachine ref(a);
    std::uniform_int_distribution<std::size_t> pick(0, a.Eingangsmatrix.size() - 1);
    // The outputs are checked before the active edge and again before the
    // inactive one, so a machine clocked on the wrong edge is caught.
    auto check = [&](const std::string& y, const std::string& when) {
        if (!y.empty())
            tb.push_back("    assert y = \"" + y + "\" report \"" + when +
                         ": y = \" & to_string(y) & \", erwartet " + y + "\" severity failure;");
    };
    for (int c = 0; c < cycles; ++c) {
        const std::string x = Fields(a.Eingangsmatrix[pick(rng)])[1];
        tb.push_back("    x <= \"" + x + "\"; wait for 5 ns;");
        check(ref.Output(x), "Takt " + std::to_string(c));
        tb.push_back("    clk <= '" + edge + "'; wait for 5 ns;");
        const bool known = ref.Clock(x); // false: the tables leave the next state open
        if (known) check(ref.Output(x), "nach der aktiven Flanke " + std::to_string(c));
        tb.push_back("    clk <= '" + idle + "'; wait for 5 ns;");
        if (!known) break;
    }
    tb.push_back("    report \"" + std::string(Done) + "\";");
    tb.push_back("    wait;");
    tb.push_back("  end process;");
    tb.push_back("end sim;");
    return tb;
}

} // namespace

// Random machines of every kind, form, edge and reset level, and the worked examples.
TEST(FsmSimulation, MooreAndMealyCodedAndEnumeratedBothEdgesBothResetLevels) {
    std::vector<std::pair<std::string, TAutomat>> machines = {{"Moore example", MooreExample()},
                                                              {"Mealy example", MealyExample()}};
    std::mt19937 rng(20261206);
    for (bool moore : {true, false})
        for (bool coded : {true, false})
            for (const char* r : {"0", "1"})
                for (const char* c : {"0", "1"}) {
                    TMachineShape shape; // three inputs
                    shape.moore = moore, shape.coded = coded, shape.states = 5;
                    shape.resetLevel = r, shape.clockLevel = c;
                    shape.outputs = 4, shape.outputWidth = 3;
                    machines.emplace_back(std::string(moore ? "Moore" : "Mealy") +
                                              (coded ? " coded" : " enumerated") + ", reset " + r +
                                              ", clock " + c,
                                          RandomAutomat(rng, shape));
                }
    for (const auto& [what, a] : machines) {
        const TAutomatReport report = CheckAutomat(ReadMachine(a));
        ASSERT_TRUE(report.Ok()) << what << ": "
                                 << (report.further.empty() ? "" : report.further[0]);

        TTempDir dir;
        const TStrings vhdl = BuildAutomatVhdl(ReadMachine(a), "fsm_dut");
        WriteBytes(dir.File("fsm_dut.vhd"), CrLf(vhdl));
        WriteBytes(dir.File("tb.vhd"), CrLf(Testbench(a, "fsm_dut", rng, 40)));
        auto r = GhdlAnalyse(dir.File("fsm_dut.vhd"), dir.Path());
        ASSERT_TRUE(r.Ok()) << what << "\n" << r.output << CrLf(vhdl);
        r = GhdlAnalyse(dir.File("tb.vhd"), dir.Path());
        ASSERT_TRUE(r.Ok()) << what << "\n" << r.output;
        r = GhdlRun("tb_fsm_dut", dir.Path(), "10us");
        EXPECT_TRUE(r.Ok()) << what << "\n" << r.output << CrLf(vhdl);
        EXPECT_NE(r.output.find(Done), std::string::npos) << what << "\n" << r.output;
        r = GhdlSynth("fsm_dut", dir.Path());
        EXPECT_TRUE(r.Ok()) << what << ": no hardware\n" << r.output << CrLf(vhdl);
    }
}

// The code-style options under GHDL: random machines of every kind and form
// (with unreachable states and unused codes, without and with don't-care
// bits in their patterns), once per option and once with
// all of them, analyse, synthesise without a latch and pass their
// self-checking testbench; files without the Synopsys packages analyse without
// them. A coded machine with recovery started without reset holds no state's
// code and is in the reset state after one active edge.
#include <gtest/gtest.h>

#include <random>

#include "common/textfile.h"
#include "e2e/ghdl.h"
#include "fsm/checks.h"
#include "fsm/random_automat.h"
#include "fsm/simulation.h"
#include "fsm/synthcheck.h"
#include "fsm/synthesis.h"
#include "fsm/workspace.h"
#include "support/testsupport.h"

using namespace korvalt;
using namespace korvalt::test;

TEST(FsmOptions, RandomMachinesWithEveryOptionSynthesiseAndPassTheirTestbench) {
    std::vector<std::pair<const char*, TOptionen>> variants = {
        {"numeric_std", {.NumericStd = true}},
        {"flanke", {.Flanke = true}},
        {"one-hot", {.Kodierung = TKodierung::OneHot}},
        {"gray", {.Kodierung = TKodierung::Gray}},
        {"binary", {.Kodierung = TKodierung::Binaer}},
        {"sicher", {.Sicher = true}},
        {"register", {.Register = true}},
        {"alle", {true, true, TKodierung::Gray, true, true}},
    };
    std::mt19937 rng(2027);
    TTempDir dir, plain;
    std::vector<std::string> files, plainFiles;
    std::vector<TJob> jobs;
    std::vector<TMachineUnit> machines;
    for (const auto& [what, options] : variants)
        for (int kind = 0; kind < 8; ++kind) {
            TAutomat a;
            do {
                TMachineShape shape = RandomShape(rng);
                shape.moore = kind % 4 < 2;
                shape.coded = kind % 2 == 0;
                shape.dontCare = kind >= 4;
                a = RandomAutomat(rng, shape);
            } while (!CheckAutomat(ReadMachine(a)).Ok());
            a.Optionen = options;
            const TMachine m = ReadMachine(a);
            const std::string entity = "o" + std::to_string(jobs.size());
            ASSERT_TRUE(WriteSimulationFiles(m, dir.Path(), entity));
            files.push_back(dir.File(entity + ".vhd"));
            files.push_back(dir.File(entity + "_tb.vhd"));
            jobs.push_back({entity, std::string(what) + (a.Moore ? " Moore" : " Mealy") +
                                        (m.Coded() ? " kodiert" : " aufgezählt") +
                                        (kind >= 4 ? " mit -" : "")});
            machines.push_back({entity, !a.Moore && m.Coded()});
            if (options.NumericStd) plainFiles.push_back(files[files.size() - 2]);
        }
    AnalyseAndRun(dir.Path(), files, jobs);
    for (const auto& job : jobs) {
        const auto outcome = ReadSimulationOutput(job.run.out + job.run.err, job.run.exitCode);
        EXPECT_TRUE(outcome.passed) << job.what << "\n" << job.run.out << job.run.err;
    }
    const auto synth = GhdlSynthMachines(machines, dir.Path());
    EXPECT_TRUE(synth.Ok()) << synth.output;

    std::vector<std::string> argv = {"ghdl", "-a", "--std=08", "--workdir=" + plain.Path()};
    argv.insert(argv.end(), plainFiles.begin(), plainFiles.end());
    const auto r = korvalt::test::Run(argv, plain.Path());
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
}

// tests/data/fsm/vhdl: stil_sicher (Mealy, the register on the z port, reset
// state "10") and stil_alle (Moore, registered outputs of the reset state "00",
// falling edge). No reset is ever given.
TEST(FsmOptions, RecoveryTakesAnUninitialisedRegisterToTheResetStateInOneEdge) {
    struct TCase {
        const char *file, *entity, *port, *reset, *edge;
    };
    for (const TCase& c : {TCase{"stil_sicher.Mealy.txt", "stil_sicher", "z", "10", "'1'"},
                           TCase{"stil_alle.Moore.txt", "stil_alle", "y", "00", "'0'"}}) {
        TTempDir dir;
        TAutomat a;
        a.Moore = std::string(c.file).ends_with("Moore.txt");
        ASSERT_TRUE(LoadWorkspaceFile(a, DataPath(std::string("fsm/vhdl/") + c.file)));
        WriteBytes(dir.File("m.vhd"), CrLf(BuildAutomatVhdl(ReadMachine(a), c.entity)));
        const std::string idle = a.ResetAktiv == "1" ? "'0'" : "'1'";
        const std::string p = c.port, e = c.entity;
        WriteBytes(dir.File("tb.vhd"),
                   "library IEEE;\nuse IEEE.STD_LOGIC_1164.ALL;\nentity tb is\nend tb;\n"
                   "architecture t of tb is\n  signal clk : std_logic := not " +
                       std::string(c.edge) + ";\n  signal rst : std_logic := " + idle +
                       ";\n  signal x : std_logic_vector(0 downto 0) := \"0\";\n"
                       "  signal y : std_logic_vector(" +
                       (a.Moore ? "1" : "0") + " downto 0);\n" +
                       (a.Moore ? "" : "  signal z : std_logic_vector(1 downto 0);\n") +
                       "begin\n  u: entity work." + e +
                       " port map(clk => clk, rst => rst, x => x," + (a.Moore ? "" : " z => z,") +
                       " y => y);\n  process begin\n    wait for 5 ns;\n" + "    assert " + p +
                       " = \"UU\" report \"vorher\" severity failure;\n" + "    clk <= " + c.edge +
                       ";\n    wait for 5 ns;\n    assert " + p + " = \"" + c.reset +
                       "\" report \"nachher\" severity failure;\n" +
                       "    report \"ok\";\n    wait;\n  end process;\nend t;\n");
        for (const char* f : {"m.vhd", "tb.vhd"})
            ASSERT_TRUE(GhdlAnalyse(dir.File(f), dir.Path()).Ok()) << f;
        const auto run = GhdlRun("tb", dir.Path(), "100ns");
        EXPECT_TRUE(run.Ok()) << c.file << "\n" << run.output;
        EXPECT_NE(run.output.find("ok"), std::string::npos) << run.output;
    }
}

// "Synthese prüfen" on random coded machines: Yosys (synth -nofsm) keeps the
// codes, so it counts no more flip-flops than the state code is wide, plus
// the outputs when they come from registers. The encoding attributes of the
// enumerated form are explained, not listed as warnings. korvalt-cli fsm-synth
// prints the figures, and without yosys on the PATH ends with 2 and one line.
TEST(FsmOptions, SynthesisCheckCountsNoMoreFlipFlopsThanTheCodesHold) {
    std::mt19937 rng(77);
    for (int i = 0; i < 7; ++i) {
        TMachineShape shape = RandomShape(rng);
        shape.moore = i % 2 == 0;
        shape.coded = i < 6;
        TAutomat a;
        do
            a = RandomAutomat(rng, shape);
        while (!CheckAutomat(ReadMachine(a)).Ok());
        a.Optionen.Register = i % 4 == 0;
        a.Optionen.Sicher = i % 3 == 0;
        a.Optionen.Kodierung = shape.coded ? TKodierung::Auto : TKodierung::OneHot;
        const TMachine m = ReadMachine(a);
        TTempDir dir;
        ASSERT_TRUE(SaveLines(dir.File("m.vhd"), BuildAutomatVhdl(m, "m")));
        TSynthOutcome o;
        const auto steps = SynthCheckSteps(dir.Path(), "m");
        for (std::size_t s = 0; s < steps.size(); ++s) {
            std::vector<std::string> argv = {steps[s].program};
            argv.insert(argv.end(), steps[s].args.begin(), steps[s].args.end());
            const auto r = korvalt::test::Run(argv, dir.Path());
            if (!steps[s].stdoutFile.empty()) WriteBytes(steps[s].stdoutFile, r.out);
            ASSERT_TRUE(
                ReadSynthStep(s, r.err + (steps[s].stdoutFile.empty() ? r.out : ""), r.exitCode, o))
                << i << ": " << r.err;
        }
        EXPECT_TRUE(o.ok && !o.latch) << i;
        EXPECT_TRUE(o.warnings.empty()) << i << ": " << o.warnings.front();
        EXPECT_EQ(o.unhandledAttribute, !shape.coded) << i;
        if (!shape.coded) continue;
        const int limit =
            VectorBounds(m).zh + 1 + (a.Moore && a.Optionen.Register ? VectorBounds(m).yh + 1 : 0);
        EXPECT_GE(o.flipFlops, 1) << i;
        EXPECT_LE(o.flipFlops, limit) << i;
        EXPECT_GT(o.cells, 0) << i;
    }

    TTempDir dir;
    const std::string work = DataPath("fsm/Moore.txt");
    const auto ok =
        korvalt::test::Run({KORVALT_CLI, "fsm-synth", work, "--safe", "--registered-outputs"});
    EXPECT_EQ(ok.exitCode, 0) << ok.err;
    EXPECT_NE(ok.out.find("Flipflops: "), std::string::npos) << ok.out;
    EXPECT_NE(ok.out.find("Kein Latch"), std::string::npos) << ok.out;
    const auto missing =
        korvalt::test::Run({"/usr/bin/env", "PATH=" + dir.Path(), KORVALT_CLI, "fsm-synth", work});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_EQ(SplitLines(missing.err).size(), 1u) << missing.err;
    EXPECT_NE(missing.err.find("ghdl"), std::string::npos) << missing.err;
}

// Imported KISS2 machines under GHDL: every test file (the two largest of
// benchmark size) and random machines, with and without don't-care bits,
// pass the checks, synthesise without a latch and pass their self-checking
// testbench; exported and imported again, each passes the testbench of the
// machine first imported.
#include <gtest/gtest.h>

#include <random>

#include "common/textfile.h"
#include "e2e/ghdl.h"
#include "fsm/automat_tb.h"
#include "fsm/checks.h"
#include "fsm/kiss2.h"
#include "fsm/simulation.h"
#include "fsm/synthesis.h"
#include "support/testsupport.h"

using namespace korvalt;
using namespace korvalt::test;

namespace {

// States named by their codes (renamed on import), a quarter of the inputs
// without a row; a Moore machine's rows carry their state's output. With
// dash, bits of patterns are "-" by a third (inputs) and a fifth (outputs),
// so rows of a state overlap and some are covered by earlier ones, and a
// row now and then leads to "*" (left open).
std::string RandomKiss2(std::mt19937& rng, bool moore, bool dash) {
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    const int states = 2 + pick(6), inputs = 1 + pick(3), outputs = 1 + pick(3);
    auto bits = [&](int v, int width, int dashIn) {
        std::string s;
        for (int b = width - 1; b >= 0; --b)
            s += dashIn > 0 && pick(dashIn) == 0 ? '-' : (v >> b) & 1 ? '1' : '0';
        return s;
    };
    std::string text = ".i " + std::to_string(inputs) + "\n.o " + std::to_string(outputs) + "\n";
    for (int s = 0; s < states; ++s) {
        const std::string out = bits(pick(1 << outputs), outputs, dash ? 5 : 0);
        for (int v = 0; v < (1 << inputs); ++v)
            if (v == 0 || pick(4) > 0)
                text += bits(v, inputs, dash && v > 0 ? 3 : 0) + " " + bits(s, 4, 0) + " " +
                        (dash && v > 0 && pick(10) == 0 ? "*" : bits(pick(states), 4, 0)) + " " +
                        (moore ? out : bits(pick(1 << outputs), outputs, dash ? 5 : 0)) + "\n";
    }
    return text;
}

} // namespace

TEST(Kiss2Simulation, ImportedMachinesSynthesiseAndPassTheirTestbench) {
    struct TSource {
        std::string text;
        bool moore, file;
    };
    std::vector<TSource> sources;
    for (const auto& c : DataRows("fsm/kiss2/imports.txt"))
        sources.push_back({ReadBytes(DataPath("fsm/kiss2/" + c.at(0))), c.at(1) == "moore", true});
    // The machines of the sizes of the large published benchmarks.
    for (const char* file : {"gross218.kiss2", "gross32.kiss2"})
        sources.push_back({ReadBytes(DataPath(std::string("fsm/kiss2/") + file)), false, true});
    std::mt19937 rng(2026);
    for (int i = 0; i < 16; ++i)
        sources.push_back({RandomKiss2(rng, i % 2 == 0, i >= 6), i % 2 == 0, false});
    TTempDir dir;
    TStrings files;
    std::vector<TJob> jobs;
    std::vector<TMachineUnit> machines;
    // Entity kN: the imported machine; kNr: exported and imported again, with
    // the testbench of kN.
    auto add = [&](const TMachine& m, const TMachine& tested, const std::string& entity,
                   const std::string& what) {
        ASSERT_TRUE(SaveLines(dir.File(entity + ".vhd"), BuildAutomatVhdl(m, entity)));
        ASSERT_TRUE(SaveLines(dir.File(AutomatTestbenchFileName(entity)),
                              BuildAutomatTestbench(tested, entity)));
        files.push_back(dir.File(entity + ".vhd"));
        files.push_back(dir.File(AutomatTestbenchFileName(entity)));
        jobs.push_back({entity, what});
        machines.push_back({entity, !m.Moore && m.Coded()});
    };
    int dontCare = 0;
    for (std::size_t i = 0; i < sources.size(); ++i) {
        const auto& src = sources[i];
        const auto r = ReadKiss2(src.text, src.moore);
        ASSERT_TRUE(r) << src.text << r.error;
        const TMachine m = ReadMachine(r.value.automat);
        const TAutomatReport report = CheckAutomat(m);
        if (!report.Ok() && !src.file) continue; // a random machine with all outputs 0
        ASSERT_TRUE(report.Ok()) << src.text << ErrorReportLines(report).back();
        const auto exported = WriteKiss2(m);
        ASSERT_TRUE(exported) << src.text << exported.error;
        const auto again = ReadKiss2(CrLf(exported.value), src.moore);
        ASSERT_TRUE(again) << CrLf(exported.value) << again.error;
        const TMachine m2 = ReadMachine(again.value.automat);
        ASSERT_TRUE(CheckAutomat(m2).Ok()) << CrLf(exported.value);
        dontCare += src.text.find('-') != std::string::npos;
        const std::string entity = "k" + std::to_string(i);
        add(m, m, entity, src.text);
        add(m2, m, entity + "r", "exported and imported again:\n" + CrLf(exported.value));
    }
    EXPECT_GE(jobs.size(), 2 * 22u);
    EXPECT_GE(dontCare, 12);
    AnalyseAndRun(dir.Path(), files, jobs);
    const auto synth = GhdlSynthMachines(machines, dir.Path());
    EXPECT_TRUE(synth.Ok()) << synth.output;
    for (const auto& job : jobs) {
        const auto outcome = ReadSimulationOutput(job.run.out + job.run.err, job.run.exitCode);
        EXPECT_TRUE(outcome.passed) << job.what << "\n" << job.run.out << job.run.err;
    }
}

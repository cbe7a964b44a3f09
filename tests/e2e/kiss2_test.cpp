// Imported KISS2 machines under GHDL: the test files without don't-care bits
// and random ones pass the checks, synthesise without a latch and pass their
// self-checking testbench.
#include <gtest/gtest.h>

#include <random>

#include "e2e/ghdl.h"
#include "fsm/automat_tb.h"
#include "fsm/checks.h"
#include "fsm/kiss2.h"
#include "fsm/simulation.h"
#include "support/testsupport.h"

using namespace korvalt;
using namespace korvalt::test;

namespace {

// States named by their codes (renamed on import), a quarter of the inputs
// without a row; a Moore machine's rows carry their state's output.
std::string RandomKiss2(std::mt19937& rng, bool moore) {
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    const int states = 2 + pick(6), inputs = 1 + pick(3), outputs = 1 + pick(3);
    auto bits = [](int v, int width) {
        std::string s;
        for (int b = width - 1; b >= 0; --b)
            s += (v >> b) & 1 ? '1' : '0';
        return s;
    };
    std::string text = ".i " + std::to_string(inputs) + "\n.o " + std::to_string(outputs) + "\n";
    for (int s = 0; s < states; ++s) {
        const std::string out = bits(pick(1 << outputs), outputs);
        for (int v = 0; v < (1 << inputs); ++v)
            if (v == 0 || pick(4) > 0)
                text += bits(v, inputs) + " " + bits(s, 4) + " " + bits(pick(states), 4) + " " +
                        (moore ? out : bits(pick(1 << outputs), outputs)) + "\n";
    }
    return text;
}

} // namespace

TEST(Kiss2Simulation, ImportedMachinesSynthesiseAndPassTheirTestbench) {
    std::vector<std::pair<std::string, bool>> sources;
    for (const char* file : {"zaehler.kiss2", "tuer.kiss2"})
        sources.emplace_back(ReadBytes(DataPath(std::string("fsm/kiss2/") + file)), false);
    sources.emplace_back(sources.front().first, true);
    std::mt19937 rng(2026);
    for (int i = 0; i < 12; ++i)
        sources.emplace_back(RandomKiss2(rng, i % 2 == 0), i % 2 == 0);
    TTempDir dir;
    TStrings files;
    std::vector<TJob> jobs;
    std::vector<TMachineUnit> machines;
    for (std::size_t i = 0; i < sources.size(); ++i) {
        const auto r = ReadKiss2(sources[i].first, sources[i].second);
        ASSERT_TRUE(r) << sources[i].first << r.error;
        const TMachine m = ReadMachine(r.value.automat);
        const TAutomatReport report = CheckAutomat(m);
        if (!report.Ok() && i >= 3) continue; // a random machine with all outputs 0
        ASSERT_TRUE(report.Ok()) << sources[i].first << ErrorReportLines(report).back();
        const std::string entity = "k" + std::to_string(i);
        ASSERT_TRUE(WriteSimulationFiles(m, dir.Path(), entity));
        files.push_back(dir.File(entity + ".vhd"));
        files.push_back(dir.File(AutomatTestbenchFileName(entity)));
        jobs.push_back({entity, sources[i].first});
        machines.push_back({entity, !m.Moore && m.Coded()});
    }
    EXPECT_GE(jobs.size(), 12u);
    AnalyseAndRun(dir.Path(), files, jobs);
    const auto synth = GhdlSynthMachines(machines, dir.Path());
    EXPECT_TRUE(synth.Ok()) << synth.output;
    for (const auto& job : jobs) {
        const auto outcome = ReadSimulationOutput(job.run.out + job.run.err, job.run.exitCode);
        EXPECT_TRUE(outcome.passed) << job.what << "\n" << job.run.out << job.run.err;
    }
}

// KISS2 machines of the sizes of the large published benchmarks, made once
// from a fixed seed (tests/data/fsm/kiss2/gross218.kiss2: 218 states, 1,096
// rows, 7 input bits; gross32.kiss2: 32 states, 1,569 rows, 19 input bits),
// with don't-care bits in inputs and outputs and no row that earlier rows of
// its state cover, so every row is imported and the machines pass the checks.
// Timed: the import, the checks, the VHDL and testbench writers, the diagram's
// layout, and the testbench run in GHDL (analysis, elaboration, simulation).
// Goals: import, checks and VHDL under 1 s each; layout under 5 s; the GHDL
// run under 60 s.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "common/textfile.h"
#include "diagram/layout.h"
#include "diagram/stategraph.h"
#include "fsm/automat_tb.h"
#include "fsm/checks.h"
#include "fsm/kiss2.h"
#include "fsm/simulation.h"
#include "fsm/synthesis.h"

namespace {

std::string Text(const benchmark::State& state) {
    const std::string file = state.range(0) == 218 ? "gross218.kiss2" : "gross32.kiss2";
    std::string text;
    korvalt::ReadFileBytes(KORVALT_KISS2_DATA "/" + file, text);
    return text;
}

// The imported machine; the benchmark is skipped when it does not pass the checks.
korvalt::TMachine Machine(benchmark::State& state) {
    const auto r = korvalt::ReadKiss2(Text(state), false);
    if (!r) state.SkipWithError(r.error.c_str());
    korvalt::TMachine m = korvalt::ReadMachine(r.value.automat);
    if (const auto report = korvalt::CheckAutomat(m); !report.Ok())
        state.SkipWithError(korvalt::ErrorReportLines(report).back().c_str());
    state.counters["states"] = static_cast<double>(m.Zustaende.size());
    state.counters["rows"] = static_cast<double>(m.Zeilen.size());
    return m;
}

void ImportKiss2(benchmark::State& state) {
    const std::string text = Text(state);
    Machine(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(korvalt::ReadKiss2(text, false));
}

void CheckKiss2(benchmark::State& state) {
    const auto m = Machine(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(korvalt::CheckAutomat(m));
}

void BuildKiss2Vhdl(benchmark::State& state) {
    const auto m = Machine(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(korvalt::BuildAutomatVhdl(m, "bench"));
}

void BuildKiss2Testbench(benchmark::State& state) {
    const auto m = Machine(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(korvalt::BuildAutomatTestbench(m, "bench"));
}

void LayoutKiss2Diagram(benchmark::State& state) {
    const auto g = korvalt::BuildStateGraph(Machine(state));
    for (auto _ : state) {
        std::string error;
        const auto layout = korvalt::LayoutGraph(g, &error);
        if (!layout) state.SkipWithError(error.c_str());
        benchmark::DoNotOptimize(layout);
    }
}

// The self-checking testbench in GHDL, as korvalt-cli simulate runs it.
void SimulateKiss2(benchmark::State& state) {
    const auto m = Machine(state);
    const auto folder = std::filesystem::temp_directory_path() /
                        ("korvalt-bench-kiss2-" + std::to_string(state.range(0)));
    std::filesystem::create_directories(folder);
    const std::string dir = folder.string() + "/";
    if (!korvalt::WriteSimulationFiles(m, dir, "bench")) state.SkipWithError("not written");
    for (auto _ : state) {
        korvalt::TGhdlRun run = korvalt::SimulationRun(korvalt::SimulatorProgram, dir, "bench");
        run.RunToEnd();
        const auto outcome = korvalt::SimulationOutcome(run);
        if (!outcome.passed) state.SkipWithError(outcome.message.c_str());
    }
    std::filesystem::remove_all(folder);
}

void Sizes(benchmark::internal::Benchmark* b) {
    b->Arg(218)->Arg(32)->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(ImportKiss2)->Apply(Sizes);
BENCHMARK(CheckKiss2)->Apply(Sizes);
BENCHMARK(BuildKiss2Vhdl)->Apply(Sizes);
BENCHMARK(BuildKiss2Testbench)->Apply(Sizes);
BENCHMARK(LayoutKiss2Diagram)->Apply(Sizes)->Iterations(1);
BENCHMARK(SimulateKiss2)->Apply(Sizes)->Iterations(1)->UseRealTime();
BENCHMARK_MAIN();

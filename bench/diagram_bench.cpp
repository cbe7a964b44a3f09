// Speed of the state diagram: layout (read back as the editor draws it) and
// export as SVG and PNG, on a seeded generator of Moore machines: a ring of
// states, each with one row to the next, plus rows back to the first state
// (shape 0) or to an earlier state drawn at random (shape 1, more arrows).
// Up to 64 states and 256 rows dot lays them out; larger ones go to sfdp.
// Goals: 256 states with 768 rows in under 5 s, and any machine up to 512
// states and 4,096 rows in under 15 s, layout and drawing or export together.
#include <benchmark/benchmark.h>

#include <random>

#include "diagram/layout.h"
#include "fsm/machine.h"

namespace {

korvalt::TAutomat RingMachine(int states, int rows, bool spread) {
    std::mt19937 random(20261207); // fixed seed: every run measures the same machines
    korvalt::TAutomat a;
    a.Moore = true;
    for (int x = 0; x < 8; ++x)
        a.Eingangsmatrix.push_back("e" + std::to_string(x) + "|");
    for (int y = 0; y < 4; ++y)
        a.Ausgangsmatrix.push_back("a" + std::to_string(y) + "|");
    const auto name = [](unsigned s) { return "z" + std::to_string(s); };
    for (int s = 0; s < states; ++s) {
        a.Zustandsmatrix.push_back(name(unsigned(s)) + "|");
        a.Ausgangstabelle.push_back(name(unsigned(s)) + "|a" + std::to_string(s % 4));
        a.Automatentabelle.push_back(name(unsigned(s)) + "|" + name(unsigned(s + 1) % states) +
                                     "|e0");
    }
    for (int r = states; r < rows; ++r) {
        const unsigned from = random() % unsigned(states);
        const unsigned to = spread ? random() % (from + 1) : 0;
        a.Automatentabelle.push_back(name(from) + "|" + name(to) + "|e" +
                                     std::to_string(1 + r % 7));
    }
    a.Resetzustand = "z0";
    return a;
}

void Run(benchmark::State& state, const char* format) {
    const auto g = korvalt::BuildStateGraph(korvalt::ReadMachine(
        RingMachine(int(state.range(0)), int(state.range(1)), state.range(2) != 0)));
    const auto dot = korvalt::DiagramDotLines(g);
    for (auto _ : state) {
        if (format) {
            const auto r = korvalt::RenderDot(dot, format);
            if (!r) state.SkipWithError(r.error.c_str());
            benchmark::DoNotOptimize(r);
        } else {
            std::string error;
            const auto layout = korvalt::LayoutGraph(g, &error);
            if (!layout) state.SkipWithError(error.c_str());
            benchmark::DoNotOptimize(layout);
        }
    }
    state.counters["states"] = double(state.range(0));
    state.counters["rows"] = double(state.range(1));
    state.counters["arrows"] = double(g.edges.size());
}

void LayoutDiagram(benchmark::State& state) {
    Run(state, nullptr);
}
void ExportSvg(benchmark::State& state) {
    Run(state, "svg");
}
void ExportPng(benchmark::State& state) {
    Run(state, "png");
}

// {states, rows, shape}: the largest machines dot lays out, then sfdp's.
void Small(benchmark::internal::Benchmark* b) {
    for (auto args : std::vector<std::vector<int64_t>>{{16, 48, 1}, {64, 256, 1}})
        b->Args(args);
    b->Unit(benchmark::kMillisecond);
}
void Large(benchmark::internal::Benchmark* b) {
    for (auto args : std::vector<std::vector<int64_t>>{{65, 257, 1},
                                                       {256, 768, 0},
                                                       {256, 768, 1},
                                                       {512, 2048, 1},
                                                       {512, 4096, 0},
                                                       {512, 4096, 1}})
        b->Args(args);
    b->Unit(benchmark::kMillisecond)->Iterations(2);
}

} // namespace

BENCHMARK(LayoutDiagram)->Apply(Small);
BENCHMARK(LayoutDiagram)->Apply(Large);
BENCHMARK(ExportSvg)->Apply(Small);
BENCHMARK(ExportSvg)->Apply(Large);
BENCHMARK(ExportPng)->Apply(Small);
BENCHMARK(ExportPng)->Apply(Large);

BENCHMARK_MAIN();

// Speed of the state diagram: layout (dot, read back as the editor draws it)
// and export as SVG and PNG, for Mealy machines with four rows per state.
#include <benchmark/benchmark.h>

#include "diagram/layout.h"

namespace {

korvalt::TAutomat Machine(int states, int rows) {
    korvalt::TAutomat a;
    a.Moore = false;
    const int perState = rows / states;
    for (int x = 0; x < perState; ++x)
        a.Eingangsmatrix.push_back("e" + std::to_string(x) + "|");
    for (int y = 0; y < 16; ++y)
        a.Ausgangsmatrix.push_back("a" + std::to_string(y) + "|");
    for (int s = 0; s < states; ++s)
        a.Zustandsmatrix.push_back("z" + std::to_string(s) + "|");
    for (int s = 0; s < states; ++s)
        for (int x = 0; x < perState; ++x)
            a.Automatentabelle.push_back("z" + std::to_string(s) + "|z" +
                                         std::to_string((s * 7 + x) % states) + "|e" +
                                         std::to_string(x) + "|a" + std::to_string((s + x) % 16));
    a.Resetzustand = "z0";
    return a;
}

void Run(benchmark::State& state, const char* format) {
    const auto g = korvalt::BuildStateGraph(Machine(int(state.range(0)), int(state.range(1))));
    const auto dot = korvalt::DiagramDotLines(g);
    for (auto _ : state) {
        if (format)
            benchmark::DoNotOptimize(korvalt::RenderDot(dot, format));
        else
            benchmark::DoNotOptimize(korvalt::LayoutGraph(g));
    }
    state.counters["states"] = double(state.range(0));
    state.counters["rows"] = double(state.range(1));
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

void Sizes(benchmark::internal::Benchmark* b) {
    for (int states = 16; states <= 256; states *= 2)
        b->Args({states, 4 * states});
    b->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(LayoutDiagram)->Apply(Sizes);
BENCHMARK(ExportSvg)->Apply(Sizes);
BENCHMARK(ExportPng)->Apply(Sizes);

BENCHMARK_MAIN();

// What the state-machine editor does on a large machine while the user waits:
// building the transition table for the grid, narrowing it with the row
// filter (once per key typed) and finding the names a cell takes.
#include <benchmark/benchmark.h>

#include "fsm/automat.h"
#include "fsm/grid.h"

namespace {

// A Moore machine of n states, one row per state and input.
korvalt::TAutomat Moore(int states) {
    korvalt::TAutomat a;
    for (const char* in : {"go|0", "stop|1"})
        a.Eingangsmatrix.push_back(in);
    a.Ausgangsmatrix = {"an|1", "aus|0"};
    for (int i = 0; i < states; ++i) {
        const std::string z = "z" + std::to_string(i),
                          next = "z" + std::to_string((i + 1) % states);
        a.Zustandsmatrix.push_back(z + "|");
        a.Automatentabelle.push_back(z + "|" + next + "|go");
        a.Automatentabelle.push_back(z + "|" + z + "|stop");
        a.Ausgangstabelle.push_back(z + "|an");
    }
    return a;
}

void BuildTransitionTable(benchmark::State& state) {
    auto a = Moore(static_cast<int>(state.range(0)));
    bool modified = false;
    for (auto _ : state)
        benchmark::DoNotOptimize(korvalt::BuildGrid(a, korvalt::TPart::Automatentabelle, modified));
    state.counters["rows"] = static_cast<double>(a.Automatentabelle.size());
}

// One key typed into the filter: every row tested.
void FilterRows(benchmark::State& state) {
    auto a = Moore(static_cast<int>(state.range(0)));
    bool modified = false;
    const korvalt::CellTable t = korvalt::BuildGrid(a, korvalt::TPart::Automatentabelle, modified);
    int shown = 0;
    for (auto _ : state) {
        shown = 0;
        for (int r = 1; r < t.RowCount(); ++r)
            shown += korvalt::RowMatches(t, r, "Z25");
    }
    state.counters["rows"] = static_cast<double>(t.RowCount() - 1);
    state.counters["shown"] = shown;
}

void NamesOfAConditionCell(benchmark::State& state) {
    auto a = Moore(static_cast<int>(state.range(0)));
    bool modified = false;
    const korvalt::CellTable t = korvalt::BuildGrid(a, korvalt::TPart::Automatentabelle, modified);
    for (auto _ : state)
        benchmark::DoNotOptimize(korvalt::CellNames(a, korvalt::TPart::Automatentabelle, t, 2, 1));
}

} // namespace

BENCHMARK(BuildTransitionTable)->Arg(256)->Arg(1024)->Unit(benchmark::kMicrosecond);
BENCHMARK(FilterRows)->Arg(256)->Arg(1024)->Unit(benchmark::kMicrosecond);
BENCHMARK(NamesOfAConditionCell)->Arg(256)->Arg(1024)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();

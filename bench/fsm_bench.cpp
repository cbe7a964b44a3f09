// Speed of the state-machine writer and its checks on fully specified Mealy
// machines (a row for every state and input): time must grow linearly with
// the number of table rows.
#include <benchmark/benchmark.h>

#include "fsm/automat.h"
#include "fsm/automat_tb.h"
#include "fsm/checks.h"
#include "fsm/machine.h"
#include "fsm/synthesis.h"

namespace {

std::string Bits(unsigned v, int width) {
    std::string s;
    for (int i = width - 1; i >= 0; --i)
        s += ((v >> i) & 1u) ? '1' : '0';
    return s;
}

korvalt::TAutomat Mealy(int states, int inputs) {
    korvalt::TAutomat a;
    a.Moore = false;
    const int xw = korvalt::BitsNeeded(inputs), zw = korvalt::BitsNeeded(states), yw = 4;
    a.Eingangsbitbreite = xw;
    a.Ausgangsbitbreite = yw;
    for (int i = 0; i < inputs; ++i)
        a.Eingangsmatrix.push_back("e" + std::to_string(i) + "|" +
                                   Bits(static_cast<unsigned>(i), xw));
    for (int i = 0; i < 16; ++i)
        a.Ausgangsmatrix.push_back("a" + std::to_string(i) + "|" +
                                   Bits(static_cast<unsigned>(i), yw));
    for (int i = 0; i < states; ++i)
        a.Zustandsmatrix.push_back("z" + std::to_string(i) + "|" +
                                   Bits(static_cast<unsigned>(i), zw));
    for (int s = 0; s < states; ++s)
        for (int x = 0; x < inputs; ++x)
            a.Automatentabelle.push_back("z" + std::to_string(s) + "|z" +
                                         std::to_string((s * 7 + x) % states) + "|e" +
                                         std::to_string(x) + "|a" + std::to_string((s + x) % 16));
    a.Resetzustand = "z0";
    return a;
}

void BuildMealyVhdl(benchmark::State& state) {
    const auto a = korvalt::ReadMachine(Mealy(static_cast<int>(state.range(0)), 64));
    for (auto _ : state)
        benchmark::DoNotOptimize(korvalt::BuildAutomatVhdl(a, "bench"));
    state.counters["rows"] = static_cast<double>(a.Zeilen.size());
    state.counters["rows/s"] = benchmark::Counter(static_cast<double>(a.Zeilen.size()),
                                                  benchmark::Counter::kIsIterationInvariantRate);
}

void CheckMealy(benchmark::State& state) {
    const auto a = korvalt::ReadMachine(Mealy(static_cast<int>(state.range(0)), 64));
    for (auto _ : state)
        benchmark::DoNotOptimize(korvalt::CheckAutomat(a));
    state.counters["rows"] = static_cast<double>(a.Zeilen.size());
    state.counters["rows/s"] = benchmark::Counter(static_cast<double>(a.Zeilen.size()),
                                                  benchmark::Counter::kIsIterationInvariantRate);
}

// The testbench: planning the transition tour (breadth-first searches between
// rows) and writing it; "steps" is the tour length, resets included.
void BuildMealyTestbench(benchmark::State& state) {
    const auto a = korvalt::ReadMachine(
        Mealy(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))));
    std::size_t steps = 0;
    for (auto _ : state) {
        const korvalt::TTour tour = korvalt::PlanTour(a, korvalt::TMachineModel(a));
        steps = tour.steps.size();
        benchmark::DoNotOptimize(korvalt::BuildAutomatTestbench(a, "bench", tour));
    }
    state.counters["rows"] = static_cast<double>(a.Zeilen.size());
    state.counters["steps"] = static_cast<double>(steps);
}

} // namespace

BENCHMARK(BuildMealyTestbench)
    ->ArgsProduct({{64, 128, 256, 512}, {4, 64}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BuildMealyVhdl)->Arg(64)->Arg(128)->Arg(256)->Arg(512)->Unit(benchmark::kMillisecond);
BENCHMARK(CheckMealy)->Arg(64)->Arg(128)->Arg(256)->Arg(512)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();

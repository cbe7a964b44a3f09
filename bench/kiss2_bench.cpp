// KISS2 machines of the sizes of the large published benchmarks, made from a
// fixed seed: 218 states with 1,096 rows (7 input bits) and 32 states with
// 1,569 rows (19 input bits), with don't-care bits in inputs and outputs.
// Timed: the import, the checks and the VHDL writer on the imported machine.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "fsm/checks.h"
#include "fsm/kiss2.h"
#include "fsm/synthesis.h"

namespace {

// A Mealy machine in KISS2 text: every state has rows (the first leads on to
// the next state, so all are reachable), patterns hold "-" with the given
// chance per bit (in percent; outputs a third of it).
std::string Kiss2Machine(int states, int rows, int inputs, int outputs, int dashPercent) {
    std::mt19937 rng(1096u + static_cast<unsigned>(rows));
    std::uniform_int_distribution<int> percent(0, 99), state(0, states - 1);
    auto pattern = [&](int width, int dash) {
        std::string p;
        for (int b = 0; b < width; ++b)
            p += percent(rng) < dash ? '-' : (percent(rng) < 50 ? '0' : '1');
        return p;
    };
    std::string text = ".i " + std::to_string(inputs) + "\n.o " + std::to_string(outputs) +
                       "\n.p " + std::to_string(rows) + "\n.s " + std::to_string(states) +
                       "\n.r s0\n";
    for (int r = 0; r < rows; ++r) {
        const int s = r % states;
        const int next = r < states ? (s + 1) % states : state(rng);
        text += pattern(inputs, dashPercent) + " s" + std::to_string(s) + " s" +
                std::to_string(next) + " " + pattern(outputs, dashPercent / 3) + "\n";
    }
    return text + ".e\n";
}

std::string Machine(const benchmark::State& state) {
    return state.range(0) == 218 ? Kiss2Machine(218, 1096, 7, 7, 30)
                                 : Kiss2Machine(32, 1569, 19, 8, 30);
}

void ImportKiss2(benchmark::State& state) {
    const std::string text = Machine(state);
    std::size_t rows = 0;
    for (auto _ : state) {
        const auto r = korvalt::ReadKiss2(text, false);
        rows = r.value.automat.Automatentabelle.size();
        benchmark::DoNotOptimize(r);
    }
    state.counters["rows"] = static_cast<double>(rows);
}

void CheckKiss2(benchmark::State& state) {
    const auto m = korvalt::ReadMachine(korvalt::ReadKiss2(Machine(state), false).value.automat);
    for (auto _ : state)
        benchmark::DoNotOptimize(korvalt::CheckAutomat(m));
    state.counters["rows"] = static_cast<double>(m.Zeilen.size());
}

void BuildKiss2Vhdl(benchmark::State& state) {
    const auto m = korvalt::ReadMachine(korvalt::ReadKiss2(Machine(state), false).value.automat);
    for (auto _ : state)
        benchmark::DoNotOptimize(korvalt::BuildAutomatVhdl(m, "bench"));
    state.counters["rows"] = static_cast<double>(m.Zeilen.size());
}

} // namespace

BENCHMARK(ImportKiss2)->Arg(218)->Arg(32)->Unit(benchmark::kMillisecond);
BENCHMARK(CheckKiss2)->Arg(218)->Arg(32)->Unit(benchmark::kMillisecond);
BENCHMARK(BuildKiss2Vhdl)->Arg(218)->Arg(32)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();

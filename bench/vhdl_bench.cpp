// Scan and component insertion on generated VHDL files of 1, 2 and 4 times a
// base size: the time must grow linearly with the size. The files stay in
// /tmp/korvalt-bench/ for comparing with `wc -l`.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "common/textfile.h"
#include "vhdl/entity.h"
#include "vhdl/insert.h"

namespace {

using namespace korvalt;

constexpr std::size_t BaseSize = 8u << 20; // 8 MB
const std::string Folder = "/tmp/korvalt-bench/";

// An entity with one port per line, as long as the size asks.
std::string PortsFile(std::size_t size) {
    std::string t = "library ieee;\r\nuse ieee.std_logic_1164.all;\r\n\r\nentity breit is\r\n"
                    "  port(clk, rst : in std_logic;\r\n";
    for (std::size_t i = 0; t.size() < size; ++i)
        t += "       d" + std::to_string(i) + (i % 2 ? " : in" : " : out") +
             " std_logic_vector(7 downto 0); -- Port\r\n";
    t += "       q : out std_logic);\r\nend breit;\r\n\r\narchitecture rtl of breit is\r\nbegin\r\n"
         "end rtl;\r\n";
    return t;
}

// Many combinational processes and no clock anywhere: the condition search
// runs through every process.
std::string ProcessesFile(std::size_t size) {
    std::string t =
        "entity viele is\r\n  port(a, b : in std_logic;\r\n       y : out std_logic);\r\n"
        "end viele;\r\n\r\narchitecture rtl of viele is\r\n  signal s : std_logic;\r\n"
        "begin\r\n";
    for (std::size_t i = 0; t.size() < size; ++i) {
        const std::string n = std::to_string(i);
        t += "  p" + n +
             ": process(a, b)\r\n  begin\r\n    if a = '1' then\r\n      s <= b;"
             " -- Zweig " +
             n +
             "\r\n    elsif b = '0' then\r\n      s <= '1';\r\n    else\r\n"
             "      s <= '0';\r\n    end if;\r\n  end process p" +
             n + ";\r\n";
    }
    return t + "end rtl;\r\n";
}

std::string Prepare(const std::string& name, const std::string& text) {
    std::filesystem::create_directories(Folder);
    const std::string path = Folder + name;
    if (!ReplaceFile(path, text)) std::abort();
    return path;
}

void BM_Scan(benchmark::State& state, const char* name, std::string (*Make)(std::size_t)) {
    const std::size_t size = BaseSize * static_cast<std::size_t>(state.range(0));
    const std::string text = Make(size);
    const std::string path =
        Prepare(std::string(name) + std::to_string(state.range(0)) + ".vhd", text);
    for (auto _ : state) {
        TStrings lines;
        if (!ReadLines(path, lines)) std::abort();
        benchmark::DoNotOptimize(ScanEntity(lines).ports.size());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void BM_Insert(benchmark::State& state, const char* name, std::string (*Make)(std::size_t)) {
    const std::size_t size = BaseSize * static_cast<std::size_t>(state.range(0));
    const std::string text = Make(size);
    const std::string target =
        Prepare(std::string(name) + std::to_string(state.range(0)) + "_ziel.vhd", text);
    const std::string component = Prepare("komponente.vhd", Make(1));
    for (auto _ : state) {
        state.PauseTiming();
        if (!ReplaceFile(target, text)) std::abort();
        state.ResumeTiming();
        if (!InsertComponent(component, target, true)) std::abort();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

} // namespace

BENCHMARK_CAPTURE(BM_Scan, ports, "ports", PortsFile)
    ->Arg(1)
    ->Arg(2)
    ->Arg(4)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Scan, processes_no_clock, "processes", ProcessesFile)
    ->Arg(1)
    ->Arg(2)
    ->Arg(4)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Insert, ports, "ports", PortsFile)
    ->Arg(1)
    ->Arg(2)
    ->Arg(4)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Insert, processes_no_clock, "processes", ProcessesFile)
    ->Arg(1)
    ->Arg(2)
    ->Arg(4)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();

// Published-style designs, varied from the seeds in tests/data/vhdl/corpus:
// each variant, inserted with declared signals into an empty architecture and
// without them into a target that declares them, must analyse, and its runnable
// testbench must analyse, run to its end and show the clock toggling and the
// reset held at its active level, then released.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <sstream>

#include "ghdl.h"
#include "support/testsupport.h"

using namespace korvalt::test;

namespace {

std::string Corpus(const std::string& name) {
    return DataPath("vhdl/corpus/" + name);
}

// Variant v of a seed: reset level, clock form, comment between the ports, entity end.
std::string Variant(std::string text, int v) {
    const char* edges[] = {"rising_edge($1)", "$1'event and $1 = '1'", "falling_edge($1)",
                           "$1'event and $1 = '0'"};
    const char* ends[] = {"end entity;", "end $1;", "end entity $1;"};
    text = std::regex_replace(text, std::regex("@RST@"), v % 2 ? "'1'" : "'0'");
    text = std::regex_replace(text, std::regex("@EDGE (\\w+)@"), edges[v % 4]);
    text = std::regex_replace(text, std::regex("@END (\\w+)@"), ends[v % 3]);
    return std::regex_replace(text, std::regex("@C@"), v % 2 ? "  -- zwischen den Zeilen\n" : "");
}

// Every value a scalar of the testbench takes in the dump, by name, in time order.
std::map<std::string, std::string> Waves(const std::string& vcd) {
    std::map<std::string, std::string> idToName, waves;
    std::istringstream in(vcd);
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string w, type, width, id, name;
        // The testbench's own signals come first, before the design's ports of the same names.
        if (words >> w >> type >> width >> id >> name && w == "$var" && !waves.count(name))
            idToName[id] = name, waves[name];
        if (line.size() > 1 && std::string("01UXZ").find(line[0]) != std::string::npos &&
            idToName.count(line.substr(1)))
            waves[idToName[line.substr(1)]] += line[0];
    }
    return waves;
}

} // namespace

TEST(VhdlCorpusGhdl, InsertionsAnalyseAndTestbenchesRunToTheirEnd) {
    const std::string head = "library ieee;\nuse ieee.std_logic_1164.all;\n"
                             "use ieee.numeric_std.all;\nuse work.corpus_pkg.all;\n"
                             "entity top is\nend top;\narchitecture rtl of top is\n";
    int checked = 0;
    for (const char* seed : {"counter", "bus_if", "shifter", "params_only", "leaf_tb", "sender",
                             "mixer", "splitter", "core", "syncblk", "leafent", "tworesets"}) {
        const std::string text = ReadBytes(Corpus(std::string(seed) + ".vhd"));
        std::smatch m;
        std::regex_search(text, m, std::regex("-- pruefe:(.*)\n-- ziel:(.*)\n"));
        std::istringstream watched(m[1].str());
        // The clock and the reset ("-" for none; "name:0" for a reset whose level
        // its name gives), and a file of the design's that comes after it.
        std::string clock, reset, second, more;
        watched >> clock >> reset >> second;
        std::smatch after;
        if (std::regex_search(text, after, std::regex("-- dazu: (\\S+)"))) more = after[1];
        for (int v = 0; v < 4; ++v) {
            SCOPED_TRACE(std::string(seed) + " variant " + std::to_string(v));
            TTempDir dir;
            const std::string design = dir.File(std::string(seed) + ".vhd");
            WriteBytes(design, Variant(text, v));
            ASSERT_TRUE(GhdlAnalyse(Corpus("corpus_pkg.vhd"), dir.Path()).Ok());
            const auto analysed = GhdlAnalyse(design, dir.Path());
            ASSERT_TRUE(analysed.Ok()) << analysed.output;
            if (!more.empty()) {
                ASSERT_TRUE(GhdlAnalyse(Corpus(more), dir.Path()).Ok());
            }

            for (const bool signals : {true, false}) {
                WriteBytes(dir.File("top.vhd"),
                           head + (signals ? "" : m[2].str()) + "\nbegin\nend rtl;\n");
                std::vector<std::string> args{"insert", design, dir.File("top.vhd")};
                if (signals) args.push_back("--signals");
                if (v % 2) args.push_back("--no-comments");
                ASSERT_EQ(Cli(args).exitCode, 0);
                if (v == 0) { // a second instance of the same design
                    ASSERT_EQ(Cli(args).exitCode, 0);
                }
                const auto top = GhdlAnalyse(dir.File("top.vhd"), dir.Path());
                EXPECT_TRUE(top.Ok()) << top.output << ReadBytes(dir.File("top.vhd"));
            }

            const auto written = Cli({"testbench", design, "--vhdl"});
            ASSERT_EQ(written.exitCode, 0) << written.err;
            const std::string tb = written.out.substr(0, written.out.size() - 1);
            const std::string unit =
                tb.substr(dir.Path().size(), tb.size() - dir.Path().size() - 4);
            auto run = GhdlAnalyse(tb, dir.Path());
            if (run.Ok()) run = GhdlRun(unit, dir.Path(), "1ms", {"--vcd=" + dir.File("w.vcd")});
            ASSERT_TRUE(run.Ok()) << run.output << ReadBytes(tb);
            EXPECT_NE(run.output.find("Simulation beendet"), std::string::npos) << run.output;
            auto waves = Waves(ReadBytes(dir.File("w.vcd")));
            if (!clock.empty() && clock != "-") {
                EXPECT_GE(waves.at(clock).size(), 20u) << ReadBytes(tb);
            }
            if (!reset.empty()) {
                // Active at the start, then released once.
                const bool named =
                    reset.size() > 2 && reset.compare(reset.size() - 2, 2, ":0") == 0;
                const std::string wave = waves[named ? reset.substr(0, reset.size() - 2) : reset];
                EXPECT_EQ(wave, v % 2 && !named ? "10" : "01") << ReadBytes(tb);
            }
            if (!second.empty()) { // a second reset, active low by its name, pulsed with the first
                EXPECT_EQ(waves[second.substr(0, second.size() - 2)], "01") << ReadBytes(tb);
            }
            ++checked;
        }
    }
    EXPECT_EQ(checked, 48);
}

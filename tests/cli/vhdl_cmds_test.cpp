#include <filesystem>
#include <gtest/gtest.h>

#include "support/testsupport.h"

using namespace korvalt::test;

namespace {
const std::string Zaehler = DataPath("vhdl/zaehler.vhd");
const std::string Generics = DataPath("vhdl/filter.vhd");
const std::string Unset =
    "Diese Generics brauchen einen Wert (Platzhalter eingetragen): WIDTH, SHIFT.\n";
} // namespace

TEST(CliVhdl, ScanTestbenchAndInsertReproduceTheExamples) {
    TTempDir dir;
    WriteBytes(dir.File("zaehler.vhd"), ReadBytes(Zaehler));
    WriteBytes(dir.File("leer.vhd"), "");
    WriteBytes(dir.File("filter.vhd"), ReadBytes(Generics));
    WriteBytes(dir.File("u.vhd"), "entity u is\n port(\xFC : in bit); -- \xFC\nend u;\n");
    const std::string top = dir.File("top.vhd");
    const struct {
        std::vector<std::string> args;
        std::string out, written, expected; // the file written and what it must hold
        bool generated = false;             // an expected file regenerated, not typed
    } cases[] = {
        {{"scan", Zaehler},
         "entity: zaehler\narchitecture: Behavioral\nclock: +clk\nreset: +rst\n"
         "port: clk : in std_logic;\nport: rst : in std_logic;\nport: x : in std_logic_vector(1 "
         "downto 0);\nport: y : out std_logic_vector(2 downto 0);\ninput: clk : in std_logic;\n"
         "input: rst : in std_logic;\ninput: x : in std_logic_vector(1 downto 0);\n"
         "output: y : out std_logic_vector(2 downto 0);\n"},
        {{"scan", dir.File("leer.vhd")}, "entity: \narchitecture: \nclock: \nreset: \n"},
        // Umlauts come out as UTF-8.
        {{"scan", dir.File("u.vhd")},
         "entity: u\narchitecture: \nclock: \nreset: \nport: ü : in bit;\ninput: ü : in bit;\n"},
        {{"testbench", dir.File("zaehler.vhd")},
         dir.File("zaehler.wdl") + "\n",
         dir.File("zaehler.wdl"),
         "vhdl/zaehler.wdl"},
        {{"testbench", dir.File("zaehler.vhd"), "--vhdl"},
         dir.File("zaehler_tb.vhd") + "\n",
         dir.File("zaehler_tb.vhd"),
         "vhdl/zaehler_tb.vhd",
         true},
        // The generics without default are named on stderr; the exit code stays 0.
        {{"testbench", "--vhdl", dir.File("filter.vhd")},
         dir.File("filter_tb.vhd") + "\n" + Unset,
         dir.File("filter_tb.vhd"),
         "vhdl/filter_tb.vhd",
         true},
        {{"insert", Generics, top, "--signals"}, Unset, top, "vhdl/top_filter_signale.vhd", true},
        {{"insert", Generics, top, "--no-comments"}, Unset, top, "vhdl/top_filter.vhd", true},
        {{"insert", Zaehler, top}, "", top, "vhdl/top_kommentar.vhd"},
        {{"insert", Zaehler, top, "--no-comments"}, "", top, "vhdl/top_ohne_kommentar.vhd"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[0] + " " + c.args[1]);
        WriteBytes(top, ReadBytes(DataPath("vhdl/top.vhd")));
        const auto r = Cli(c.args);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.out + r.err, c.out);
        if (!c.written.empty()) {
            EXPECT_TRUE(MatchesExpected(ReadBytes(c.written), c.expected, c.generated));
        }
    }
}

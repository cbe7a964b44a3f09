#include <gtest/gtest.h>

#include "support/testsupport.h"

using namespace korvalt::test;

namespace {
TRunResult Cli(std::vector<std::string> args, const std::string& workDir = "") {
    args.insert(args.begin(), KORVALT_CLI);
    return Run(args, workDir);
}
const std::string Zaehler = DataPath("vhdl/zaehler.vhd");
} // namespace

TEST(CliScan, PrintsWhatTheScannerRecordedInOrder) {
    const auto r = Cli({"scan", Zaehler});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "entity: zaehler\narchitecture: Behavioral\nclock: +clk\nreset: +rst\n"
                     "port: clk : in std_logic;\nport: rst : in std_logic;\n"
                     "port: x : in std_logic_vector(1 downto 0);\n"
                     "port: y : out std_logic_vector(2 downto 0);\n"
                     "input: clk : in std_logic;\ninput: rst : in std_logic;\n"
                     "input: x : in std_logic_vector(1 downto 0);\n"
                     "output: y : out std_logic_vector(2 downto 0);\n");
}

TEST(CliScan, EmptyFileGivesEmptyFieldsAndUmlautsComeOutAsUtf8) {
    TTempDir dir;
    WriteBytes(dir.File("leer.vhd"), "");
    EXPECT_EQ(Cli({"scan", dir.File("leer.vhd")}).out,
              "entity: \narchitecture: \nclock: \nreset: \n");
    WriteBytes(dir.File("u.vhd"), "entity u is\n port(\xFC : in bit); -- \xFC\nend u;\n");
    EXPECT_EQ(
        Cli({"scan", dir.File("u.vhd")}).out,
        "entity: u\narchitecture: \nclock: \nreset: \nport: ü : in bit;\ninput: ü : in bit;\n");
}

TEST(CliTestbench, WritesTheCounterTestbenchBesideTheDesign) {
    TTempDir dir;
    WriteBytes(dir.File("zaehler.vhd"), ReadBytes(Zaehler));
    const auto r = Cli({"testbench", dir.File("zaehler.vhd")});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, dir.File("zaehler.wdl") + "\n");
    EXPECT_TRUE(MatchesExpected(ReadBytes(dir.File("zaehler.wdl")), "vhdl/zaehler.wdl", false));
}

TEST(CliInsert, ReproducesTheTopExampleWithAndWithoutComments) {
    for (const bool comments : {true, false}) {
        TTempDir dir;
        WriteBytes(dir.File("top.vhd"), ReadBytes(DataPath("vhdl/top.vhd")));
        std::vector<std::string> args{"insert", Zaehler, dir.File("top.vhd")};
        if (!comments) args.push_back("--no-comments");
        const auto r = Cli(args);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.out + r.err, "");
        EXPECT_TRUE(MatchesExpected(
            ReadBytes(dir.File("top.vhd")),
            comments ? "vhdl/top_kommentar.vhd" : "vhdl/top_ohne_kommentar.vhd", false));
    }
}

TEST(CliVhdl, ErrorsNameWhatIsWrongAndExitWith2) {
    TTempDir dir;
    const std::string top = ReadBytes(DataPath("vhdl/top.vhd"));
    WriteBytes(dir.File("top.vhd"), top);
    WriteBytes(dir.File("leer.vhd"), "");
    WriteBytes(dir.File("plain.txt"), "x");
    WriteBytes(dir.File("namenlos.vhd"), "architecture a of b is\n");
    WriteBytes(dir.File("t.wdl"), "entity t is end t;\n");
    const struct {
        std::vector<std::string> args;
        const char* mentions;
    } cases[] = {
        {{"scan"}, "Aufruf: korvalt-cli scan DATEI"},
        {{"scan", dir.File("fehlt.vhd")}, "kann nicht gelesen werden"},
        {{"testbench", dir.File("fehlt.vhd")}, "kann nicht gelesen werden"},
        {{"testbench", dir.File("t.wdl")}, "würde die Datei selbst überschreiben"},
        {{"insert", Zaehler}, "Aufruf: korvalt-cli insert"},
        {{"insert", dir.File("fehlt.vhd"), dir.File("top.vhd")}, "Die Komponente"},
        {{"insert", dir.File("namenlos.vhd"), dir.File("top.vhd")}, "keine Entity"},
        {{"insert", Zaehler, dir.File("fehlt.vhd")}, "kann nicht gelesen werden"},
        {{"insert", Zaehler, dir.File("leer.vhd")}, "ist leer"},
        {{"insert", Zaehler, "/proc/version"}, "kann nicht geschrieben werden: "},
    };
    for (const auto& c : cases) {
        const auto r = Cli(c.args);
        EXPECT_EQ(r.exitCode, 2) << c.mentions;
        EXPECT_NE(r.err.find(c.mentions), std::string::npos) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_EQ(r.out, "");
    }
    EXPECT_EQ(ReadBytes(dir.File("top.vhd")), top);
    EXPECT_EQ(ReadBytes(dir.File("t.wdl")), "entity t is end t;\n");
}

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "fsm/examples.h"
#include "fsm/workspace.h"
#include "support/testsupport.h"

using namespace korvalt;
using namespace korvalt::test;

namespace {
void Save(const TAutomat& a, const std::string& path) {
    ASSERT_TRUE(SaveWorkspaceFile(a, path));
}
} // namespace

TEST(CliFsm, WritesTheWorkedExamplesFromWorkspaceFiles) {
    TTempDir dir;
    Save(MooreExample(), dir.File("Moore.txt"));
    auto r = Cli({"fsm", "Moore.txt"}, dir.Path());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out + r.err, "");
    EXPECT_TRUE(MatchesExpected(ReadBytes(dir.File("moore.vhd")), "fsm/moore.vhd", false));

    Save(MealyExample(), dir.File("arbeit.txt"));
    std::filesystem::create_directory(dir.File("out"));
    r = Cli({"fsm", dir.File("arbeit.txt"), "--mealy", "-o", dir.File("out/mealy.vhd")});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(MatchesExpected(ReadBytes(dir.File("out/mealy.vhd")), "fsm/mealy.vhd", false));
}

TEST(CliFsm, FailedChecksPrintTheReportWriteNothingAndExit1) {
    TTempDir dir;
    TAutomat a;
    a.Moore = false;
    a.Zustandsmatrix = {"Z0|0"};
    Save(a, dir.File("MEALY.TXT"));
    for (const char* cmd : {"fsm", "check"}) {
        const auto r = Cli({cmd, "MEALY.TXT"}, dir.Path());
        EXPECT_EQ(r.exitCode, 1) << cmd;
        EXPECT_EQ(r.err, "Es sind Fehler in der Automatenbeschreibung vorhanden!\n"
                         "Es konnte kein VHDL-Code erzeugt werden.\n\n"
                         "Es wurden keine Eingänge definiert!\n"
                         "Es wurden keine Ausgänge definiert!\n"
                         "Es wurden weniger als 2 Zustände definiert!\n"
                         "Die Eingangsmatrix ist ungültig!\n"
                         "Die Ausgangsmatrix ist ungültig!\n")
            << cmd;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("mealy.vhd")));

    TAutomat clash = MooreExample();
    clash.Eingangsmatrix[0] = "rst|0";
    Save(clash, dir.File("Moore.txt"));
    const auto r = Cli({"check", "Moore.txt"}, dir.Path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Der Eingang „rst“"), std::string::npos) << r.err;
    Save(MooreExample(), dir.File("Moore.txt"));
    EXPECT_EQ(Cli({"check", "Moore.txt"}, dir.Path()).exitCode, 0);
}

// A flag wins over the stored option; an unknown stored word is named on stderr.
TEST(CliFsm, CodeStyleFlagsWinOverStoredOptionsAndUnknownWordsAreNamed) {
    TTempDir dir;
    TAutomat a = MooreExample();
    a.Optionen.Kodierung = TKodierung::Gray;
    Save(a, dir.File("Moore.txt"));
    WriteBytes(dir.File("Moore.txt"), ReadBytes(dir.File("Moore.txt")) + "#OPTIONEN farbe=rot\r\n");
    // A second options line adds to the first; this one adds nothing known.
    auto r = Cli({"fsm", "Moore.txt", "--encoding=one-hot", "--rising-edge", "--numeric-std"},
                 dir.Path());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "Unbekannte Optionen übergangen: farbe=rot\n");
    const std::string vhd = ReadBytes(dir.File("moore.vhd"));
    for (const char* line :
         {"elsif rising_edge(clk) then", "is \"one_hot\";", "type is \"onehot\";"})
        EXPECT_NE(vhd.find(line), std::string::npos) << line;
    EXPECT_EQ(vhd.find("STD_LOGIC_ARITH"), std::string::npos);
    r = Cli({"fsm-testbench", "Moore.txt", "--encoding=grau"}, dir.Path());
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("one-hot"), std::string::npos) << r.err;
}

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

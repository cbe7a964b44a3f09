#include <gtest/gtest.h>

#include <filesystem>

#include "fsm/examples.h"
#include "fsm/workspace.h"
#include "support/testsupport.h"

using namespace korvalt;
using namespace korvalt::test;

// korvalt-cli fsm-testbench and simulate, with a stand-in ghdl (or none) alone on the PATH.
TEST(CliSimulate, TestbenchFilesSkippedRowsVerdictsAndExitCodes) {
    TTempDir dir;
    ASSERT_TRUE(SaveWorkspaceFile(MooreExample(), dir.File("Moore.txt")));
    std::filesystem::copy(DataPath("fsm/tour/mealy_senke.Mealy.txt"), dir.File("Mealy.txt"));
    std::filesystem::copy(DataPath("fsm/tour/mealy_beliebig.Mealy.txt"), dir.File("beliebig.txt"));
    WriteBytes(dir.File("kaputt.txt"), "#IN\r\n");
    std::filesystem::create_directories(dir.File("ohne"));
    // Stand-ins that print a known log and exit with 1 on "-r": failing rows, or
    // a clean summary followed by an error of the simulator.
    for (const auto& [folder, log] :
         {std::pair<std::string, std::string>{"mit", "ghdl_lauf"}, {"abbruch", "ghdl_abbruch"}}) {
        std::filesystem::create_directories(dir.File(folder));
        WriteBytes(dir.File(folder + "/ghdl"), "#!/bin/sh\ncase \"$1\" in -r) /bin/cat '" +
                                                   DataPath("fsm/" + log + ".txt") +
                                                   "'; exit 1;; esac\nexit 0\n");
        std::filesystem::permissions(dir.File(folder + "/ghdl"), std::filesystem::perms::owner_all);
    }
    const struct {
        const char* path; // PATH: a folder of dir
        std::vector<std::string> args;
        int exit;
        const char* out;
        const char* err;
    } cases[] = {
        {"ohne", {"fsm-testbench", "Moore.txt"}, 0, "", ""},
        {"ohne",
         {"fsm-testbench", "Mealy.txt", "--entity", "mealy_senke", "-o", "x.vhd"},
         0,
         "",
         "Zeile 5 (Lauf|Ruhe|weiter|aus) wird nie genommen: Zeile 4 desselben Zustands"},
        {"ohne", {"fsm-testbench", "Moore.txt", "--entity", "9x"}, 2, "", "9x"},
        {"ohne",
         {"fsm-testbench", "beliebig.txt", "--mealy", "--entity", "mealy_beliebig", "-o", "b.vhd"},
         0,
         "",
         ""},
        {"ohne", {"simulate", "Moore.txt"}, 2, "", "sudo apt-get install ghdl"},
        {"ohne", {"simulate", "fehlt.txt", "--moore"}, 2, "", "fehlt.txt"},
        {"mit", {"simulate", "kaputt.txt", "--mealy"}, 1, "", "keine Eingänge"},
        {"mit",
         {"simulate", "Moore.txt"},
         1,
         "3 Übergänge geprüft, 2 Fehler\nZeile 2 (S1|S0|X0), Zustand S0, Ausgang Y0: erwartet y = "
         "0, "
         "gesehen y = 1\n",
         ""},
        {"abbruch", {"simulate", "Moore.txt"}, 1, "3 Übergänge geprüft, 0 Fehler\n", ""},
    };
    for (const auto& c : cases) {
        std::vector<std::string> argv = {"/usr/bin/env", "PATH=" + dir.File(c.path), KORVALT_CLI};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        const auto r = korvalt::test::Run(argv, dir.Path());
        const std::string what = c.args[0] + " " + c.args[1];
        EXPECT_EQ(r.exitCode, c.exit) << what << "\n" << r.err;
        EXPECT_EQ(r.out.rfind(c.out, 0), 0u) << what << "\n" << r.out;
        EXPECT_NE(r.err.find(c.err), std::string::npos) << what << "\n" << r.err;
    }
    EXPECT_TRUE(MatchesExpected(ReadBytes(dir.File("moore_tb.vhd")), "fsm/moore_tb.vhd"));
    EXPECT_TRUE(MatchesExpected(ReadBytes(dir.File("x.vhd")), "fsm/tour/mealy_senke_tb.vhd"));
    EXPECT_TRUE(MatchesExpected(ReadBytes(dir.File("b.vhd")), "fsm/tour/mealy_beliebig_tb.vhd"));
}

#include <gtest/gtest.h>

#include "support/testsupport.h"

using namespace korvalt::test;

TEST(CliLint, OneLinePerFindingAndExitCodes) {
    const std::string dir = DataPath("template/lint/");
    const struct {
        std::vector<std::string> args;
        int exitCode;
        std::string out;
    } cases[] = {
        {{"lint", dir + "keine_befunde.vhd"}, 0, ""},
        {{"lint", dir + "doppelt.vhd"},
         1,
         dir + "doppelt.vhd:7: Abschnitt \"ZAEHLER\": Der Name steht schon in Zeile 3; erzeugt "
               "wird immer der Rumpf des ersten Abschnitts.\n"},
        {{"lint", dir + "verschoben.vhd", "a"},
         1,
         dir + "verschoben.vhd:7: Abschnitt \"A\": Die Deklaration \"N[1,2]\" steht nach einer "
               "Leerzeile und wird nicht gelesen.\n"},
        {{"lint", dir + "verschoben.vhd", "b"}, 0, ""},
        {{"lint", dir + "ohne_abschnitt.vhd"},
         1,
         dir + "ohne_abschnitt.vhd: Die Vorlage hat keinen Abschnitt (keine Zeile, die mit \"#\" "
               "beginnt).\n"},
        {{"lint", dir + "mein_Register-breit.vhd", "Register"}, 0, ""},
        {{"lint", dir + "rumpf.vhd", "Fehlt"}, 2, ""},
        {{"lint", dir}, 2, ""},
        {{"lint"}, 2, ""},
    };
    for (const auto& c : cases) {
        const auto r = Cli(c.args);
        const std::string what = c.args.back();
        EXPECT_EQ(r.exitCode, c.exitCode) << what << ": " << r.err;
        EXPECT_EQ(r.out, c.out) << what;
        EXPECT_EQ(r.err.empty(), c.exitCode != 2) << what << ": " << r.err;
    }
}

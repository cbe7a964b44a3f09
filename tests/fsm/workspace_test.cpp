#include <gtest/gtest.h>

#include <filesystem>

#include "fsm/workspace.h"
#include "support/testsupport.h"

using namespace korvalt;
using namespace korvalt::test;

namespace {
// The go/stop machine of tests/data/fsm (Moore.txt, Mealy.txt), typed by hand.
TAutomat GoStop(bool moore) {
    TAutomat a;
    a.Moore = moore;
    EXPECT_TRUE(LoadWorkspaceFile(a, DataPath(moore ? "fsm/Moore.txt" : "fsm/Mealy.txt")));
    return a;
}
} // namespace

TEST(Workspace, GoStopMachineIsSavedByteForByteAndLoadsBackTheSame) {
    for (bool moore : {true, false}) {
        TTempDir dir;
        const TAutomat a = GoStop(moore);
        ASSERT_TRUE(SaveWorkspace(a, dir.Path()));
        const std::string name = moore ? "Moore.txt" : "Mealy.txt";
        EXPECT_TRUE(MatchesExpected(ReadBytes(dir.File(name)), "fsm/" + name, false));
        EXPECT_FALSE(std::filesystem::exists(dir.File(moore ? "Mealy.txt" : "Moore.txt")));
        TAutomat loaded;
        loaded.Moore = moore;
        ASSERT_TRUE(LoadWorkspace(loaded, dir.Path()));
        EXPECT_EQ(loaded, a);
    }
}

TEST(Workspace, ReaderFindsMarkersAnywhereAndKeepsWhatTheFileDoesNotSay) {
    // clang-format off
    const struct { const char* what; const char* text; TStrings in, z, automat; int ib; const char* rst; const char* brst; } cases[] = {
        {"lower case and bare LF", "#in\na|1\n#z\nZ0|0\n#automat\nZ0|Z0|a\n", {"a|1"}, {"Z0|0"}, {"Z0|Z0|a"}, 7, "keep", "0"},
        {"#INPUTS starts the inputs", "#INPUTS\r\na|1\r\n", {"a|1"}, {}, {}, 7, "keep", "0"},
        {"ignored lines", "a|0\r\n#comment\r\n\r\n#IN\r\n\r\nb|1\r\n#nothing\r\n", {"b|1"}, {}, {}, 7, "keep", "0"},
        {"widths and levels", "#IBx\r\n#BRST\r\n#RSTZ9\r\n", {}, {}, {}, 0, "Z9", ""},
        {"values from fixed places", "x#IB5\r\n#IB 12\r\n#BRST1extra\r\n", {}, {}, {}, 12, "keep", "1"},
        {"widths held to 256", "#IB100000\r\n", {}, {}, {}, 256, "keep", "0"},
        {"negative width", "#IB-3\r\n", {}, {}, {}, 0, "keep", "0"},
        {"a data line with a marker switches", "#IN\r\na|1\r\nb#Z\r\nZ0|0\r\n", {"a|1", "b#Z"}, {"Z0|0"}, {}, 7, "keep", "0"},
        {"no line end at all", "#IN", {}, {}, {}, 7, "keep", "0"},
    };
    // clang-format on
    for (const auto& c : cases) {
        TAutomat a;
        a.Eingangsbitbreite = 7;
        a.Resetzustand = "keep";
        a.ResetAktiv = "0";
        a.Ausgangsmatrix = {"old|1"};
        LoadWorkspaceText(a, c.text);
        EXPECT_EQ(a.Eingangsmatrix, c.in) << c.what;
        EXPECT_EQ(a.Zustandsmatrix, c.z) << c.what;
        EXPECT_EQ(a.Automatentabelle, c.automat) << c.what;
        EXPECT_TRUE(a.Ausgangsmatrix.empty()) << c.what; // every list is cleared
        EXPECT_EQ(a.Eingangsbitbreite, c.ib) << c.what;
        EXPECT_EQ(a.Resetzustand, c.rst) << c.what;
        EXPECT_EQ(a.ResetAktiv, c.brst) << c.what;
    }
}

TEST(Workspace, EmptyValuesAreNotWrittenAndWindows1252Survives) {
    TAutomat a;
    a.ResetAktiv = "";
    a.Eingangsmatrix = {"Gr\xF6\xDF"
                        "e|1"};
    EXPECT_EQ(WorkspaceLines(a), (TStrings{"#IB0", "#OB0", "#IN", a.Eingangsmatrix[0], "#OUT", "#Z",
                                           "#AUTOMAT", "#AUSGTAB", "#BCLK1"}));
    TTempDir dir;
    ASSERT_TRUE(SaveWorkspace(a, dir.Path()));
    TAutomat b;
    b.ResetAktiv = "";
    LoadWorkspace(b, dir.Path());
    EXPECT_EQ(b, a);
}

TEST(Workspace, MissingFileLeavesTheModelAndAFailedSaveSaysWhyAndKeepsTheOldFile) {
    TTempDir dir;
    TAutomat a = GoStop(true);
    EXPECT_FALSE(LoadWorkspace(a, dir.Path()));
    std::filesystem::create_directory(dir.File("Moore.txt"));
    EXPECT_FALSE(LoadWorkspace(a, dir.Path())); // a folder of that name cannot be read
    EXPECT_EQ(a, GoStop(true));

    WriteBytes(dir.File("plain.txt"), "keep");
    const TWriteResult r = SaveWorkspace(a, dir.File("plain.txt/"));
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.empty());
    EXPECT_EQ(ReadBytes(dir.File("plain.txt")), "keep");
}

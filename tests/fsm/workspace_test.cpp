#include <gtest/gtest.h>

#include <filesystem>

#include "common/ascii.h"
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

// tests/data/fsm/workspace_reader.txt: what the reader takes from a file and what it keeps.
TEST(Workspace, ReaderFindsMarkersAnywhereAndKeepsWhatTheFileDoesNotSay) {
    const auto rows = DataRows("fsm/workspace_reader.txt", '\t');
    EXPECT_GE(rows.size(), 9u);
    for (const auto& c : rows) {
        std::string text = c.at(1);
        for (const auto& [escape, byte] : {std::pair{"\\r", "\r"}, {"\\n", "\n"}})
            for (auto p = text.find(escape); p != std::string::npos; p = text.find(escape, p))
                text.replace(p, 2, byte);
        TAutomat a;
        a.Eingangsbitbreite = 7;
        a.Resetzustand = "keep";
        a.ResetAktiv = "0";
        a.Ausgangsmatrix = {"old|1"};
        LoadWorkspaceText(a, text);
        EXPECT_EQ(a.Eingangsmatrix, ListOf(c[2])) << c[0];
        EXPECT_EQ(a.Zustandsmatrix, ListOf(c[3])) << c[0];
        EXPECT_EQ(a.Automatentabelle, ListOf(c[4])) << c[0];
        EXPECT_TRUE(a.Ausgangsmatrix.empty()) << c[0]; // every list is cleared
        EXPECT_EQ(std::to_string(a.Eingangsbitbreite) + "|" + a.Resetzustand + "|" + a.ResetAktiv,
                  c[5] + "|" + c[6] + "|" + c.at(7))
            << c[0];
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
    const TResult<> r = SaveWorkspace(a, dir.File("plain.txt/"));
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.empty());
    EXPECT_EQ(ReadBytes(dir.File("plain.txt")), "keep");
}

// tests/data/fsm/options.txt: the options line read, written back and the words reported.
TEST(Workspace, OptionsLineIsReadWrittenLastAndUnknownWordsAreReported) {
    const auto rows = DataRows("fsm/options.txt", '\t');
    EXPECT_GE(rows.size(), 7u);
    for (const auto& c : rows) {
        TAutomat a;
        a.Optionen.Sicher = true; // a file without the line gives the default
        TStrings ignored;
        LoadWorkspaceText(a, "#IN\r\na|1\r\n" + c.at(1) + "\r\nb|0\r\n", &ignored);
        EXPECT_EQ(a.Eingangsmatrix, (TStrings{"a|1", "b|0"})) << c[0];
        const TStrings lines = WorkspaceLines(a);
        EXPECT_EQ(lines.back(), c.at(2) == "-" ? "#BCLK1" : c[2]) << c[0];
        EXPECT_EQ(ignored, ListOf(c.at(3))) << c[0];
        EXPECT_EQ(IgnoredOptionenMessage(ignored).empty(), ignored.empty()) << c[0];
    }
    // Every word the line can hold passes unseen by a reader that looks for the
    // other lines' markers anywhere in an upper-cased line.
    TOptionen all{true, true, TKodierung::Gray, true, true};
    std::string line = OptionenLine(all);
    for (auto k : {TKodierung::OneHot, TKodierung::Binaer, TKodierung::Auto})
        line += " " + KodierungWord(k);
    line = UpperCase(line);
    for (const char* marker :
         {"#IN", "#OUT", "#Z", "#AUTOMAT", "#AUSGTAB", "#IB", "#OB", "#RST", "#BRST", "#BCLK"})
        EXPECT_EQ(line.find(marker), std::string::npos) << marker;
    TAutomat fresh;
    LoadWorkspaceText(fresh, "#IN\r\n");
    EXPECT_TRUE(fresh.Optionen.Default());
}

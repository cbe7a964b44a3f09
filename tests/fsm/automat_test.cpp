#include <gtest/gtest.h>

#include <iterator>
#include <sstream>
#include <tuple>

#include "common/textfile.h"
#include "fsm/automat.h"
#include "fsm/grid.h"
#include "support/testsupport.h"

using namespace korvalt;

namespace {

// Each row of a table as its cells joined by ",".
TStrings Rows(const CellTable& t) {
    TStrings rows(t.RowCount());
    for (int r = 0; r < t.RowCount(); ++r)
        for (int c = 0; c < t.ColCount(); ++c)
            rows[r] += (c ? "," : "") + t.Cell(c, r);
    return rows;
}

// A three-column table from rows written as Rows gives them.
CellTable TableOf(const TStrings& rows) {
    CellTable t;
    t.SetSize(3, 0);
    for (const auto& row : rows) {
        TStrings cells(1);
        for (char ch : row)
            ch == ',' ? cells.emplace_back() : cells.back() += ch;
        t.AppendRow(cells);
    }
    return t;
}

TAutomat Moore(TStrings states, TStrings inputs = {"go|1", "stop|0"},
               TStrings outputs = {"an|1", "aus|0"}) {
    return {.Eingangsmatrix = inputs, .Ausgangsmatrix = outputs, .Zustandsmatrix = states};
}

} // namespace

TEST(AutomatBasics, BitsNeededEntryFieldsAndDuplicates) {
    const std::pair<int, int> bits[] = {{-1, 0}, {0, 0}, {1, 1}, {2, 1}, {3, 2},
                                        {4, 2},  {5, 3}, {8, 3}, {9, 4}, {17, 5}};
    for (auto [n, b] : bits)
        EXPECT_EQ(BitsNeeded(n), b) << n;
    EXPECT_EQ(BitsNeeded(std::int64_t{1} << 40), 40);
    EXPECT_EQ(EntryName("a|b|c") + " " + EntryBits("a|b|c"), "a b|c");
    EXPECT_EQ(EntryName("plain") + " " + EntryBits("plain"), " plain");

    // Table rows read back exactly as stored, whatever their number of fields.
    for (const char* row : {"A|B|c", "A|B|c|d|e", "A|", "plain", "", "|B|c|"})
        EXPECT_EQ(FormatTransitionRow(ParseTransitionRow(row)), row);
    const TTransitionRow r = ParseTransitionRow("A|B|c|d|e");
    EXPECT_EQ(r.Zustand + r.Folgezustand + r.Bedingung + "," + r.Ausgang, "ABc,d|e");

    TStrings list = {"a|01", "A|01", "b|1", "a|10", "B|1"};
    RemoveDuplicateEntries(list);
    EXPECT_EQ(list, (TStrings{"a|01", "b|1", "a|10"}));
    EXPECT_TRUE(HasDuplicateIdentifiers({"a", "", ""})); // empty lines count too
}

// tests/data/fsm/identifier_lines.txt: names typed into the input list with a
// width; patterns follow their position or their name and keep their bits
// when the width changes ("\\t" in a line stands for a tab).
TEST(IdentifierLines, PatternsFollowTheirNamesAndKeepTheirBits) {
    auto list = [](const std::string& joined) {
        TStrings l = test::ListOf(joined);
        for (auto& e : l)
            if (e.starts_with("\\t")) e.replace(0, 2, "\t");
        return l;
    };
    for (const auto& c : test::DataRows("fsm/identifier_lines.txt", '\t')) {
        TAutomat a;
        a.Eingangsmatrix = list(c[0]);
        a.Eingangsbitbreite = std::stoi(c[1]);
        TStrings lines = list(c[2]);
        const std::string width = c[3] == "-" ? "" : c[3];
        EXPECT_EQ(PatternsLosingOnes(a, TPart::Eingangsmatrix, lines, width), std::stoi(c[7]))
            << c[8];
        ApplyIdentifierLines(a, TPart::Eingangsmatrix, lines, width, "", false, false);
        EXPECT_EQ(a.Eingangsmatrix, list(c[4])) << c[8];
        EXPECT_EQ(lines, list(c[5])) << c[8];
        EXPECT_EQ(a.Eingangsbitbreite, std::stoi(c[6])) << c[8];
    }
}

// A line whose text changed renames its entry everywhere; a line more renames nothing.
TEST(IdentifierLines, RenamesCarryTheTablesAlong) {
    auto words = [](const std::string& text) {
        std::istringstream in(text);
        return TStrings(std::istream_iterator<std::string>(in), {});
    };
    for (const auto& line : SplitLines(test::ReadBytes(test::DataPath("fsm/renames.txt")))) {
        if (line[0] == '#') continue;
        TStrings c;
        std::istringstream cols(line);
        for (std::string col; std::getline(cols, col, '\t');)
            c.push_back(col);
        TAutomat a = Moore({"Z0|0", "Z1|1"});
        a.Moore = c[0] == "Moore";
        a.Automatentabelle = words(a.Moore ? "Z0|Z1|go z1|Z0|stop" : "Z0|Z1|go|an z1|Z0|stop|aus");
        a.Ausgangstabelle = {"Z0|an", "Z1|aus"};
        TStrings lines = words(c[2]);
        ApplyIdentifierLines(a, static_cast<TPart>(std::stoi(c[1])), lines, "", "", false, false);
        EXPECT_EQ(a.Automatentabelle, words(c[3])) << line;
        EXPECT_EQ(a.Ausgangstabelle, words(c[4])) << line;
    }
}

TEST(IdentifierLines, ResetChoiceWidthRaiseAndLevels) {
    TAutomat a = Moore({"Z0|0", "Z1|1", "plain"});
    a.Resetzustand = "Z1";
    auto v = ShowIdentifierList(a, TPart::Zustandsmatrix);
    EXPECT_EQ(v.lines, (TStrings{"Z0", "Z1", ""}));
    EXPECT_EQ(v.resetChoices, (TStrings{"Z0", "Z1", "plain"}));
    EXPECT_EQ(v.resetIndex, 1);
    a.Resetzustand = "z1"; // the choice is found case-sensitively
    EXPECT_EQ(ShowIdentifierList(a, TPart::Zustandsmatrix).resetIndex, -1);

    a.Ausgangsmatrix = {"a|", "b|", "c|"}; // a width of 0 is raised to what the names need
    EXPECT_EQ(ShowIdentifierList(a, TPart::Ausgangsmatrix).widthText, "2");
    EXPECT_EQ(a.Ausgangsbitbreite, 2);
    a.Ausgangsbitbreite = 7;
    EXPECT_EQ(ShowIdentifierList(a, TPart::Ausgangsmatrix).widthText, "7");

    TStrings none;
    ApplyIdentifierLines(a, TPart::TaktReset, none, "", "", true, false);
    EXPECT_EQ(a.ResetAktiv + a.TaktAktiv, "01");
    v = ShowIdentifierList(a, TPart::TaktReset);
    EXPECT_TRUE(v.resetLow && !v.clockLow && v.lines.empty());
}

// tests/data/fsm/grids.txt: matrices shown in a grid and stored back, the state
// code width, the output table following the states, transition tables repaired
// when a grid is built, and rows inserted into or deleted from a grid.
TEST(BuildGrid, TablesAsTheDataFileSays) {
    const auto rows = test::DataRows("fsm/grids.txt", '\t');
    EXPECT_GE(rows.size(), 33u);
    for (const auto& c : rows) {
        const bool grid = c[0] == "matrix" || c[0] == "statewidth";
        TAutomat a = grid ? TAutomat{} : Moore(test::ListOf(c[c[0] == "repair" ? 2 : 1]));
        bool modified = false;
        if (grid) {
            if (c[0] == "matrix") a.Eingangsmatrix = test::ListOf(c[1]);
            a.Eingangsbitbreite = c[0] == "matrix" ? std::stoi(c[2]) : 9;
            for (int i = 0; c[0] == "statewidth" && i < std::stoi(c[1]); ++i)
                a.Zustandsmatrix.push_back("Z" + std::to_string(i) + "|");
            const TPart tab = c[0] == "matrix" ? TPart::Eingangsmatrix : TPart::Zustandsmatrix;
            const CellTable t = BuildGrid(a, tab, modified);
            EXPECT_FALSE(modified) << c.at(5);
            if (c[0] == "statewidth") {
                EXPECT_EQ(t.Cell(1, 0) + " " + std::to_string(t.ColCount()) + " " +
                              std::to_string(t.RowCount() - 1),
                          c[2] + " " + c[3] + " " + c[1]);
                continue;
            }
            EXPECT_EQ(Rows(t), test::ListOf(c[3])) << c[5];
            StoreGrid(a, tab, t);
            EXPECT_EQ(a.Eingangsmatrix, test::ListOf(c[4])) << c[5];
            continue;
        }
        if (c[0] == "outputs") {
            a.Ausgangstabelle = test::ListOf(c[2]);
            SyncAusgangstabelle(a);
            EXPECT_EQ(a.Ausgangstabelle, test::ListOf(c[4])) << c.at(5);
            continue;
        }
        if (c[0] != "repair") {
            CellTable t = TableOf(test::ListOf(c[1]));
            c[0] == "insert" ? InsertTableRow(t, std::stoi(c[2]))
                             : DeleteTableRow(t, std::stoi(c[2]), c[3] == "1");
            EXPECT_EQ(Rows(t), test::ListOf(c[4])) << c.at(5);
            continue;
        }
        a.Moore = c[1] == "Moore";
        if (a.Zustandsmatrix.empty()) a.Eingangsmatrix.clear(), a.Ausgangsmatrix.clear();
        a.Automatentabelle = test::ListOf(c[3]);
        TStrings expected = test::ListOf(c[4]);
        expected.insert(expected.begin(), a.Moore ? "Zustand,Folgezustand,Bedingung"
                                                  : "Zustand,Folgezustand,Bedingung,Ausgang");
        EXPECT_EQ(Rows(BuildGrid(a, TPart::Automatentabelle, modified)), expected) << c.at(6);
        EXPECT_EQ(modified, c[5] == "1") << c[6];
    }
    TAutomat wide; // patterns are held to 256 columns
    wide.Eingangsmatrix = {"a|" + std::string(1000, '1')};
    bool modified = false;
    EXPECT_EQ(BuildGrid(wide, TPart::Eingangsmatrix, modified).ColCount(), 257);
}

TEST(BuildGrid, StoredTransitionTablesKeepTheirFields) {
    for (bool moore : {true, false}) {
        TAutomat a = Moore({"Z0|0", "Z1|1"});
        a.Moore = moore;
        a.Automatentabelle = {"Z0|Z1|go|an"};
        bool modified = false;
        StoreGrid(a, TPart::Automatentabelle, BuildGrid(a, TPart::Automatentabelle, modified));
        EXPECT_EQ(a.Automatentabelle,
                  (moore ? TStrings{"Z0|Z1|go", "Z1||"} : TStrings{"Z0|Z1|go|an", "Z1|||"}));
    }
}

TEST(BuildGrid, OutputTableKeepsStatesAndDropsUnknownOutputs) {
    TAutomat a = Moore({"A|0", "B|1", "C|1"});
    a.Ausgangstabelle = {"A|an", "B|weg", "an"};
    bool modified = false;
    const CellTable t = BuildGrid(a, TPart::Ausgangstabelle, modified);
    EXPECT_EQ(Rows(t), (TStrings{"Zustand,Ausgangsvektor", "A,an", "B,", ",an"}));
    EXPECT_TRUE(modified);
    StoreGrid(a, TPart::Ausgangstabelle, t);
    EXPECT_EQ(a.Ausgangstabelle, (TStrings{"A|an", "B|", "|an"}));
}

TEST(PopupMenu, ItemsOfEachColumnAndBedingungOnlyUnused) {
    TAutomat a = Moore({"Z0|0", "Z1|1"}, {"go|01", "stop|10", "Feld1|11"});
    const CellTable t =
        TableOf({"Zustand,Folgezustand,Bedingung", "Z0,Z1,go", "Z0,Z1,stop", "Z0,Z1,", "z0,Z0,"});
    using A = TPopupAction;
    using Items = std::vector<TPopupItem>;
    const TPopupItem clear{A::ClearCell, ""};
    auto name = [](const char* n) { return TPopupItem{A::EnterName, n}; };
    auto items = [&](TPart tab, int col, int row) { return PopupItems(a, tab, t, col, row); };
    EXPECT_EQ(items(TPart::Automatentabelle, 1, 2), (Items{clear, name("Z0"), name("Z1")}));
    EXPECT_EQ(items(TPart::Automatentabelle, 2, 1), (Items{clear, name("go"), name("Feld1")}));
    EXPECT_EQ(items(TPart::Automatentabelle, 2, 4),
              (Items{clear, name("go"), name("stop"), name("Feld1")}));
    EXPECT_TRUE(items(TPart::Automatentabelle, 3, 1).empty()); // Moore has no Ausgang
    EXPECT_EQ(items(TPart::Ausgangstabelle, 1, 1), (Items{clear, name("an"), name("aus")}));
    a.Moore = false;
    a.Ausgangsmatrix.clear();
    EXPECT_EQ(items(TPart::Automatentabelle, 3, 1), (Items{clear}));
}

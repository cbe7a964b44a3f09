#include <gtest/gtest.h>

#include "fsm/automat.h"

using namespace korvalt;

namespace {

// Each row of a table as its cells joined by ",".
TStrings Rows(const CellTable& t) {
    TStrings rows;
    for (int r = 0; r < t.RowCount(); ++r) {
        std::string s;
        for (int c = 0; c < t.ColCount(); ++c)
            s += (c ? "," : "") + t.Cell(c, r);
        rows.push_back(s);
    }
    return rows;
}

CellTable TableOf(const TStrings& rows) {
    CellTable t;
    t.SetSize(3, 0);
    for (const auto& row : rows) {
        TStrings cells;
        std::size_t start = 0;
        for (std::size_t comma; (comma = row.find(',', start)) != std::string::npos;
             start = comma + 1)
            cells.push_back(row.substr(start, comma - start));
        cells.push_back(row.substr(start));
        t.AppendRow(cells);
    }
    return t;
}

TAutomat Moore(TStrings states, TStrings inputs = {"go|1", "stop|0"},
               TStrings outputs = {"an|1", "aus|0"}) {
    TAutomat a;
    a.Zustandsmatrix = std::move(states);
    a.Eingangsmatrix = std::move(inputs);
    a.Ausgangsmatrix = std::move(outputs);
    return a;
}

} // namespace

TEST(AutomatBasics, BitsNeededNamesAndBits) {
    const std::pair<int, int> bits[] = {{-1, 0}, {0, 0}, {1, 1}, {2, 1},  {3, 2}, {4, 2},
                                        {5, 3},  {8, 3}, {9, 4}, {16, 4}, {17, 5}};
    for (auto [n, b] : bits)
        EXPECT_EQ(BitsNeeded(n), b) << n;
    EXPECT_EQ(BitsNeeded(std::int64_t{1} << 40), 40);

    EXPECT_EQ(EntryName("start|01"), "start");
    EXPECT_EQ(EntryBits("start|01"), "01");
    EXPECT_EQ(EntryName("a|b|c"), "a");
    EXPECT_EQ(EntryBits("a|b|c"), "b|c");
    EXPECT_EQ(EntryName("plain"), "");
    EXPECT_EQ(EntryBits("plain"), "plain");
}

TEST(AutomatBasics, DuplicatesIgnoreCaseButWholeEntriesMustMatch) {
    TStrings list = {"a|01", "A|01", "b|1", "a|10", "B|1"};
    RemoveDuplicateEntries(list);
    EXPECT_EQ(list, (TStrings{"a|01", "b|1", "a|10"}));
    EXPECT_TRUE(HasDuplicateIdentifiers({"Start", "x", "start"}));
    EXPECT_TRUE(HasDuplicateIdentifiers({"a", "", ""}));
    EXPECT_FALSE(HasDuplicateIdentifiers({"Start", "Starts", ""}));
}

TEST(IdentifierLines, NamesKeepThePatternOfTheirPosition) {
    const struct {
        TStrings before, lines, after, linesAfter;
        const char* width;
        int widthAfter;
    } cases[] = {
        {{"a|01", "b|10"}, {"c", "a"}, {"c|01", "a|10"}, {"c", "a"}, "2", 2},
        {{"a|01", "b|10"}, {"a", "b", "d"}, {"a|01", "b|10", "d|"}, {"a", "b", "d"}, "2", 2},
        {{}, {"a", "", " ", "b"}, {"a|", "b|"}, {"a", "b"}, "0", 2}, // width from 4 lines
        {{}, {"a", "", " ", "b"}, {"a|", "b|"}, {"a", "b"}, "5", 5},
        {{}, {"a", "A"}, {"a|"}, {"a", "A"}, "", 1},
        {{"a|01", "b|10", "c|11"}, {"x"}, {"x|01"}, {"x"}, "junk", 1},
        {{"a|01"}, {}, {}, {}, "3", 3},
        {{"plain"}, {"n"}, {"nplain"}, {"n"}, "1", 1}, // an entry without "|" stays whole
        {{}, {"\tx "}, {"\tx |"}, {"\tx "}, "1", 1},   // only blanks count as blank
        {{}, {"a"}, {"a|"}, {"a"}, "99999", 256},      // widths are held to 0..256
        {{}, {"a"}, {"a|"}, {"a"}, "-4", 1},
    };
    for (const auto& c : cases) {
        TAutomat a;
        a.Eingangsmatrix = c.before;
        TStrings lines = c.lines;
        ApplyIdentifierLines(a, TabEingangsmatrix, lines, c.width, "", false, false);
        EXPECT_EQ(a.Eingangsmatrix, c.after) << c.lines.size() << " " << c.width;
        EXPECT_EQ(lines, c.linesAfter);
        EXPECT_EQ(a.Eingangsbitbreite, c.widthAfter) << c.width;
    }
}

TEST(IdentifierLines, ResetStateLevelsAndWidthRaise) {
    TAutomat a = Moore({"Z0|0", "Z1|1", "plain"});
    a.Resetzustand = "Z1";
    a.Ausgangsbitbreite = 0;
    auto v = ShowIdentifierList(a, TabZustandsmatrix);
    EXPECT_EQ(v.lines, (TStrings{"Z0", "Z1", ""}));
    EXPECT_EQ(v.resetChoices, (TStrings{"Z0", "Z1", "plain"}));
    EXPECT_EQ(v.resetIndex, 1);
    a.Resetzustand = "z1"; // the choice is found case-sensitively
    EXPECT_EQ(ShowIdentifierList(a, TabZustandsmatrix).resetIndex, -1);

    a.Ausgangsmatrix = {"a|", "b|", "c|"};
    EXPECT_EQ(ShowIdentifierList(a, TabAusgangsmatrix).widthText, "2");
    EXPECT_EQ(a.Ausgangsbitbreite, 2);
    a.Ausgangsbitbreite = 7;
    EXPECT_EQ(ShowIdentifierList(a, TabAusgangsmatrix).widthText, "7");

    TStrings none;
    ApplyIdentifierLines(a, TabTaktReset, none, "", "", true, false);
    EXPECT_EQ(a.ResetAktiv, "0");
    EXPECT_EQ(a.TaktAktiv, "1");
    v = ShowIdentifierList(a, TabTaktReset);
    EXPECT_TRUE(v.resetLow);
    EXPECT_FALSE(v.clockLow);
    EXPECT_TRUE(v.lines.empty());

    TStrings lines = {"Z0", "Z1"};
    ApplyIdentifierLines(a, TabZustandsmatrix, lines, "", "", false, false);
    EXPECT_EQ(a.Resetzustand, "");
    EXPECT_EQ(a.Zustandsmatrix, (TStrings{"Z0|0", "Z1|1"}));
}

TEST(BuildGrid, MatricesShowTheRightmostBitsOrZeros) {
    const struct {
        TStrings list;
        int width;
        TStrings rows;
        TStrings stored;
    } cases[] = {
        {{"s|0110", "t|01", "u|"},
         3,
         {",X2,X1,X0", "s,1,1,0", "t,0,0,0", "u,0,0,0"},
         {"s|110", "t|000", "u|000"}},
        {{"a|10", "b|01"},
         0,
         {",X1,X0", "a,1,0", "b,0,1"},
         {"a|10", "b|01"}}, // width from the first
        {{}, 0, {",", ","}, {"|0"}},
        {{}, 2, {",X1,X0"}, {}},
        // No bits and width 0 (a hand-made file): the names still get a column.
        {{"a|", "b|"}, 0, {",X0", "a,0", "b,0"}, {"a|0", "b|0"}},
        {{"plain", "b|1"}, 0, {",X0", ",n", "b,1"}, {"|n", "b|1"}}, // no "|": all of it is bits
        {{"a|" + std::string(1000, '1')}, 0, {}, {}}, // clamped to 256 columns: checked below
    };
    for (const auto& c : cases) {
        TAutomat a;
        a.Eingangsmatrix = c.list;
        a.Eingangsbitbreite = c.width;
        bool modified = false;
        const CellTable t = BuildGrid(a, TabEingangsmatrix, modified);
        EXPECT_FALSE(modified);
        EXPECT_EQ(t.FixedCols, 1);
        EXPECT_TRUE(t.Editable);
        if (c.rows.empty()) {
            EXPECT_EQ(t.ColCount(), 257);
            EXPECT_EQ(t.Cell(1, 0), "X255");
            continue;
        }
        EXPECT_EQ(Rows(t), c.rows);
        StoreGrid(a, TabEingangsmatrix, t);
        EXPECT_EQ(a.Eingangsmatrix, c.stored);
    }
}

TEST(BuildGrid, StateMatrixWidthFollowsTheNumberOfStates) {
    const struct {
        int states;
        const char* firstHeader;
        int cols;
    } cases[] = {
        {1, "X(Z)0", 2}, {2, "X(Z)0", 2}, {3, "X(Z)1", 3}, {4, "X(Z)1", 3}, {5, "X(Z)2", 4}};
    for (const auto& c : cases) {
        TAutomat a;
        for (int i = 0; i < c.states; ++i)
            a.Zustandsmatrix.push_back("Z" + std::to_string(i) + "|");
        a.Eingangsbitbreite = 9; // not the state width
        bool modified = false;
        const CellTable t = BuildGrid(a, TabZustandsmatrix, modified);
        EXPECT_EQ(t.ColCount(), c.cols) << c.states;
        EXPECT_EQ(t.Cell(1, 0), c.firstHeader) << c.states;
        EXPECT_EQ(t.RowCount(), c.states + 1);
    }
    // Cells hold whatever was typed; empty cells store as "0".
    TAutomat a = Moore({"Z0|00", "Z1|01", "Z2|10"});
    bool modified = false;
    CellTable t = BuildGrid(a, TabZustandsmatrix, modified);
    t.SetCell(1, 1, "");
    t.SetCell(2, 1, "11");
    StoreGrid(a, TabZustandsmatrix, t);
    EXPECT_EQ(a.Zustandsmatrix, (TStrings{"Z0|011", "Z1|01", "Z2|10"}));
}

TEST(BuildGrid, TransitionTableRepairsUnknownNames) {
    const struct {
        const char* what;
        bool moore;
        TStrings states, table, rows;
        bool modified;
    } cases[] = {
        {"every state gets a row",
         true,
         {"Z0|0", "Z1|1"},
         {},
         {"Zustand,Folgezustand,Bedingung", "Z0,,", "Z1,,"},
         true},
        {"unknown states go",
         true,
         {"Z0|0", "Z1|1"},
         {"Z0|Z1|go", "Z9|Z0|go", "Z1|Z0|stop"},
         {"Zustand,Folgezustand,Bedingung", "Z0,Z1,go", "Z1,Z0,stop"},
         true},
        {"except on the first data row",
         true,
         {"Z0|0", "Z1|1"},
         {"Z9|Z7|go", "Z0|Z1|go", "Z1|Z0|halt"},
         {"Zustand,Folgezustand,Bedingung", "Z9,,go", "Z0,Z1,go", "Z1,Z0,"},
         true},
        {"complete and known",
         true,
         {"Z0|0", "Z1|1"},
         {"z0|Z1|GO", "Z1|z0|stop"},
         {"Zustand,Folgezustand,Bedingung", "z0,Z1,GO", "Z1,z0,stop"},
         false},
        {"extra fields dropped",
         true,
         {},
         {"A|B|c|d"},
         {"Zustand,Folgezustand,Bedingung", "A,B,c"},
         false},
        {"Mealy keeps the rest as Ausgang",
         false,
         {},
         {"A|B|c|d|e"},
         {"Zustand,Folgezustand,Bedingung,Ausgang", "A,B,c,d|e"},
         false},
        {"empty Zustand skipped",
         true,
         {},
         {"|B|c", "plain", "A|B"},
         {"Zustand,Folgezustand,Bedingung", "A,B,", ",,", ",,"},
         false},
        {"Mealy output checked",
         false,
         {"Z0|0"},
         {"Z0|Z0|go|an", "Z0|Z0|stop|hoch"},
         {"Zustand,Folgezustand,Bedingung,Ausgang", "Z0,Z0,go,an", "Z0,Z0,stop,"},
         true},
        {"no states: nothing repaired",
         true,
         {},
         {},
         {"Zustand,Folgezustand,Bedingung", ",,"},
         false},
    };
    for (const auto& c : cases) {
        TAutomat a = Moore(c.states);
        a.Moore = c.moore;
        if (c.states.empty()) a.Eingangsmatrix.clear(), a.Ausgangsmatrix.clear();
        a.Automatentabelle = c.table;
        bool modified = false;
        const CellTable t = BuildGrid(a, TabAutomatentabelle, modified);
        EXPECT_EQ(Rows(t), c.rows) << c.what;
        EXPECT_EQ(modified, c.modified) << c.what;
        EXPECT_EQ(t.FixedCols, 0);
        EXPECT_FALSE(t.Editable);
    }
}

TEST(BuildGrid, RenamedInputIsClearedAndStoredTablesKeepTheirFields) {
    TAutomat a = Moore({"Z0|0", "Z1|1"});
    a.Automatentabelle = {"Z0|Z1|go", "Z1|Z0|stop"};
    a.Eingangsmatrix = {"los|1", "stop|0"};
    bool modified = false;
    CellTable t = BuildGrid(a, TabAutomatentabelle, modified);
    EXPECT_TRUE(modified);
    StoreGrid(a, TabAutomatentabelle, t);
    EXPECT_EQ(a.Automatentabelle, (TStrings{"Z0|Z1|", "Z1|Z0|stop"}));

    a.Moore = false;
    a.Automatentabelle = {"Z0|Z1|los|an"};
    t = BuildGrid(a, TabAutomatentabelle, modified);
    StoreGrid(a, TabAutomatentabelle, t);
    EXPECT_EQ(a.Automatentabelle, (TStrings{"Z0|Z1|los|an", "Z1|||"}));
}

TEST(BuildGrid, OutputTableFollowsTheStatesByPosition) {
    const struct {
        TStrings states, before, after;
    } cases[] = {
        {{"A|00", "B|01", "C|10"},
         {"x|an", "y|aus", "z|", "u|an", "v|an"},
         {"A|an", "B|aus", "C|"}},
        {{"A|00", "B|01", "C|10", "D|11"}, {"x|an", "y|aus"}, {"A|an", "B|aus", "C|", "D|"}},
        {{"A|0", "plain"}, {"x|an", "keep"}, {"A|an", "keep"}},
        {{}, {"x|an"}, {}},
    };
    for (const auto& c : cases) {
        TAutomat a = Moore(c.states);
        a.Ausgangstabelle = c.before;
        SyncAusgangstabelle(a);
        EXPECT_EQ(a.Ausgangstabelle, c.after);
    }

    TAutomat a = Moore({"A|0", "B|1", "C|1"});
    a.Ausgangstabelle = {"A|an", "B|weg", "an"};
    bool modified = false;
    const CellTable t = BuildGrid(a, TabAusgangstabelle, modified);
    EXPECT_EQ(Rows(t), (TStrings{"Zustand,Ausgangsvektor", "A,an", "B,", ",an"}));
    EXPECT_TRUE(modified);
    EXPECT_EQ(t.FixedCols, 1);
    StoreGrid(a, TabAusgangstabelle, t);
    EXPECT_EQ(a.Ausgangstabelle, (TStrings{"A|an", "B|", "|an"}));
}

TEST(TableRows, InsertAndDeleteRules) {
    const struct {
        const char* what;
        bool insert;
        int row;
        bool keep;
        TStrings after;
    } cases[] = {
        {"first data row stays", false, 1, false, {"h,,", "A,x,", "A,y,", "B,z,"}},
        {"last row of a state stays", false, 3, true, {"h,,", "A,x,", "A,y,", "B,z,"}},
        {"a state's second row goes", false, 2, true, {"h,,", "A,x,", "B,z,"}},
        {"without the rule any row goes", false, 3, false, {"h,,", "A,x,", "A,y,"}},
        {"outside the table", false, 4, false, {"h,,", "A,x,", "A,y,", "B,z,"}},
        {"insert below row 2", true, 2, false, {"h,,", "A,x,", "A,y,", "A,,", "B,z,"}},
        {"insert below the last row", true, 3, false, {"h,,", "A,x,", "A,y,", "B,z,", "B,,"}},
        {"insert outside", true, 4, false, {"h,,", "A,x,", "A,y,", "B,z,"}},
        {"insert negative", true, -1, false, {"h,,", "A,x,", "A,y,", "B,z,"}},
    };
    for (const auto& c : cases) {
        CellTable t = TableOf({"h,,", "A,x,", "A,y,", "B,z,"});
        if (c.insert)
            InsertTableRow(t, c.row);
        else
            DeleteTableRow(t, c.row, c.keep);
        EXPECT_EQ(Rows(t), c.after) << c.what;
    }
    CellTable t = TableOf({"h,,", "A,,", ",,", "B,,"});
    DeleteTableRow(t, 2, true); // an empty state cell may always go
    EXPECT_EQ(Rows(t), (TStrings{"h,,", "A,,", "B,,"}));
    t = TableOf({"h,,", "A,,", "a,,"});
    DeleteTableRow(t, 2, true); // the count is case-sensitive
    EXPECT_EQ(t.RowCount(), 3);
}

TEST(PopupMenu, ItemsOfEachColumnAndBedingungOnlyUnused) {
    TAutomat a = Moore({"Z0|0", "Z1|1"}, {"go|01", "stop|10", "Feld1|11"});
    const CellTable t =
        TableOf({"Zustand,Folgezustand,Bedingung", "Z0,Z1,go", "Z0,Z1,stop", "Z0,Z1,", "z0,Z0,"});
    using A = TPopupAction;
    const TPopupItem clear{A::ClearCell, ""};
    auto name = [](const char* n) { return TPopupItem{A::EnterName, n}; };
    EXPECT_EQ(PopupItems(a, TabAutomatentabelle, t, 0, 2),
              (std::vector<TPopupItem>{{A::InsertRow, ""}, {A::DeleteRow, ""}}));
    EXPECT_EQ(PopupItems(a, TabAutomatentabelle, t, 1, 2),
              (std::vector<TPopupItem>{clear, name("Z0"), name("Z1")}));
    EXPECT_EQ(PopupItems(a, TabAutomatentabelle, t, 2, 3),
              (std::vector<TPopupItem>{clear, name("Feld1")}));
    EXPECT_EQ(PopupItems(a, TabAutomatentabelle, t, 2, 1),
              (std::vector<TPopupItem>{clear, name("go"), name("Feld1")}));
    EXPECT_EQ(PopupItems(a, TabAutomatentabelle, t, 2, 4),
              (std::vector<TPopupItem>{clear, name("go"), name("stop"), name("Feld1")}));
    EXPECT_TRUE(PopupItems(a, TabAutomatentabelle, t, 3, 1).empty()); // Moore has no Ausgang
    EXPECT_TRUE(PopupItems(a, TabEingangsmatrix, t, 1, 1).empty());
    EXPECT_EQ(PopupItems(a, TabAusgangstabelle, t, 1, 1),
              (std::vector<TPopupItem>{clear, name("an"), name("aus")}));
    a.Moore = false;
    a.Ausgangsmatrix.clear();
    EXPECT_EQ(PopupItems(a, TabAutomatentabelle, t, 3, 1), (std::vector<TPopupItem>{clear}));

    CellTable edit = t;
    ApplyPopupItem(edit, 2, 3, name("Feld1"));
    EXPECT_EQ(edit.Cell(2, 3), "Feld1");
    ApplyPopupItem(edit, 2, 3, clear);
    EXPECT_EQ(edit.Cell(2, 3), "");
    ApplyPopupItem(edit, 0, 2, {A::InsertRow, ""});
    EXPECT_EQ(edit.RowCount(), 6);
    EXPECT_EQ(edit.Cell(0, 3), "Z0");
    ApplyPopupItem(edit, 0, 3, {A::DeleteRow, ""});
    EXPECT_EQ(Rows(edit), Rows(t));
}

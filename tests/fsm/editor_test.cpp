#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "fsm/grid.h"
#include "fsm/workspace.h"
#include "support/testsupport.h"

using namespace korvalt;
using namespace korvalt::test;

namespace {

TStrings Words(const std::string& text) {
    std::istringstream in(text);
    TStrings words;
    for (std::string w; in >> w;)
        words.push_back(w);
    return words;
}

TAutomat Opened(const std::string& file) {
    TAutomat a;
    a.Moore = file.find("Moore") != std::string::npos;
    LoadWorkspaceText(a, ReadBytes(DataPath("fsm/" + file)));
    return a;
}

} // namespace

// Typing into a cell offers and takes exactly what its context menu offers.
TEST(Editor, TypedNamesAreTheContextMenusNames) {
    std::ifstream data(DataPath("fsm/cell_names.txt"));
    int cases = 0;
    for (std::string line; std::getline(data, line);) {
        if (line.empty() || line[0] == '#') continue;
        TStrings f; // the fields between "|", without the blanks around them
        std::istringstream fields(line);
        for (std::string field; std::getline(fields, field, '|');) {
            const TStrings w = Words(field);
            f.push_back(w.size() == 1 ? w[0] : w.empty() ? "" : field);
        }
        if (f.size() == 3) f.push_back(""); // an empty last field
        ASSERT_EQ(f.size(), 4u) << line;
        std::istringstream cell(f[0]);
        std::string file;
        int tab, col, row;
        cell >> file >> tab >> col >> row;
        TAutomat a = Opened(file);
        bool modified = false;
        const CellTable t = BuildGrid(a, tab, modified);
        const TStrings names = CellNames(a, tab, t, col, row);
        TStrings menu;
        for (const auto& item : PopupItems(a, tab, t, col, row))
            if (item.action == TPopupAction::EnterName) menu.push_back(item.name);
        EXPECT_EQ(names, menu) << line;
        EXPECT_EQ(names, Words(f[2])) << line;
        const auto taken = ResolveTypedName(names, f[1]);
        EXPECT_EQ(taken.value_or("?"), f[3]) << line;
        ++cases;
    }
    EXPECT_GT(cases, 10);
}

// A description opened from a file and saved under another name is the same file.
TEST(Editor, OpenAndSaveAsKeepTheFileAndRefuseTheOtherKind) {
    TTempDir dir;
    for (const std::string file : {"Moore.txt", "Mealy.txt", "names.Moore.txt"}) {
        const std::string bytes = ReadBytes(DataPath("fsm/" + file));
        const bool moore = file.find("Moore") != std::string::npos;
        EXPECT_EQ(DescribesMoore(bytes), moore) << file;
        TAutomat a = Opened(file);
        ASSERT_TRUE(SaveWorkspaceFile(a, dir.File("copy.txt"))) << file;
        EXPECT_EQ(ReadBytes(dir.File("copy.txt")), bytes) << file;
    }
    EXPECT_EQ(DescribesMoore("#IN\r\na|1\r\n"), std::nullopt);
    EXPECT_EQ(DescribesMoore("#AUSGTAB\r\nZ0|a\r\n"), true);
    EXPECT_EQ(DescribesMoore("#AUTOMAT\r\nA|B|c\r\nA|B|c|d\r\n"), std::nullopt);
}

TEST(Editor, FilterAndUndoWorkOnTheTable) {
    CellTable t;
    t.SetSize(3, 4);
    t.SetCell(0, 1, "Z0"), t.SetCell(1, 1, "Z1"), t.SetCell(0, 2, "Z1"), t.SetCell(2, 3, "stop");
    std::string shown;
    for (const char* text : {"", "z1", "STO", "x"})
        for (int r = 1; r < t.RowCount(); ++r)
            shown += RowMatches(t, r, text) ? '1' : '0';
    EXPECT_EQ(shown, "111" "110" "001" "000");
    TGridHistory history;
    const CellTable before = t;
    history.Record(t);
    DeleteTableRow(t, 2, false);
    ASSERT_TRUE(history.Undo(t));
    EXPECT_EQ(t.RowCount(), before.RowCount());
    EXPECT_EQ(t.Cell(0, 2), "Z1");
    ASSERT_TRUE(history.Redo(t));
    EXPECT_EQ(t.RowCount(), 3);
    EXPECT_FALSE(history.Redo(t));
}

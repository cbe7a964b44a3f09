#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "fsm/grid.h"
#include "fsm/workspace.h"
#include "support/testsupport.h"

using namespace korvalt;
using namespace korvalt::test;

namespace {

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
    for (std::string line; std::getline(data, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream in(line);
        std::string file, typed, taken, word;
        int tab, col, row;
        in >> file >> tab >> col >> row >> typed >> taken;
        TStrings offered;
        while (in >> word)
            offered.push_back(word);
        TAutomat a = Opened(file);
        // Grid tabs: 0-2 the matrices, 3 the transition table, 4 the output table.
        const TPart part = tab == 3   ? TPart::Automatentabelle
                           : tab == 4 ? TPart::Ausgangstabelle
                                      : static_cast<TPart>(tab);
        bool modified = false;
        const CellTable t = BuildGrid(a, part, modified);
        TStrings menu;
        for (const auto& item : PopupItems(a, part, t, col, row))
            if (item.action == TPopupAction::EnterName) menu.push_back(item.name);
        const TStrings names = CellNames(a, part, t, col, row);
        EXPECT_EQ(names, menu) << line;
        EXPECT_EQ(names, offered) << line;
        EXPECT_EQ(ResolveTypedName(names, typed == "-" ? "" : typed).value_or("?"),
                  taken == "-" ? "" : taken)
            << line;
    }
}

// A description opened and saved under another name is the same file.
TEST(Editor, OpenAndSaveAsKeepTheFileAndTellTheKind) {
    TTempDir dir;
    for (const std::string file : {"Moore.txt", "Mealy.txt"}) {
        const std::string bytes = ReadBytes(DataPath("fsm/" + file));
        EXPECT_EQ(DescribesMoore(bytes), file == "Moore.txt");
        ASSERT_TRUE(SaveWorkspaceFile(Opened(file), dir.File("copy.txt")));
        EXPECT_EQ(ReadBytes(dir.File("copy.txt")), bytes) << file;
    }
    EXPECT_EQ(DescribesMoore("#AUTOMAT\r\nA|B|c\r\nA|B|c|d\r\n"), std::nullopt);
}

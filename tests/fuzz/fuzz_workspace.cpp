// Workspace reader on arbitrary bytes, as Moore and as Mealy machine, followed
// by the testbench of what was read (checked or not), every identifier list and grid the editor can
// show, stored back and built once more, and the context menu of every table cell.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fsm/automat.h"
#include "fsm/automat_tb.h"
#include "fsm/workspace.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (bool moore : {true, false}) {
        korvalt::TAutomat a;
        a.Moore = moore;
        korvalt::LoadWorkspaceText(a, text);
        korvalt::BuildAutomatTestbench(a, "f");
        for (int tab = 0; tab <= 3; ++tab) {
            auto view = korvalt::ShowIdentifierList(a, tab);
            const std::string reset =
                view.resetIndex >= 0 ? view.resetChoices[view.resetIndex] : "";
            korvalt::ApplyIdentifierLines(a, tab, view.lines, view.widthText, reset, view.resetLow,
                                          view.clockLow);
        }
        for (int tab = 0; tab <= 4; ++tab) {
            bool modified = false;
            korvalt::CellTable t = korvalt::BuildGrid(a, tab, modified);
            for (int r = 1; r < t.RowCount() && r < 8; ++r)
                for (int c = 0; c < t.ColCount() && c < 4; ++c)
                    for (const auto& item : korvalt::PopupItems(a, tab, t, c, r)) {
                        korvalt::CellTable copy = t;
                        korvalt::ApplyPopupItem(copy, c, r, item);
                    }
            korvalt::StoreGrid(a, tab, t);
            t = korvalt::BuildGrid(a, tab, modified);
        }
        korvalt::WorkspaceLines(a);
    }
    return 0;
}

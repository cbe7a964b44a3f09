// Workspace reader on arbitrary bytes, as Moore and as Mealy machine, followed
// by the typed description (written back unchanged), its checks, its VHDL and
// testbench (checked or not), every identifier list and grid the editor can
// show, stored back and built once more, and the context menu of every table cell.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fsm/automat.h"
#include "fsm/automat_tb.h"
#include "fsm/checks.h"
#include "fsm/grid.h"
#include "fsm/synthesis.h"
#include "fsm/workspace.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (bool moore : {true, false}) {
        korvalt::TAutomat a;
        a.Moore = moore;
        korvalt::LoadWorkspaceText(a, text);
        const korvalt::TMachine m = korvalt::ReadMachine(a);
        if (!(korvalt::WriteMachine(m) == a)) __builtin_trap(); // the typed form loses nothing
        korvalt::CheckAutomat(m);
        korvalt::BuildAutomatVhdl(m, "f");
        korvalt::BuildAutomatTestbench(m, "f");
        using korvalt::TPart;
        for (TPart part : {TPart::Eingangsmatrix, TPart::Ausgangsmatrix, TPart::Zustandsmatrix,
                           TPart::TaktReset}) {
            auto view = korvalt::ShowIdentifierList(a, part);
            const std::string reset =
                view.resetIndex >= 0 ? view.resetChoices[view.resetIndex] : "";
            korvalt::ApplyIdentifierLines(a, part, view.lines, view.widthText, reset, view.resetLow,
                                          view.clockLow);
        }
        for (TPart part : {TPart::Eingangsmatrix, TPart::Ausgangsmatrix, TPart::Zustandsmatrix,
                           TPart::Automatentabelle, TPart::Ausgangstabelle}) {
            bool modified = false;
            korvalt::CellTable t = korvalt::BuildGrid(a, part, modified);
            for (int r = 1; r < t.RowCount() && r < 8; ++r)
                for (int c = 0; c < t.ColCount() && c < 4; ++c)
                    for (const auto& item : korvalt::PopupItems(a, part, t, c, r)) {
                        korvalt::CellTable copy = t;
                        korvalt::ApplyPopupItem(copy, c, r, item);
                    }
            korvalt::StoreGrid(a, part, t);
            t = korvalt::BuildGrid(a, part, modified);
        }
        korvalt::WorkspaceLines(a);
    }
    return 0;
}

// The editor's grids: building a CellTable from the description, storing it
// back, the row commands and the context menu of the two tables.
#include "fsm/grid.h"

#include <algorithm>
#include <unordered_set>

#include "common/ascii.h"
#include "fsm/automat.h"

namespace korvalt {

namespace {

// Names compared ignoring ASCII case; the empty name matches nothing.
class TNameSet {
  public:
    void Add(std::string_view name) {
        if (!name.empty()) names_.insert(UpperCase(name));
    }
    bool Has(std::string_view name) const {
        return !name.empty() && names_.count(UpperCase(name)) > 0;
    }
    bool Empty() const { return names_.empty(); }

  private:
    std::unordered_set<std::string> names_;
};

TNameSet NamesOf(const TStrings& list) {
    TNameSet set;
    for (const auto& e : list)
        set.Add(EntryName(e));
    return set;
}

CellTable BuildMatrix(const TStrings& list, std::int64_t width, const std::string& prefix) {
    CellTable t;
    std::int64_t w = width;
    if (w == 0 && !list.empty() && ParseEntry(list.front()).HasBar)
        w = static_cast<std::int64_t>(EntryBits(list.front()).size());
    // Names without any bits (a file with width 0) still get columns, so that
    // storing the grid cannot replace them by one nameless entry.
    if (w == 0 && !list.empty()) w = BitsNeeded(static_cast<std::int64_t>(list.size()));
    w = ClampBitWidth(w);
    if (w == 0) return t;
    t.SetSize(static_cast<int>(w) + 1, static_cast<int>(list.size()) + 1);
    for (int c = 1; c <= w; ++c)
        t.SetCell(c, 0, prefix + std::to_string(w - c));
    for (std::size_t i = 0; i < list.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        t.SetCell(0, row, EntryName(list[i]));
        // A pattern made for another width keeps its rightmost bits.
        const std::string bits = FitPattern(EntryBits(list[i]), w);
        for (int c = 1; c <= w; ++c)
            t.SetCell(c, row, bits.substr(static_cast<std::size_t>(c) - 1, 1));
    }
    return t;
}

CellTable BuildAutomatentabelle(TAutomat& a, bool& modified) {
    CellTable t;
    const int cols = a.Moore ? 3 : 4;
    const auto& list = a.Automatentabelle;
    t.SetSize(cols, std::max<int>(static_cast<int>(list.size()) + 1, 2));
    t.FixedCols = 0;
    t.Editable = false;
    t.SetCell(0, 0, "Zustand");
    t.SetCell(1, 0, "Folgezustand");
    t.SetCell(2, 0, "Bedingung");
    if (!a.Moore) t.SetCell(3, 0, "Ausgang");

    int row = 1;
    for (const auto& entry : list) {
        TTransitionRow r = ParseTransitionRow(entry);
        if (r.Fields < 2 || r.Zustand.empty()) continue; // a row without a state takes no line
        t.SetCell(0, row, std::move(r.Zustand));
        t.SetCell(1, row, std::move(r.Folgezustand));
        t.SetCell(2, row, std::move(r.Bedingung));
        if (!a.Moore) t.SetCell(3, row, std::move(r.Ausgang));
        ++row;
    }

    if (!a.Zustandsmatrix.empty()) {
        const TNameSet states = NamesOf(a.Zustandsmatrix);
        if (list.empty()) t.SetSize(cols, 1);
        TNameSet listed;
        for (int r = 1; r < t.RowCount(); ++r)
            listed.Add(t.Cell(0, r));
        for (const auto& s : a.Zustandsmatrix) {
            const std::string name = EntryName(s);
            if (listed.Has(name)) continue;
            TStrings cells(static_cast<std::size_t>(cols));
            cells[0] = name;
            t.AppendRow(std::move(cells));
            listed.Add(name);
            modified = true;
        }
        // Rows of unknown states go, except the first data row (DeleteTableRow's rule).
        for (int r = t.RowCount() - 1; r >= 1; --r) {
            if (states.Has(t.Cell(0, r))) continue;
            modified = true;
            if (r >= 2) t.RemoveRow(r);
        }
    }

    const TNameSet states = NamesOf(a.Zustandsmatrix);
    const TNameSet inputs = NamesOf(a.Eingangsmatrix);
    const TNameSet outputs = NamesOf(a.Ausgangsmatrix);
    auto check = [&](int col, int r, bool listFilled, const TNameSet& names) {
        if (listFilled && !names.Has(t.Cell(col, r))) {
            t.SetCell(col, r, "");
            modified = true;
        }
    };
    for (int r = 1; r < t.RowCount(); ++r) {
        check(1, r, !a.Zustandsmatrix.empty(), states);
        check(2, r, !a.Eingangsmatrix.empty(), inputs);
        if (!a.Moore) check(3, r, !a.Ausgangsmatrix.empty(), outputs);
    }
    return t;
}

CellTable BuildAusgangstabelle(TAutomat& a, bool& modified) {
    SyncAusgangstabelle(a);
    CellTable t;
    const auto& list = a.Ausgangstabelle;
    t.SetSize(2, std::max<int>(static_cast<int>(list.size()) + 1, 2));
    t.Editable = false;
    t.SetCell(0, 0, "Zustand");
    t.SetCell(1, 0, "Ausgangsvektor");
    for (std::size_t i = 0; i < list.size(); ++i) {
        t.SetCell(0, static_cast<int>(i) + 1, EntryName(list[i]));
        t.SetCell(1, static_cast<int>(i) + 1, EntryBits(list[i]));
    }
    const TNameSet outputs = NamesOf(a.Ausgangsmatrix);
    for (int r = 1; r < t.RowCount(); ++r) {
        if (!a.Ausgangsmatrix.empty() && !outputs.Has(t.Cell(1, r))) {
            t.SetCell(1, r, "");
            modified = true;
        }
    }
    return t;
}

} // namespace

void CellTable::SetSize(int cols, int rows) {
    cols_ = std::max(cols, 0);
    rows_.resize(static_cast<std::size_t>(std::max(rows, 0)));
    for (auto& r : rows_)
        r.resize(static_cast<std::size_t>(cols_));
}

const std::string& CellTable::Cell(int col, int row) const {
    static const std::string empty;
    if (col < 0 || col >= cols_ || row < 0 || row >= RowCount()) return empty;
    return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

void CellTable::SetCell(int col, int row, std::string text) {
    if (col < 0 || col >= cols_ || row < 0 || row >= RowCount()) return;
    rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] = std::move(text);
}

void CellTable::InsertEmptyRow(int at) {
    at = std::clamp(at, 0, RowCount());
    rows_.insert(rows_.begin() + at, TStrings(static_cast<std::size_t>(cols_)));
}

void CellTable::RemoveRow(int row) {
    if (row >= 0 && row < RowCount()) rows_.erase(rows_.begin() + row);
}

void CellTable::AppendRow(TStrings cells) {
    cells.resize(static_cast<std::size_t>(cols_));
    rows_.push_back(std::move(cells));
}

CellTable BuildGrid(TAutomat& a, TPart part, bool& modified) {
    switch (part) {
    case TPart::Eingangsmatrix:
        return BuildMatrix(a.Eingangsmatrix, a.Eingangsbitbreite, "X");
    case TPart::Ausgangsmatrix:
        return BuildMatrix(a.Ausgangsmatrix, a.Ausgangsbitbreite, "Y");
    case TPart::Zustandsmatrix: {
        // The generator reads the width of the first code, so the grid shows it.
        std::int64_t w = BitsNeeded(static_cast<std::int64_t>(a.Zustandsmatrix.size()));
        if (!a.Zustandsmatrix.empty() && ParseEntry(a.Zustandsmatrix.front()).HasBar)
            w = std::max<std::int64_t>(w, EntryBits(a.Zustandsmatrix.front()).size());
        return BuildMatrix(a.Zustandsmatrix, w, "X(Z)");
    }
    case TPart::Automatentabelle:
        return BuildAutomatentabelle(a, modified);
    case TPart::Ausgangstabelle:
        return BuildAusgangstabelle(a, modified);
    default:
        return CellTable();
    }
}

void StoreGrid(TAutomat& a, TPart part, const CellTable& table) {
    if (part == TPart::TaktReset) return;
    TStrings& list = PartList(a, part);
    list.clear();
    for (int r = 1; r < table.RowCount(); ++r) {
        if (part == TPart::Automatentabelle) {
            list.push_back(FormatTransitionRow(MakeTransitionRow(
                a.Moore, table.Cell(0, r), table.Cell(1, r), table.Cell(2, r), table.Cell(3, r))));
            continue;
        }
        // A matrix cell left empty is a 0; the output table has one value column.
        TEntry e{table.Cell(0, r), "", true};
        for (int c = 1; c < table.ColCount(); ++c) {
            const std::string& cell = table.Cell(c, r);
            e.Bits += part != TPart::Ausgangstabelle && cell.empty() ? "0" : cell;
        }
        list.push_back(FormatEntry(e));
    }
}

CellTable AssignCodes(const CellTable& table, TCodeArt art) {
    const int n = table.RowCount() - 1;
    const int w = art == TCodeArt::OneHot ? std::clamp(n, 1, static_cast<int>(MaxBitWidth))
                                          : std::max(BitsNeeded(n), 1);
    CellTable t;
    t.SetSize(w + 1, n + 1);
    t.FixedCols = table.FixedCols;
    t.FixedRows = table.FixedRows;
    t.Editable = table.Editable;
    for (int c = 1; c <= w; ++c)
        t.SetCell(c, 0, "X(Z)" + std::to_string(w - c));
    for (int r = 1; r <= n; ++r) {
        t.SetCell(0, r, table.Cell(0, r));
        const auto i = static_cast<std::uint64_t>(r - 1);
        for (int c = 1; c <= w; ++c) {
            const int bit = w - c; // column 1 holds the leftmost bit
            bool one = false;
            if (art == TCodeArt::OneHot)
                one = bit == r - 1;
            else if (bit < 64)
                one = (((art == TCodeArt::Gray ? i ^ (i >> 1) : i) >> bit) & 1u) != 0;
            t.SetCell(c, r, one ? "1" : "0");
        }
    }
    return t;
}

void InsertTableRow(CellTable& table, int row) {
    if (row < 0 || row >= table.RowCount()) return;
    const std::string state = table.Cell(0, row);
    table.InsertEmptyRow(row + 1);
    table.SetCell(0, row + 1, state);
}

void DeleteTableRow(CellTable& table, int row, bool keepOnePerState) {
    if (row < 2 || row >= table.RowCount()) return;
    if (keepOnePerState) {
        const std::string& name = table.Cell(0, row);
        if (!name.empty()) {
            int count = 0;
            for (int r = 1; r < table.RowCount(); ++r)
                if (table.Cell(0, r) == name) ++count;
            if (count < 2) return;
        }
    }
    table.RemoveRow(row);
}

bool NameCell(const TAutomat& a, TPart part, int col) {
    if (part == TPart::Automatentabelle) return col == 1 || col == 2 || (col == 3 && !a.Moore);
    return part == TPart::Ausgangstabelle && col == 1;
}

TStrings CellNames(const TAutomat& a, TPart part, const CellTable& table, int col, int row) {
    TStrings names;
    if (!NameCell(a, part, col)) return names;
    const TStrings& list = part == TPart::Automatentabelle && col == 1   ? a.Zustandsmatrix
                           : part == TPart::Automatentabelle && col == 2 ? a.Eingangsmatrix
                                                                         : a.Ausgangsmatrix;
    // A condition already leading from this state to the same next state is not offered again.
    TNameSet used;
    if (part == TPart::Automatentabelle && col == 2) {
        for (int r = 1; r < table.RowCount(); ++r)
            if (r != row && SameText(table.Cell(0, r), table.Cell(0, row)) &&
                SameText(table.Cell(1, r), table.Cell(1, row)))
                used.Add(table.Cell(2, r));
    }
    for (const auto& e : list) {
        std::string name = EntryName(e);
        if (!used.Has(name)) names.push_back(std::move(name));
    }
    return names;
}

std::vector<TPopupItem> PopupItems(const TAutomat& a, TPart part, const CellTable& table, int col,
                                   int row) {
    std::vector<TPopupItem> items;
    if (part == TPart::Automatentabelle && col == 0)
        return {{TPopupAction::InsertRow, ""}, {TPopupAction::DeleteRow, ""}};
    if (!NameCell(a, part, col)) return items;
    items.push_back({TPopupAction::ClearCell, ""});
    for (auto& name : CellNames(a, part, table, col, row))
        items.push_back({TPopupAction::EnterName, std::move(name)});
    return items;
}

std::optional<std::string> ResolveTypedName(const TStrings& names, std::string_view typed) {
    if (typed.empty()) return std::string();
    const std::string* only = nullptr;
    int begun = 0;
    for (const auto& name : names) {
        if (SameText(name, typed)) return name;
        if (name.size() > typed.size() &&
            SameText(std::string_view(name).substr(0, typed.size()), typed)) {
            only = &name;
            ++begun;
        }
    }
    if (begun == 1) return *only;
    return std::nullopt;
}

bool RowMatches(const CellTable& table, int row, std::string_view text) {
    if (text.empty()) return true;
    const std::string wanted = UpperCase(text);
    for (int c = 0; c < table.ColCount(); ++c)
        if (UpperCase(table.Cell(c, row)).find(wanted) != std::string::npos) return true;
    return false;
}

void ApplyPopupItem(CellTable& table, int col, int row, const TPopupItem& item) {
    switch (item.action) {
    case TPopupAction::InsertRow:
        InsertTableRow(table, row);
        break;
    case TPopupAction::DeleteRow:
        DeleteTableRow(table, row, true);
        break;
    case TPopupAction::ClearCell:
        table.SetCell(col, row, "");
        break;
    case TPopupAction::EnterName: {
        std::string text = item.name;
        std::erase(text, '&'); // the caption's accelerator marks are not part of the name
        table.SetCell(col, row, text);
        break;
    }
    }
}

} // namespace korvalt

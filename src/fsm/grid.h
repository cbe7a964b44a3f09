// The editor's grids without a window: a CellTable holds what a grid shows
// (row 0 is the header), BuildGrid fills one from the description and
// StoreGrid writes it back. Building the transition or output table repairs
// references to names that no longer exist instead of rejecting them. The
// context menu of the two tables is built and carried out here too.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/strings.h"
#include "fsm/automat.h"

namespace korvalt {

// Contents of a grid: cells addressed (column, row), row 0 is the header.
class CellTable {
  public:
    CellTable() { SetSize(2, 2); }
    int ColCount() const { return cols_; }
    int RowCount() const { return static_cast<int>(rows_.size()); }
    void SetSize(int cols, int rows);
    // Empty for a cell never written or outside the table.
    const std::string& Cell(int col, int row) const;
    void SetCell(int col, int row, std::string text);
    // Row operations keep all columns together.
    void InsertEmptyRow(int at);
    void RemoveRow(int row);
    void AppendRow(TStrings cells);

    int FixedCols = 1;
    int FixedRows = 1;
    bool Editable = true;

  private:
    int cols_ = 0;
    std::vector<TStrings> rows_;
};

// A fresh table for the part's grid. modified is set when a row is added,
// deleted (or would be) or a cell is cleared; untouched otherwise.
CellTable BuildGrid(TAutomat& a, TPart part, bool& modified);
// Replaces the part's list by the table's data rows.
void StoreGrid(TAutomat& a, TPart part, const CellTable& table);
// A new row below row that belongs to the same state; nothing for a row outside the table.
void InsertTableRow(CellTable& table, int row);
// Never deletes the first data row; with keepOnePerState never a state's last row.
void DeleteTableRow(CellTable& table, int row, bool keepOnePerState);

// The context menu of the transition and output tables.
enum class TPopupAction { InsertRow, DeleteRow, ClearCell, EnterName };
struct TPopupItem {
    TPopupAction action;
    std::string name; // EnterName: the identifier as listed
    bool operator==(const TPopupItem&) const = default;
};
// Items for cell (col, row) of the part's table; empty for the matrices.
std::vector<TPopupItem> PopupItems(const TAutomat& a, TPart part, const CellTable& table, int col,
                                   int row);
// Carries out a chosen item on the table; the model takes it when the grid is stored.
void ApplyPopupItem(CellTable& table, int col, int row, const TPopupItem& item);

// Typing into the tables: a cell that takes a name accepts exactly the names
// its context menu offers. NameCell says whether the cell takes one at all.
bool NameCell(const TAutomat& a, TPart part, int col);
TStrings CellNames(const TAutomat& a, TPart part, const CellTable& table, int col, int row);
// The offered name a typed text stands for: the one equal to it ignoring case,
// else the only one it begins (ignoring case); an empty text clears the cell.
// Nothing when the text begins several names or none.
std::optional<std::string> ResolveTypedName(const TStrings& names, std::string_view typed);

// "Codes vergeben": fills the state matrix's grid with codes in row order.
// Binary and Gray codes are BitsNeeded(states) wide (at least 1), one-hot
// codes as wide as there are states; the header follows the width.
enum class TCodeArt { Binaer, Gray, OneHot };
CellTable AssignCodes(const CellTable& table, TCodeArt art);

// Whether a data row has a cell containing text, ignoring case (every row for "").
bool RowMatches(const CellTable& table, int row, std::string_view text);

// Undo and redo of a grid's edits: the table before each edit is recorded.
class TGridHistory {
  public:
    void Record(CellTable before) {
        undo_.push_back(std::move(before));
        redo_.clear();
    }
    // Replace table by the state before the last edit (Undo) or after the last undone one.
    bool Undo(CellTable& table) { return Step(undo_, redo_, table); }
    bool Redo(CellTable& table) { return Step(redo_, undo_, table); }
    void Clear() {
        undo_.clear();
        redo_.clear();
    }

  private:
    static bool Step(std::vector<CellTable>& from, std::vector<CellTable>& to, CellTable& table) {
        if (from.empty()) return false;
        to.push_back(std::move(table));
        table = std::move(from.back());
        from.pop_back();
        return true;
    }
    std::vector<CellTable> undo_, redo_;
};

} // namespace korvalt

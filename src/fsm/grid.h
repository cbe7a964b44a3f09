// The editor's grids without a window: a CellTable holds what a grid shows
// (row 0 is the header), BuildGrid fills one from the description and
// StoreGrid writes it back. Building the transition or output table repairs
// references to names that no longer exist instead of rejecting them. The
// context menu of the two tables is built and carried out here too.
#pragma once

#include <string>
#include <vector>

namespace korvalt {

using TStrings = std::vector<std::string>;
struct TAutomat;

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

// A fresh table for the tab's grid. modified is set when a row is added,
// deleted (or would be) or a cell is cleared; untouched otherwise.
CellTable BuildGrid(TAutomat& a, int tab, bool& modified);
// Replaces the tab's list by the table's data rows.
void StoreGrid(TAutomat& a, int tab, const CellTable& table);
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
// Items for cell (col, row) of the tab's table; empty on the matrix tabs.
std::vector<TPopupItem> PopupItems(const TAutomat& a, int tab, const CellTable& table, int col,
                                   int row);
// Carries out a chosen item on the table; the model takes it when the grid is stored.
void ApplyPopupItem(CellTable& table, int col, int row, const TPopupItem& item);

} // namespace korvalt

// The state-machine description and its conversions to and from the editor's
// views. The description is five ordered string lists whose entries join
// fields with "|" (the first "|" always ends the name):
//   matrices (inputs, outputs, states)  name|bits        e.g. start|01
//   transition table                    Zustand|Folgezustand|Bedingung[|Ausgang]
//   output table (Moore)                Zustand|Ausgangsvektor
// plus two bit widths, the reset state and the active levels of reset and clock.
//
// The identifier-list views show one name per line; the grid views show a
// CellTable whose row 0 is the header. Building a table repairs references to
// names that no longer exist instead of rejecting them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace korvalt {

using TStrings = std::vector<std::string>;

// Widths beyond this are taken as this: a grid of millions of columns would hang.
inline constexpr std::int32_t MaxBitWidth = 256;
std::int32_t ClampBitWidth(std::int64_t width);

struct TAutomat {
    bool Moore = true;
    TStrings Eingangsmatrix;
    TStrings Ausgangsmatrix;
    TStrings Zustandsmatrix;
    TStrings Automatentabelle;
    TStrings Ausgangstabelle;
    std::int32_t Eingangsbitbreite = 0;
    std::int32_t Ausgangsbitbreite = 0;
    std::string Resetzustand;
    std::string ResetAktiv = "1"; // "0": reset active low
    std::string TaktAktiv = "1";  // "0": falling clock edge

    bool operator==(const TAutomat&) const = default;
};

// Tab numbers of the editor. Tab 3 is "Takt und Reset" among the identifier
// lists and "Automatentabelle" among the grids; tab 4 exists for grids only.
enum : int {
    TabEingangsmatrix = 0,
    TabAusgangsmatrix = 1,
    TabZustandsmatrix = 2,
    TabTaktReset = 3,
    TabAutomatentabelle = 3,
    TabAusgangstabelle = 4,
};

// Bits that number n identifiers: 0 for n <= 0, 1 for n = 1, else the binary digits of n - 1.
int BitsNeeded(std::int64_t n);
// Text before the first "|"; empty when there is none.
std::string EntryName(std::string_view entry);
// Text after the first "|"; the whole entry when there is none.
std::string EntryBits(std::string_view entry);
// Keeps the first of entries equal as whole strings ignoring ASCII case.
void RemoveDuplicateEntries(TStrings& list);
// True when two lines are equal ignoring ASCII case (two empty lines included).
bool HasDuplicateIdentifiers(const TStrings& lines);

// What an identifier-list view shows.
struct TIdentifierView {
    TStrings lines;        // tabs 0-2: the names
    std::string widthText; // tabs 0-1
    TStrings resetChoices; // tab 2
    int resetIndex = -1;   // tab 2: the choice equal to Resetzustand, -1 for none
    bool resetLow = false; // tab 3
    bool clockLow = false; // tab 3
};

// May raise the tab's width to what its names need.
TIdentifierView ShowIdentifierList(TAutomat& a, int tab);
// Stores a view into the model. Blank lines are removed from lines (the
// caller's list), but the width is computed from the lines before that.
// resetChoice: the selected reset-state text, empty when none is selected.
void ApplyIdentifierLines(TAutomat& a, int tab, TStrings& lines, std::string_view widthText,
                          std::string_view resetChoice, bool resetLow, bool clockLow);

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
// Aligns Ausgangstabelle with Zustandsmatrix by position.
void SyncAusgangstabelle(TAutomat& a);
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

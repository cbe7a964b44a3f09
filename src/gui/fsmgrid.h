// The grid of the state-machine editor: a table widget whose cells hold
// bits (the matrices) or names (the tables), with a cell editor that offers
// the names a cell takes and holds typed or pasted bits to the characters a
// bit cell allows.
#pragma once

#include <QTableWidget>
#include <functional>

#include "fsm/grid.h"

namespace korvalt {

// The grid of the editor. CellTable row 0 is the horizontal header, so widget
// row r shows CellTable row r + 1; columns are the same. A fixed first column
// is an ordinary column that cannot be edited.
class TAutomatGrid : public QTableWidget {
    Q_OBJECT
  public:
    explicit TAutomatGrid(QWidget* parent);
    void SetTable(const CellTable& table);
    CellTable Table() const;
    // The current cell in CellTable numbering; row 0 when there is none.
    int CurrentTableCol() const { return currentColumn(); }
    int CurrentTableRow() const { return currentRow() + 1; }
    void SetCurrentTableCell(int col, int row) { setCurrentCell(row - 1, col); }
    bool Editing() const { return state() == EditingState; }
    // Commits an open cell editor, as leaving the cell would.
    void CommitEdit();
    // Puts text into the current cell at once, as one edit; an open editor is dropped.
    void SetCurrentText(const QString& text);
    // Tab and Shift+Tab in a grid of bits: the next (previous) bit cell, row
    // by row, else out of the grid. True when the key was taken.
    bool StepBitCell(bool forward);
    // The characters a bit cell takes (typed or pasted).
    QString BitChars = "01";
    // Sees every key typed into the grid or its cell editor; true drops it.
    std::function<bool(const QKeyEvent*)> KeyFilter;
    // Whether the cells of a column take a name when typed into, and which
    // names a cell (CellTable numbering) of such a column takes.
    std::function<bool(int col)> NameColumn;
    std::function<TStrings(int col, int row)> CellNamesAt;
    // Told of a typed text that names none of the cell's names; the cell keeps its text.
    std::function<void(const QString&)> NameRefused;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

  private:
    int fixedCols_ = 1;
    bool editable_ = true;
};

} // namespace korvalt

// The parameter grid of the main window: column 0 names a template
// section's declaration, column 1 holds the value typed for it. Only digits
// and Enter can be typed into a value; Tab and the arrows move between values.
#pragma once

#include <QTableWidget>

namespace korvalt {

// The range check runs when an edit is committed (in the main window).
class TStringGrid : public QTableWidget {
    Q_OBJECT
  public:
    explicit TStringGrid(QWidget* parent);
    // Commits an open cell editor, as leaving the cell would.
    void CommitEdit();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    // Tab and the arrow keys move between the value cells only.
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
};

} // namespace korvalt

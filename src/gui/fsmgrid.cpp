#include "gui/fsmgrid.h"

#include <QCompleter>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QValidator>
#include <optional>

#include "gui/qtext.h"

namespace korvalt {

namespace {

// Only matrix cells can be edited, and they hold bits: text pasted into a cell
// editor (Ctrl+V or its own context menu) keeps only the characters that keys
// allow there (0 and 1, and - in the input and output matrices).
class TBitsValidator : public QValidator {
  public:
    TBitsValidator(const QString& chars, QObject* parent) : QValidator(parent), chars_(chars) {}
    State validate(QString& input, int& pos) const override {
        const auto before = input.size();
        input.removeIf([this](QChar c) { return !chars_.contains(c); });
        pos = std::clamp<int>(pos - static_cast<int>(before - input.size()), 0,
                              static_cast<int>(input.size()));
        return Acceptable;
    }

  private:
    QString chars_;
};

class TGridDelegate : public QStyledItemDelegate {
  public:
    TGridDelegate(TAutomatGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        auto* line = qobject_cast<QLineEdit*>(editor);
        if (!line) return editor;
        if (const auto names = Names(index)) {
            QStringList list;
            for (const auto& n : *names)
                list << ToQ(n);
            auto* completer = new QCompleter(list, line);
            completer->setCaseSensitivity(Qt::CaseInsensitive);
            line->setCompleter(completer);
        } else {
            line->setValidator(new TBitsValidator(grid_->BitChars, line));
        }
        return editor;
    }
    // A name cell takes only a name it offers; a refused text leaves the cell as it was.
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        const auto names = Names(index);
        auto* line = qobject_cast<QLineEdit*>(editor);
        if (!names || !line) return QStyledItemDelegate::setModelData(editor, model, index);
        const QString typed = line->text().trimmed();
        if (const auto name = ResolveTypedName(*names, FromQ(typed)))
            model->setData(index, ToQ(*name));
        else if (grid_->NameRefused)
            grid_->NameRefused(typed);
    }

  protected:
    bool eventFilter(QObject* editor, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && grid_->KeyFilter &&
            grid_->KeyFilter(static_cast<QKeyEvent*>(event)))
            return true;
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) &&
                grid_->StepBitCell(key == Qt::Key_Tab))
                return true;
        }
        return QStyledItemDelegate::eventFilter(editor, event);
    }

  private:
    std::optional<TStrings> Names(const QModelIndex& index) const {
        if (!grid_->NameColumn || !grid_->NameColumn(index.column())) return std::nullopt;
        return grid_->CellNamesAt(index.column(), index.row() + 1);
    }
    TAutomatGrid* grid_;
};

} // namespace

TAutomatGrid::TAutomatGrid(QWidget* parent) : QTableWidget(parent) {
    setItemDelegate(new TGridDelegate(this));
    verticalHeader()->hide();
    horizontalHeader()->setDefaultSectionSize(80);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    verticalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(DoubleClicked | EditKeyPressed | AnyKeyPressed);
    setShowGrid(true);
}

void TAutomatGrid::SetTable(const CellTable& table) {
    fixedCols_ = table.FixedCols;
    editable_ = table.Editable;
    setColumnCount(table.ColCount());
    setRowCount(std::max(table.RowCount() - 1, 0));
    for (int c = 0; c < table.ColCount(); ++c) {
        setHorizontalHeaderItem(c, new QTableWidgetItem(ToQ(table.Cell(c, 0))));
        for (int r = 1; r < table.RowCount(); ++r) {
            auto* item = new QTableWidgetItem(ToQ(table.Cell(c, r)));
            const bool fixed = c < fixedCols_;
            const bool named = !fixed && NameColumn && NameColumn(c);
            if ((!editable_ && !named) || fixed)
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            if (fixed) item->setBackground(palette().button());
            setItem(r - 1, c, item);
        }
    }
    // Wide enough for the headers and the names shown, and for a name picked later.
    resizeColumnsToContents();
    for (int c = 0; c < columnCount(); ++c)
        setColumnWidth(c, std::max(columnWidth(c), 64));
}

CellTable TAutomatGrid::Table() const {
    CellTable t;
    t.SetSize(columnCount(), rowCount() + 1);
    t.FixedCols = fixedCols_;
    t.Editable = editable_;
    for (int c = 0; c < columnCount(); ++c) {
        if (const auto* h = horizontalHeaderItem(c)) t.SetCell(c, 0, FromQ(h->text()));
        for (int r = 0; r < rowCount(); ++r)
            if (const auto* i = item(r, c)) t.SetCell(c, r + 1, FromQ(i->text()));
    }
    return t;
}

void TAutomatGrid::CommitEdit() {
    if (state() != QAbstractItemView::EditingState) return;
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void TAutomatGrid::SetCurrentText(const QString& text) {
    if (QWidget* editor = indexWidget(currentIndex()))
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    if (QTableWidgetItem* i = currentItem(); i && (i->flags() & Qt::ItemIsEditable))
        i->setText(text);
}

// Only the grids of bits can be typed into; their name column is skipped.
QModelIndex TAutomatGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    if (!editable_ || (action != MoveNext && action != MovePrevious))
        return QTableWidget::moveCursor(action, modifiers);
    const int step = action == MoveNext ? 1 : -1;
    const int first = fixedCols_, last = columnCount() - 1;
    int row = currentRow(), col = currentColumn() + step;
    if (row < 0 || last < first) return {};
    if (col < first || col > last) {
        col = step > 0 ? first : last;
        row += step;
    }
    while (row >= 0 && row < rowCount() && isRowHidden(row))
        row += step;
    if (row < 0 || row >= rowCount()) return {};
    return model()->index(row, col);
}

bool TAutomatGrid::StepBitCell(bool forward) {
    if (!editable_) return false;
    CommitEdit();
    const QModelIndex to = moveCursor(forward ? MoveNext : MovePrevious, Qt::NoModifier);
    if (!to.isValid()) return QWidget::focusNextPrevChild(forward);
    setCurrentIndex(to);
    return true;
}

bool TAutomatGrid::focusNextPrevChild(bool next) {
    return StepBitCell(next) || QTableWidget::focusNextPrevChild(next);
}

void TAutomatGrid::keyPressEvent(QKeyEvent* event) {
    if (KeyFilter && KeyFilter(event)) {
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

} // namespace korvalt

#include "gui/paramgrid.h"

#include <QKeyEvent>
#include <QStyledItemDelegate>

namespace korvalt {

namespace {

// Digits and Enter reach a value cell; every other character, Backspace
// included, is dropped. Keys that type nothing (Delete, arrows, Tab, Escape)
// and shortcuts such as Ctrl+V are left alone.
bool IsAcceptedGridKey(const QKeyEvent* e) {
    if (e->key() == Qt::Key_Backspace) return false;
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) return true;
    if (e->modifiers() & (Qt::ControlModifier | Qt::MetaModifier | Qt::AltModifier)) return true;
    const QString text = e->text();
    if (text.isEmpty() || !text[0].isPrint()) return true;
    for (QChar c : text)
        if (c < u'0' || c > u'9') return false;
    return true;
}

class TGridDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        editor->setObjectName("StringGridEditor");
        return editor;
    }

  protected:
    bool eventFilter(QObject* editor, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && !IsAcceptedGridKey(static_cast<QKeyEvent*>(event)))
            return true;
        return QStyledItemDelegate::eventFilter(editor, event);
    }
};

} // namespace

TStringGrid::TStringGrid(QWidget* parent) : QTableWidget(parent) {
    setItemDelegate(new TGridDelegate(this));
}

void TStringGrid::CommitEdit() {
    if (state() != QAbstractItemView::EditingState) return;
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void TStringGrid::keyPressEvent(QKeyEvent* event) {
    if (!IsAcceptedGridKey(event)) {
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

QModelIndex TStringGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const QModelIndex from = currentIndex();
    QModelIndex to = QTableWidget::moveCursor(action, modifiers);
    if (!to.isValid() || to.column() != 0) return to;
    if (action == MovePrevious && from.isValid() && from.row() > 0)
        return model()->index(from.row() - 1, 1);
    if (action == MovePrevious || action == MoveLeft) return from;
    return model()->index(to.row(), 1);
}

} // namespace korvalt

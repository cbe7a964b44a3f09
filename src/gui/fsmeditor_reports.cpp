// What the state-machine editor tells its user beside the windows it opens:
// the full path of every file a command wrote, or that and why nothing was
// written; the table row an error names; names that another identifier list
// already uses; and the rows the filter shows.
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "app/proposals.h"
#include "fsm/nameclash.h"
#include "gui/diagramview.h"
#include "gui/dialogs.h"
#include "gui/fsmeditor.h"
#include "gui/qtext.h"

#include "gui/fsmeditor_parts.h"

namespace korvalt {

std::string TAutomatForm::ProposedName(const char* extension) const {
    return ProposedOutputName(Doc_.Automat.Moore, Doc_.File, extension);
}

void TAutomatForm::ReportWritten(const std::string& path) {
    const QString full = QFileInfo(PathToQ(path)).absoluteFilePath();
    SetStatusText("Geschrieben: " + full);
    emit Geschrieben(full);
}

void TAutomatForm::ReportNotWritten(const QString& why) {
    SetStatusText("Keine Datei geschrieben: " + why);
}

// Failures were shown in a message box already; the status bar keeps the gist.
void TAutomatForm::ReportOutcome(const std::string& path, const TResult<TWritten>& outcome) {
    ShowOutcome(this, outcome);
    if (outcome.ok)
        ReportWritten(outcome.value.written.empty() ? path : outcome.value.written);
    else if (outcome.error.empty())
        ReportNotWritten(QString::fromUtf8("„%1“ wurde nicht überschrieben.").arg(PathToQ(path)));
    else
        ReportNotWritten(
            QString::fromUtf8("„%1“ konnte nicht geschrieben werden.").arg(PathToQ(path)));
}

// The filter is cleared so that the row can be seen.
void TAutomatForm::ShowTableRow(const TTableRow& row) {
    const bool outputs = row.Table == TPart::Ausgangstabelle;
    if (outputs && !Doc_.Automat.Moore) return;
    {
        const QSignalBlocker block(FilterEdit);
        FilterEdit->clear();
    }
    TabellenClick(outputs ? TabAusgangstabelle : TabAutomatentabelle);
    if (row.GridRow < 1 || row.GridRow >= AutomatGrid->Table().RowCount()) return;
    SelectTableRows(AutomatGrid, {row.GridRow});
    AutomatGrid->scrollTo(AutomatGrid->model()->index(row.GridRow - 1, 0));
}

void TAutomatForm::UpdateNameStatus() {
    const TStrings lines = MemoLines();
    if (HasDuplicateIdentifiers(lines))
        SetStatusText("Bezeichner doppelt");
    else
        SetStatusText(QString::fromStdString(NameClashText(Doc_.Automat, ShownPart(), lines)));
}

void TAutomatForm::FilterChanged() {
    pinnedRows_.clear();
    ApplyFilter();
    // The first row that matches comes into view.
    if (View_ != ViewTabellen || FilterEdit->text().trimmed().isEmpty()) return;
    for (int r = 0; r < AutomatGrid->rowCount(); ++r)
        if (!AutomatGrid->isRowHidden(r)) {
            AutomatGrid->scrollTo(AutomatGrid->model()->index(r, 0),
                                  QAbstractItemView::PositionAtTop);
            return;
        }
}

// Hides the rows without the filter's text; the rows stay in the grid, so
// editing a row shown edits that row of the description. Rows inserted since
// the filter changed stay shown, so the user sees what was inserted.
void TAutomatForm::ApplyFilter() {
    if (View_ != ViewTabellen) return;
    const CellTable t = AutomatGrid->Table();
    const std::string text = FromQ(FilterEdit->text().trimmed());
    for (int r = 1; r < t.RowCount(); ++r) {
        const bool pinned =
            std::find(pinnedRows_.begin(), pinnedRows_.end(), r) != pinnedRows_.end();
        AutomatGrid->setRowHidden(r - 1, !pinned && !RowMatches(t, r, text));
    }
}

} // namespace korvalt

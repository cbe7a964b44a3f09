// The error window "Fehler in der Automatenbeschreibung": lists every check a
// state-machine description failed, so the user knows what to fix before the
// VHDL file can be written. A double-click on a line that names a table row
// closes the window and leaves that row for the editor to select. The window
// is as wide as its longest line, up to the screen.
#pragma once

#include <QDialog>
#include <optional>
#include <vector>

#include "fsm/checks.h"

class QFrame;
class QPlainTextEdit;
class QPushButton;

namespace korvalt {

class TErrorForm : public QDialog {
    Q_OBJECT
  public:
    explicit TErrorForm(QWidget* parent = nullptr);
    // Replaces the text by the report of the failed checks.
    void FillErrorReport(const TAutomatReport& report);
    QString ReportText() const;
    // The row of the line double-clicked last, if that line named one.
    const std::optional<TTableRow>& ChosenRow() const { return chosen_; }
    // What a double-click on a line (counted from 0) does.
    void LineDoubleClicked(int line);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private slots:
    void OKButtonClick();

  private:
    std::vector<TReportLine> lines_;
    std::optional<TTableRow> chosen_;
    QPlainTextEdit* Memo;
    QFrame* KnopfPNL;
    QPushButton* OKButton;
};

} // namespace korvalt

// The error window "Fehler in der Automatenbeschreibung": lists every check a
// state-machine description failed, so the user knows what to fix before the
// VHDL file can be written.
#pragma once

#include <QDialog>

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

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private slots:
    void OKButtonClick();

  private:
    QPlainTextEdit* Memo;
    QFrame* KnopfPNL;
    QPushButton* OKButton;
};

} // namespace korvalt

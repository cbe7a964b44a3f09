// The file-name prompt "Dateiname?": proposes a name, hands back what the
// user typed with its file-name part lower-cased (A-Z only; typed folder names
// keep their case). Closing it without the button keeps the proposal.
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace korvalt {

// Lower-cases the letters A-Z after the last path separator.
QString LowerFileNamePart(const QString& name);

class TDateinameForm : public QDialog {
    Q_OBJECT
  public:
    explicit TDateinameForm(QWidget* parent = nullptr);
    void SetFileName(const QString& name);
    QString GetFileName() const { return FileName; }

  private slots:
    void ErzeugenBTNClick();

  private:
    QLineEdit* DateinameEDT;
    QPushButton* ErzeugenBTN;
    QString FileName;
};

} // namespace korvalt

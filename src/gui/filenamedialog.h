// The file-name prompt "Dateiname?": proposes a name, hands back what the
// user typed with its file-name part lower-cased (A-Z only; typed folder names
// keep their case). "&Datei erzeugen" and Enter accept; "Abbrechen", Escape
// and the close button reject it, and the caller writes nothing. A name
// check, when set, can refuse a name: the prompt then says why and stays open.
#pragma once

#include <QDialog>
#include <functional>

class QLineEdit;
class QPushButton;

namespace korvalt {

// Lower-cases the letters A-Z after the last path separator.
QString LowerFileNamePart(const QString& name);

// Why a (lower-cased) typed name cannot be used, or empty when it can.
using TNameCheck = std::function<QString(const QString& name)>;

class TDateinameForm : public QDialog {
    Q_OBJECT
  public:
    explicit TDateinameForm(QWidget* parent = nullptr);
    void SetFileName(const QString& name);
    QString GetFileName() const { return FileName; }
    void SetNameCheck(TNameCheck check) { NameCheck = std::move(check); }

  private slots:
    void ErzeugenBTNClick();

  private:
    QLineEdit* DateinameEDT;
    QPushButton* ErzeugenBTN;
    QPushButton* AbbrechenBTN;
    QString FileName;
    TNameCheck NameCheck;
};

} // namespace korvalt

// The component window "Komponente einfügen": offers the working folder's .vhd
// files (without the target's own name) and inserts the chosen one into the
// target file as a component, with or without comments in its instance.
#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "app/commands.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;

namespace korvalt {

class TKomponenteForm : public QDialog {
    Q_OBJECT
  public:
    explicit TKomponenteForm(QWidget* parent = nullptr);
    // folder: the working folder with a trailing separator; target: the file to receive the
    // component.
    void ListComponents(const std::string& folder, const std::string& target);
    const std::string& VhdlDir() const { return VhdlDir_; }
    const std::string& TargetFile() const { return TargetFile_; }
    // What "Einfügen" came to; nothing when the window was left without inserting.
    const std::optional<TResult<TWritten>>& Outcome() const { return Outcome_; }

  public slots:
    void EinfuegenBTNClick();
    void BeendenBTNClick();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void FormResize();

    std::string VhdlDir_, TargetFile_;
    std::optional<TResult<TWritten>> Outcome_;
    QFrame* KnopfPNL;
    QFrame* AuswahlPNL;
    QLabel* AuswahlLBL;
    QComboBox* FileCB;
    QCheckBox* KommentarCB;
    QCheckBox* SignaleCB;
    QPushButton* EinfuegenBTN;
    QPushButton* BeendenBTN;
};

} // namespace korvalt

// The component window "KomponenteForm": offers the working folder's .vhd
// files (without the target's own name) and inserts the chosen one into the
// target file as a component, with or without comments in its instance.
#pragma once

#include <QDialog>
#include <string>

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

  public slots:
    void EinfuegenBTNClick();
    void BeendenBTNClick();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void FormResize();

    std::string VhdlDir_, TargetFile_;
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

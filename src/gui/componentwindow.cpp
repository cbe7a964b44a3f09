#include "gui/componentwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>

#include "app/commands.h"
#include "gui/dialogs.h"
#include "gui/help.h"
#include "gui/helptopics.h"
#include "gui/qtext.h"
#include "vhdl/insert.h"

namespace korvalt {

namespace {
constexpr int KnopfPNLHeight = 57;
}

TKomponenteForm::TKomponenteForm(QWidget* parent) : QDialog(parent) {
    setObjectName("KomponenteForm");
    setWindowTitle("Komponente einfügen");
    UseDesignFont(this);
    SetHelpContext(this, HelpKomponenteEinfuegen);

    AuswahlPNL = new QFrame(this);
    AuswahlPNL->setObjectName("AuswahlPNL");
    AuswahlLBL = new QLabel("Auswahl einer Komponente aus VHDL-Datei:", AuswahlPNL);
    AuswahlLBL->setObjectName("AuswahlLBL");
    AuswahlLBL->move(24, 40);
    AuswahlLBL->adjustSize();
    FileCB = new QComboBox(AuswahlPNL);
    FileCB->setObjectName("FileCB");
    FileCB->setEditable(true);
    FileCB->setInsertPolicy(QComboBox::NoInsert);
    FileCB->setGeometry(24, 64, 401, FileCB->sizeHint().height());
    KommentarCB = new QCheckBox("&Kommentar einfügen", AuswahlPNL);
    KommentarCB->setObjectName("KommentarCB");
    KommentarCB->setGeometry(24, 96, 145, KommentarCB->sizeHint().height());
    KommentarCB->setChecked(true);
    SignaleCB = new QCheckBox("Signale anlegen", AuswahlPNL);
    SignaleCB->setObjectName("SignaleCB");
    SignaleCB->setGeometry(24, 120, 145, SignaleCB->sizeHint().height());

    KnopfPNL = new QFrame(this);
    KnopfPNL->setObjectName("KnopfPNL");
    BeendenBTN = new QPushButton("Be&enden", KnopfPNL);
    BeendenBTN->setObjectName("BeendenBTN");
    BeendenBTN->setGeometry(104, 16, 75, 25);
    EinfuegenBTN = new QPushButton("Einfügen", KnopfPNL);
    EinfuegenBTN->setObjectName("EinfuegenBTN");
    EinfuegenBTN->setGeometry(280, 16, 75, 25);
    EinfuegenBTN->setDefault(true);
    connect(EinfuegenBTN, &QPushButton::clicked, this, &TKomponenteForm::EinfuegenBTNClick);
    connect(BeendenBTN, &QPushButton::clicked, this, &TKomponenteForm::BeendenBTNClick);

    resize(484, 321);
}

void TKomponenteForm::ListComponents(const std::string& folder, const std::string& target) {
    VhdlDir_ = folder;
    TargetFile_ = target;
    FileCB->clear();
    for (const auto& name : korvalt::ListComponents(folder, target))
        FileCB->addItem(PathToQ(name));
    FileCB->setCurrentIndex(FileCB->count() > 0 ? 0 : -1);
}

// The name in the box must be one of the listed files: a typed name that is not
// is refused, and the window stays open for another choice.
void TKomponenteForm::EinfuegenBTNClick() {
    const QString item = FileCB->currentText();
    if (!item.isEmpty() && FileCB->findText(item, Qt::MatchExactly) < 0) {
        Dialogs().ShowMessage(this, "Fehler",
                              QString("%1 ist keine der angebotenen VHDL-Dateien; "
                                      "es wird nichts eingefügt.")
                                  .arg(item));
        return;
    }
    if (!item.isEmpty() && !TargetFile_.empty()) {
        const std::string component = VhdlDir_ + PathFromQ(item);
        Outcome_ = InsertComponentCommand(component, TargetFile_, KommentarCB->isChecked(),
                                          SignaleCB->isChecked());
        ShowOutcome(this, *Outcome_);
    }
    accept();
}

void TKomponenteForm::BeendenBTNClick() {
    reject();
}

void TKomponenteForm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    FormResize();
}

// Each button is centred in its half of the window; the list spans the width.
void TKomponenteForm::FormResize() {
    int W = width(), H = height();
    const int w = BeendenBTN->width();
    if (4 * w > W) W = 4 * w;
    if (10 * FileCB->height() > H) H = 10 * FileCB->height();
    if (W != width() || H != height()) {
        resize(W, H); // comes back here with the corrected size
        return;
    }
    AuswahlPNL->setGeometry(0, 0, W, H - KnopfPNLHeight);
    KnopfPNL->setGeometry(0, H - KnopfPNLHeight, W, KnopfPNLHeight);
    const int h = W / 2;
    BeendenBTN->move((h - w) / 2, BeendenBTN->y());
    EinfuegenBTN->move((h - w) / 2 + h, EinfuegenBTN->y());
    FileCB->resize(W - 2 * FileCB->x(), FileCB->height());
}

} // namespace korvalt

#include "gui/u_komponente.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>

#include "app/commands.h"
#include "gui/dialogs.h"
#include "gui/help.h"
#include "gui/qtext.h"
#include "vhdl/insert.h"

namespace korvalt {

namespace {
constexpr int Panel1Height = 57;
}

TKomponenteForm::TKomponenteForm(QWidget* parent) : QDialog(parent) {
    setObjectName("KomponenteForm");
    setWindowTitle("KomponenteForm");
    UseDesignFont(this);
    SetHelpContext(this, 1140);

    Panel2 = new QFrame(this);
    Panel2->setObjectName("Panel2");
    Label1 = new QLabel("Auswahl einer Komponente aus VHDL-Datei:", Panel2);
    Label1->setObjectName("Label1");
    Label1->move(24, 40);
    Label1->adjustSize();
    FileCB = new QComboBox(Panel2);
    FileCB->setObjectName("FileCB");
    FileCB->setEditable(true);
    FileCB->setInsertPolicy(QComboBox::NoInsert);
    FileCB->setGeometry(24, 64, 401, FileCB->sizeHint().height());
    KommentarCB = new QCheckBox("&Kommentar einfügen", Panel2);
    KommentarCB->setObjectName("KommentarCB");
    KommentarCB->setGeometry(24, 96, 145, KommentarCB->sizeHint().height());
    KommentarCB->setChecked(true);
    SignaleCB = new QCheckBox("Signale anlegen", Panel2);
    SignaleCB->setObjectName("SignaleCB");
    SignaleCB->setGeometry(24, 120, 145, SignaleCB->sizeHint().height());

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Button2 = new QPushButton("Be&enden", Panel1);
    Button2->setObjectName("Button2");
    Button2->setGeometry(104, 16, 75, 25);
    Button1 = new QPushButton("Einfügen", Panel1);
    Button1->setObjectName("Button1");
    Button1->setGeometry(280, 16, 75, 25);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TKomponenteForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TKomponenteForm::Button2Click);

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
void TKomponenteForm::Button1Click() {
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
        ShowOutcome(this, InsertComponentCommand(component, TargetFile_, KommentarCB->isChecked(),
                                                 SignaleCB->isChecked()));
    }
    accept();
}

void TKomponenteForm::Button2Click() {
    reject();
}

void TKomponenteForm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    FormResize();
}

// Each button is centred in its half of the window; the list spans the width.
void TKomponenteForm::FormResize() {
    int W = width(), H = height();
    const int w = Button2->width();
    if (4 * w > W) W = 4 * w;
    if (10 * FileCB->height() > H) H = 10 * FileCB->height();
    if (W != width() || H != height()) {
        resize(W, H); // comes back here with the corrected size
        return;
    }
    Panel2->setGeometry(0, 0, W, H - Panel1Height);
    Panel1->setGeometry(0, H - Panel1Height, W, Panel1Height);
    const int h = W / 2;
    Button2->move((h - w) / 2, Button2->y());
    Button1->move((h - w) / 2 + h, Button1->y());
    FileCB->resize(W - 2 * FileCB->x(), FileCB->height());
}

} // namespace korvalt

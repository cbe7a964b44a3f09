#include "gui/filenamedialog.h"

#include <QLineEdit>
#include <QPushButton>

#include "common/paths.h"
#include "gui/dialogs.h"
#include "gui/qtext.h"

namespace korvalt {

QString LowerFileNamePart(const QString& name) {
    QString r = name;
    qsizetype start = 0;
    for (qsizetype i = 0; i < r.size(); ++i)
        if (r[i].unicode() < 128 && IsPathSep(static_cast<char>(r[i].unicode()))) start = i + 1;
    for (qsizetype i = start; i < r.size(); ++i)
        if (r[i] >= u'A' && r[i] <= u'Z') r[i] = QChar(r[i].unicode() - u'A' + u'a');
    return r;
}

TDateinameForm::TDateinameForm(QWidget* parent) : QDialog(parent) {
    setObjectName("DateinameForm");
    setWindowTitle("Dateiname?");
    UseDesignFont(this);
    setFixedSize(305, 162);
    DateinameEDT = new QLineEdit(this);
    DateinameEDT->setObjectName("DateinameEDT");
    DateinameEDT->setGeometry(16, 32, 257, 21);
    ErzeugenBTN = new QPushButton("&Datei erzeugen", this);
    ErzeugenBTN->setObjectName("ErzeugenBTN");
    ErzeugenBTN->setGeometry(40, 88, 105, 25);
    ErzeugenBTN->setDefault(true); // Enter in the edit box acts as the button
    connect(ErzeugenBTN, &QPushButton::clicked, this, &TDateinameForm::ErzeugenBTNClick);
    AbbrechenBTN = new QPushButton("Abbrechen", this);
    AbbrechenBTN->setObjectName("AbbrechenBTN");
    AbbrechenBTN->setGeometry(160, 88, 105, 25);
    AbbrechenBTN->setAutoDefault(false);
    connect(AbbrechenBTN, &QPushButton::clicked, this, &QDialog::reject);
}

void TDateinameForm::SetFileName(const QString& name) {
    FileName = LowerFileNamePart(name);
    DateinameEDT->setText(FileName);
    DateinameEDT->selectAll(); // typing replaces the proposal
}

void TDateinameForm::ErzeugenBTNClick() {
    const QString name = LowerFileNamePart(DateinameEDT->text());
    if (NameCheck) {
        if (const QString problem = NameCheck(name); !problem.isEmpty()) {
            Dialogs().ShowMessage(this, "Fehler", problem);
            DateinameEDT->setFocus();
            return;
        }
    }
    FileName = name;
    accept();
}

} // namespace korvalt

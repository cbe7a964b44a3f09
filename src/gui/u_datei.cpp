#include "gui/u_datei.h"

#include <QLineEdit>
#include <QPushButton>

#include "gui/qtext.h"
#include "common/paths.h"

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
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName("Edit1");
    Edit1->setGeometry(16, 32, 257, 21);
    Button1 = new QPushButton("&Datei erzeugen", this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(88, 88, 97, 25);
    Button1->setDefault(true); // Enter in the edit box acts as the button
    connect(Button1, &QPushButton::clicked, this, &TDateinameForm::Button1Click);
}

void TDateinameForm::SetFileName(const QString& name) {
    FileName = LowerFileNamePart(name);
    Edit1->setText(FileName);
    Edit1->selectAll(); // typing replaces the proposal
}

void TDateinameForm::Button1Click() {
    FileName = LowerFileNamePart(Edit1->text());
    accept();
}

} // namespace korvalt

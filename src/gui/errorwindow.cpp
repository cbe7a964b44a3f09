#include "gui/errorwindow.h"

#include <QFrame>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include "gui/help.h"
#include "gui/helptopics.h"
#include "gui/qtext.h"

namespace korvalt {

namespace {
constexpr int ButtonWidth = 75, ButtonHeight = 25, PanelHeight = 40;
}

TErrorForm::TErrorForm(QWidget* parent) : QDialog(parent) {
    setObjectName("ErrorForm");
    setWindowTitle("Fehler in der Automatenbeschreibung");
    SetHelpContext(this, HelpFehler);
    UseDesignFont(this);
    setMinimumWidth(2 * ButtonWidth);

    Memo = new QPlainTextEdit(this);
    Memo->setObjectName("Memo");
    Memo->setReadOnly(true);
    Memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    KnopfPNL = new QFrame(this);
    KnopfPNL->setObjectName("KnopfPNL");
    OKButton = new QPushButton("&OK", KnopfPNL);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &TErrorForm::OKButtonClick);
    setTabOrder(OKButton, Memo);

    resize(481, 263);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    OKButton->setFocus();
}

void TErrorForm::FillErrorReport(const TAutomatReport& report) {
    QStringList lines;
    for (const auto& line : ErrorReportLines(report))
        lines << QString::fromStdString(line);
    Memo->setPlainText(lines.join('\n'));
}

QString TErrorForm::ReportText() const {
    return Memo->toPlainText();
}

void TErrorForm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (width() < 2 * ButtonWidth) resize(2 * ButtonWidth, height());
    KnopfPNL->setGeometry(0, height() - PanelHeight, width(), PanelHeight);
    Memo->setGeometry(0, 0, width(), std::max(0, height() - PanelHeight));
    OKButton->setGeometry(width() / 2 - ButtonWidth / 2, 8, ButtonWidth, ButtonHeight);
}

void TErrorForm::OKButtonClick() {
    accept();
}

} // namespace korvalt

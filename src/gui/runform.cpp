#include "gui/runform.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/qtext.h"

namespace korvalt {

TRunForm::TRunForm(QWidget* parent, const QString& listName, const QString& listCaption)
    : QDialog(parent) {
    UseDesignFont(this);
    ErgebnisLabel = new QLabel(this);
    ErgebnisLabel->setObjectName("ErgebnisLabel");
    ErgebnisLabel->setWordWrap(true);
    ErgebnisLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ResultList = new QListWidget(this);
    ResultList->setObjectName(listName);
    LogMemo = new QPlainTextEdit(this);
    LogMemo->setObjectName("LogMemo");
    LogMemo->setReadOnly(true);
    LogMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    AbbrechenBTN = new QPushButton("&Abbrechen", this);
    AbbrechenBTN->setObjectName("AbbrechenBTN");
    AbbrechenBTN->setEnabled(false);
    SchliessenBTN = new QPushButton("&Schließen", this);
    SchliessenBTN->setObjectName("SchliessenBTN");
    connect(AbbrechenBTN, &QPushButton::clicked, this, &TRunForm::AbbrechenBTNClick);
    connect(SchliessenBTN, &QPushButton::clicked, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ErgebnisLabel);
    if (!listCaption.isEmpty()) layout->addWidget(new QLabel(listCaption, this));
    layout->addWidget(ResultList, 1);
    layout->addWidget(new QLabel("Protokoll:", this));
    layout->addWidget(LogMemo, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(AbbrechenBTN);
    buttons->addWidget(SchliessenBTN);
    layout->addLayout(buttons);
    resize(640, 480);
}

TRunForm::~TRunForm() {
    if (!process_) return;
    process_->disconnect();
    if (Running()) {
        process_->kill();
        process_->waitForFinished(2000);
    }
}

QProcess* TRunForm::Process() {
    if (!process_) process_ = new QProcess(this);
    return process_;
}

void TRunForm::End(const QString& text) {
    ErgebnisLabel->setText(text);
    AbbrechenBTN->setEnabled(false);
    emit Finished();
}

void TRunForm::AppendLog(const QString& text) {
    LogMemo->moveCursor(QTextCursor::End);
    LogMemo->insertPlainText(text);
    LogMemo->moveCursor(QTextCursor::End);
}

void TRunForm::AbbrechenBTNClick() {
    if (!Running()) return;
    cancelled_ = true;
    process_->kill(); // the step's end handler follows
}

void TRunForm::closeEvent(QCloseEvent* event) {
    AbbrechenBTNClick();
    QDialog::closeEvent(event);
}

QString TRunForm::Summary() const {
    return ErgebnisLabel->text();
}

QStringList TRunForm::ListLines() const {
    QStringList list;
    for (int i = 0; i < ResultList->count(); ++i)
        list << ResultList->item(i)->text();
    return list;
}

QString TRunForm::Log() const {
    return LogMemo->toPlainText();
}

} // namespace korvalt

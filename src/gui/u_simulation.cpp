#include "gui/u_simulation.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/paths.h"
#include "fsm/automat_tb.h"
#include "fsm/simulation.h"
#include "fsm/synthesis.h"
#include "gui/dialogs.h"
#include "gui/help.h"
#include "gui/qtext.h"

namespace korvalt {

TSimulationForm::TSimulationForm(QWidget* parent) : QDialog(parent) {
    setObjectName("SimulationForm");
    setWindowTitle("Simulation");
    SetHelpContext(this, 2090);
    UseDesignFont(this);

    ErgebnisLabel = new QLabel(this);
    ErgebnisLabel->setObjectName("ErgebnisLabel");
    ErgebnisLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    FehlerList = new QListWidget(this);
    FehlerList->setObjectName("FehlerList");
    LogMemo = new QPlainTextEdit(this);
    LogMemo->setObjectName("LogMemo");
    LogMemo->setReadOnly(true);
    LogMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    AbbrechenBTN = new QPushButton("&Abbrechen", this);
    AbbrechenBTN->setObjectName("AbbrechenBTN");
    SchliessenBTN = new QPushButton("&Schließen", this);
    SchliessenBTN->setObjectName("SchliessenBTN");
    connect(AbbrechenBTN, &QPushButton::clicked, this, &TSimulationForm::AbbrechenBTNClick);
    connect(SchliessenBTN, &QPushButton::clicked, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ErgebnisLabel);
    layout->addWidget(new QLabel("Fehlerhafte Zeilen:", this));
    layout->addWidget(FehlerList, 1);
    layout->addWidget(new QLabel("Protokoll:", this));
    layout->addWidget(LogMemo, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(AbbrechenBTN);
    buttons->addWidget(SchliessenBTN);
    layout->addLayout(buttons);
    resize(640, 480);
}

TSimulationForm::~TSimulationForm() {
    if (!process_) return;
    process_->disconnect(this);
    if (Running()) {
        process_->kill();
        process_->waitForFinished(2000);
    }
}

bool TSimulationForm::Start(const TMachine& a, const std::string& program) {
    folder_ = std::make_unique<TTempFolder>("korvalt-sim");
    const std::string entity = EntityNameOf(DefaultVhdlFileName(a.Moore));
    const std::string dir = folder_->Path();
    if (dir.empty()) {
        End("Es kann kein temporärer Ordner angelegt werden.");
        return false;
    }
    if (const TWriteResult r = WriteSimulationFiles(a, dir, entity); !r) {
        End(QString("Die Dateien der Simulation können nicht geschrieben werden: %1")
                .arg(QString::fromLocal8Bit(r.error)));
        return false;
    }
    // Rows the tour cannot take are no failures, but the user should know of them.
    for (const auto& line : SkippedRowLines(a, PlanTour(a, TMachineModel(a))))
        AppendLog(QString::fromStdString(line) + "\n");
    run_ = std::make_unique<TGhdlRun>(SimulationRun(program, dir, entity));
    process_ = new QProcess(this);
    process_->setProcessChannelMode(QProcess::MergedChannels);
    process_->setWorkingDirectory(PathToQ(dir));
    connect(process_, &QProcess::readyRead, this, [this] {
        const QByteArray data = process_->readAll();
        output_ += data;
        AppendLog(ToQ(data.toStdString()));
    });
    connect(process_, &QProcess::finished, this, &TSimulationForm::StepFinished);
    connect(process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError e) {
        if (e != QProcess::FailedToStart || cancelled_) return;
        run_->StepEnded({}, -1);
        End(QString::fromStdString(run_->Failure()));
    });
    ErgebnisLabel->setText("Simulation läuft …");
    AbbrechenBTN->setEnabled(true);
    RunStep();
    return true;
}

void TSimulationForm::RunStep() {
    QStringList args;
    for (const auto& a : run_->Args())
        args << PathToQ(a);
    output_.clear();
    const QString log = LogMemo->toPlainText();
    AppendLog(QString(log.isEmpty() || log.endsWith('\n') ? "" : "\n") + "> " +
              PathToQ(run_->CommandLine()) + "\n");
    process_->start(PathToQ(run_->Program()), args);
}

void TSimulationForm::AppendLog(const QString& text) {
    LogMemo->moveCursor(QTextCursor::End);
    LogMemo->insertPlainText(text);
    LogMemo->moveCursor(QTextCursor::End);
}

void TSimulationForm::StepFinished(int exitCode, QProcess::ExitStatus status) {
    const QByteArray rest = process_->readAll();
    output_ += rest;
    AppendLog(ToQ(rest.toStdString()));
    if (cancelled_) {
        End("Simulation abgebrochen.");
        return;
    }
    run_->StepEnded(output_.toStdString(), status == QProcess::NormalExit ? exitCode : 128);
    if (!run_->Done()) {
        RunStep();
        return;
    }
    const TSimulationOutcome outcome = SimulationOutcome(*run_);
    for (const auto& f : outcome.failures)
        FehlerList->addItem(ToQ(f));
    End(QString::fromStdString(outcome.message));
}

void TSimulationForm::End(const QString& text) {
    ErgebnisLabel->setText(text);
    AbbrechenBTN->setEnabled(false);
    emit Finished();
}

void TSimulationForm::AbbrechenBTNClick() {
    if (!Running()) return;
    cancelled_ = true;
    process_->kill(); // StepFinished follows
}

void TSimulationForm::closeEvent(QCloseEvent* event) {
    AbbrechenBTNClick();
    QDialog::closeEvent(event);
}

QString TSimulationForm::Summary() const {
    return ErgebnisLabel->text();
}

QStringList TSimulationForm::Failures() const {
    QStringList list;
    for (int i = 0; i < FehlerList->count(); ++i)
        list << FehlerList->item(i)->text();
    return list;
}

QString TSimulationForm::Log() const {
    return LogMemo->toPlainText();
}

TSimulationForm* OpenSimulation(QWidget* parent, const TMachine& a) {
    const std::string ghdl = FindProgram(SimulatorProgram);
    if (ghdl.empty()) {
        QStringList text;
        for (const auto& line : MissingSimulatorText())
            text << QString::fromStdString(line);
        Dialogs().ShowMessage(parent, "Simulieren", text.join('\n'));
        return nullptr;
    }
    auto* form = new TSimulationForm(parent);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->show();
    form->Start(a, ghdl);
    return form;
}

} // namespace korvalt

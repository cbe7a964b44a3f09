#include "gui/simulationwindow.h"

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
#include "gui/helptopics.h"
#include "gui/qtext.h"

namespace korvalt {

TSimulationForm::TSimulationForm(QWidget* parent)
    : TRunForm(parent, "FehlerList", "Fehlerhafte Zeilen:") {
    setObjectName("SimulationForm");
    setWindowTitle("Simulation");
    SetHelpContext(this, HelpSimulieren);
}

bool TSimulationForm::Start(const TMachine& a, const std::string& program) {
    folder_ = std::make_unique<TTempFolder>("korvalt-sim");
    const std::string entity = EntityNameOf(DefaultVhdlFileName(a.Moore));
    const std::string dir = folder_->Path();
    if (dir.empty()) {
        End("Es kann kein temporärer Ordner angelegt werden.");
        return false;
    }
    if (const TResult<> r = WriteSimulationFiles(a, dir, entity); !r) {
        End(QString("Die Dateien der Simulation können nicht geschrieben werden: %1")
                .arg(QString::fromLocal8Bit(r.error)));
        return false;
    }
    // Rows the tour cannot take are no failures, but the user should know of them.
    for (const auto& line : SkippedRowLines(a, PlanTour(a, TMachineModel(a))))
        AppendLog(QString::fromStdString(line) + "\n");
    run_ = std::make_unique<TGhdlRun>(SimulationRun(program, dir, entity));
    Process()->setProcessChannelMode(QProcess::MergedChannels);
    Process()->setWorkingDirectory(PathToQ(dir));
    connect(Process(), &QProcess::readyRead, this, [this] {
        const QByteArray data = Process()->readAll();
        output_ += data;
        AppendLog(ToQ(data.toStdString()));
    });
    connect(Process(), &QProcess::finished, this, &TSimulationForm::StepFinished);
    connect(Process(), &QProcess::errorOccurred, this, [this](QProcess::ProcessError e) {
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
    Process()->start(PathToQ(run_->Program()), args);
}

void TSimulationForm::StepFinished(int exitCode, QProcess::ExitStatus status) {
    const QByteArray rest = Process()->readAll();
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
        ResultList->addItem(ToQ(f));
    End(QString::fromStdString(outcome.message));
}

QStringList TSimulationForm::Failures() const {
    return ListLines();
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

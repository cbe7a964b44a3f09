#include "gui/synthesiswindow.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/paths.h"
#include "common/process.h"
#include "fsm/simulation.h"
#include "fsm/synthesis.h"
#include "gui/dialogs.h"
#include "gui/help.h"
#include "gui/helptopics.h"
#include "gui/qtext.h"

namespace korvalt {

TSyntheseForm::TSyntheseForm(QWidget* parent) : TRunForm(parent, "ErgebnisList", "") {
    setObjectName("SyntheseForm");
    setWindowTitle(QString::fromUtf8("Synthese pr\u00fcfen"));
    SetHelpContext(this, HelpSynthesePruefen);
}

bool TSyntheseForm::Start(const TMachine& a, const QString& ghdl, const QString& yosys) {
    folder_ = std::make_unique<TTempFolder>("korvalt-synth");
    const std::string entity = EntityNameOf(DefaultVhdlFileName(a.Moore));
    const std::string dir = folder_->Path();
    if (dir.empty()) {
        End(QString::fromUtf8("Es kann kein tempor\u00e4rer Ordner angelegt werden."));
        return false;
    }
    if (const TResult<> r = SaveLines(dir + entity + ".vhd", BuildAutomatVhdl(a, entity)); !r) {
        End(QString::fromUtf8("Die VHDL-Datei kann nicht geschrieben werden: %1")
                .arg(QString::fromLocal8Bit(r.error)));
        return false;
    }
    ghdl_ = ghdl;
    yosys_ = yosys;
    steps_ = SynthCheckSteps(dir, entity);
    step_ = 0;
    outcome_ = {};
    Process()->setWorkingDirectory(PathToQ(dir));
    connect(Process(), &QProcess::readyReadStandardError, this, [this] {
        const QByteArray data = Process()->readAllStandardError();
        output_ += data;
        AppendLog(ToQ(data.toStdString()));
    });
    connect(Process(), &QProcess::readyReadStandardOutput, this, [this] {
        const QByteArray data = Process()->readAllStandardOutput();
        output_ += data;
        AppendLog(ToQ(data.toStdString()));
    });
    connect(Process(), &QProcess::finished, this, &TSyntheseForm::StepFinished);
    connect(Process(), &QProcess::errorOccurred, this, [this](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart && !cancelled_)
            End("Das Programm " + Process()->program() + " kann nicht gestartet werden.");
    });
    AbbrechenBTN->setEnabled(true);
    RunStep();
    return true;
}

void TSyntheseForm::RunStep() {
    static const char* const progress[] = {"GHDL analysiert \u2026", "GHDL synthetisiert \u2026",
                                           "Yosys z\u00e4hlt die Zellen \u2026"};
    ErgebnisLabel->setText(QString::fromUtf8("Schritt %1 von 3: %2")
                               .arg(step_ + 1)
                               .arg(QString::fromUtf8(progress[step_])));
    const TSynthStep& s = steps_[step_];
    QStringList args;
    for (const auto& a : s.args)
        args << PathToQ(a);
    const QString program = s.program == SynthesisProgram ? yosys_ : ghdl_;
    output_.clear();
    Process()->setStandardOutputFile(s.stdoutFile.empty() ? QString() : PathToQ(s.stdoutFile));
    AppendLog("> " + QFileInfo(program).fileName() + " " + args.join(' ') + "\n");
    Process()->start(program, args);
}

void TSyntheseForm::StepFinished(int exitCode, QProcess::ExitStatus status) {
    output_ += Process()->readAllStandardError() + Process()->readAllStandardOutput();
    if (cancelled_) {
        End("Synthese abgebrochen.");
        return;
    }
    const int rc = status == QProcess::NormalExit ? exitCode : -1;
    const std::string out = output_.toStdString();
    if (step_ == 1 && rc != 0 && GhdlLacksSynthesis(out)) {
        End(QString::fromUtf8("Dieses GHDL kann nicht synthetisieren; bitte das Debian-Paket ghdl "
                              "(Version 2 oder neuer) installieren."));
        return;
    }
    const bool goOn = ReadSynthStep(step_, out, rc, outcome_);
    if (goOn && step_ + 1 < steps_.size()) {
        ++step_;
        RunStep();
        return;
    }
    for (const auto& line : SynthOutcomeLines(outcome_))
        ResultList->addItem(QString::fromStdString(line));
    End(outcome_.ok ? QString::fromUtf8("Synthese gepr\u00fcft: %1 Flipflops, %2 Logikzellen.")
                          .arg(outcome_.flipFlops)
                          .arg(outcome_.cells)
                    : QString::fromStdString(outcome_.failure));
}

QStringList TSyntheseForm::Lines() const {
    return ListLines();
}

TSyntheseForm* OpenSynthese(QWidget* parent, const TMachine& a) {
    const std::string ghdl = FindProgram(SimulatorProgram);
    const std::string yosys = FindProgram(SynthesisProgram);
    auto* form = new TSyntheseForm(parent);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->show();
    if (const TStrings missing = MissingSynthesisText(ghdl, yosys); !missing.empty()) {
        QStringList text;
        for (const auto& line : missing)
            text << QString::fromStdString(line);
        form->findChild<QLabel*>("ErgebnisLabel")->setText(text.join('\n'));
        return nullptr;
    }
    form->Start(a, PathToQ(ghdl), PathToQ(yosys));
    return form;
}

} // namespace korvalt

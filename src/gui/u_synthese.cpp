#include "gui/u_synthese.h"

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
#include "gui/qtext.h"

namespace korvalt {

TSyntheseForm::TSyntheseForm(QWidget* parent) : QDialog(parent) {
    setObjectName("SyntheseForm");
    setWindowTitle(QString::fromUtf8("Synthese pr\u00fcfen"));
    SetHelpContext(this, 2095);
    UseDesignFont(this);
    ErgebnisLabel = new QLabel(this);
    ErgebnisLabel->setObjectName("ErgebnisLabel");
    ErgebnisLabel->setWordWrap(true);
    ErgebnisLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ErgebnisList = new QListWidget(this);
    ErgebnisList->setObjectName("ErgebnisList");
    LogMemo = new QPlainTextEdit(this);
    LogMemo->setObjectName("LogMemo");
    LogMemo->setReadOnly(true);
    LogMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    AbbrechenBTN = new QPushButton("&Abbrechen", this);
    AbbrechenBTN->setObjectName("AbbrechenBTN");
    SchliessenBTN = new QPushButton(QString::fromUtf8("&Schlie\u00dfen"), this);
    SchliessenBTN->setObjectName("SchliessenBTN");
    connect(AbbrechenBTN, &QPushButton::clicked, this, &TSyntheseForm::AbbrechenBTNClick);
    connect(SchliessenBTN, &QPushButton::clicked, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ErgebnisLabel);
    layout->addWidget(ErgebnisList, 1);
    layout->addWidget(new QLabel("Protokoll:", this));
    layout->addWidget(LogMemo, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(AbbrechenBTN);
    buttons->addWidget(SchliessenBTN);
    layout->addLayout(buttons);
    AbbrechenBTN->setEnabled(false);
    resize(640, 480);
}

TSyntheseForm::~TSyntheseForm() {
    if (!process_) return;
    process_->disconnect(this);
    if (Running()) {
        process_->kill();
        process_->waitForFinished(2000);
    }
}

bool TSyntheseForm::Start(const TMachine& a, const QString& ghdl, const QString& yosys) {
    folder_ = std::make_unique<QTemporaryDir>();
    const std::string entity = EntityNameOf(DefaultVhdlFileName(a.Moore));
    const std::string dir = folder_->isValid() ? WithTrailingSep(PathFromQ(folder_->path())) : "";
    if (dir.empty()) {
        End(QString::fromUtf8("Es kann kein tempor\u00e4rer Ordner angelegt werden."));
        return false;
    }
    if (const TWriteResult r = SaveLines(dir + entity + ".vhd", BuildAutomatVhdl(a, entity)); !r) {
        End(QString::fromUtf8("Die VHDL-Datei kann nicht geschrieben werden: %1")
                .arg(QString::fromLocal8Bit(r.error)));
        return false;
    }
    ghdl_ = ghdl;
    yosys_ = yosys;
    steps_ = SynthCheckSteps(dir, entity);
    step_ = 0;
    outcome_ = {};
    process_ = new QProcess(this);
    process_->setWorkingDirectory(folder_->path());
    connect(process_, &QProcess::readyReadStandardError, this, [this] {
        const QByteArray data = process_->readAllStandardError();
        output_ += data;
        AppendLog(ToQ(data.toStdString()));
    });
    connect(process_, &QProcess::readyReadStandardOutput, this, [this] {
        const QByteArray data = process_->readAllStandardOutput();
        output_ += data;
        AppendLog(ToQ(data.toStdString()));
    });
    connect(process_, &QProcess::finished, this, &TSyntheseForm::StepFinished);
    connect(process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart && !cancelled_)
            End("Das Programm " + process_->program() + " kann nicht gestartet werden.");
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
    process_->setStandardOutputFile(s.stdoutFile.empty() ? QString() : PathToQ(s.stdoutFile));
    AppendLog("> " + QFileInfo(program).fileName() + " " + args.join(' ') + "\n");
    process_->start(program, args);
}

void TSyntheseForm::AppendLog(const QString& text) {
    LogMemo->moveCursor(QTextCursor::End);
    LogMemo->insertPlainText(text);
    LogMemo->moveCursor(QTextCursor::End);
}

void TSyntheseForm::StepFinished(int exitCode, QProcess::ExitStatus status) {
    output_ += process_->readAllStandardError() + process_->readAllStandardOutput();
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
        ErgebnisList->addItem(QString::fromStdString(line));
    End(outcome_.ok ? QString::fromUtf8("Synthese gepr\u00fcft: %1 Flipflops, %2 Logikzellen.")
                          .arg(outcome_.flipFlops)
                          .arg(outcome_.cells)
                    : QString::fromStdString(outcome_.failure));
}

void TSyntheseForm::End(const QString& text) {
    ErgebnisLabel->setText(text);
    AbbrechenBTN->setEnabled(false);
    emit Finished();
}

void TSyntheseForm::AbbrechenBTNClick() {
    if (!Running()) return;
    cancelled_ = true;
    process_->kill(); // StepFinished follows
}

void TSyntheseForm::closeEvent(QCloseEvent* event) {
    AbbrechenBTNClick();
    QDialog::closeEvent(event);
}

QString TSyntheseForm::Summary() const {
    return ErgebnisLabel->text();
}

QStringList TSyntheseForm::Lines() const {
    QStringList list;
    for (int i = 0; i < ErgebnisList->count(); ++i)
        list << ErgebnisList->item(i)->text();
    return list;
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

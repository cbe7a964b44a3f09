// The window of "Synthese prüfen": GHDL and Yosys run one after the other as
// child processes on the machine written into a temporary folder; the window
// stays responsive, shows the progress and the log, and can cancel the run.
// At the end it shows flip-flops, logic cells, latches and GHDL's warnings.
#pragma once

#include <QDialog>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>

#include "fsm/machine.h"
#include "fsm/synthcheck.h"

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace korvalt {

class TSyntheseForm : public QDialog {
    Q_OBJECT
  public:
    explicit TSyntheseForm(QWidget* parent = nullptr);
    ~TSyntheseForm() override;

    // Writes the machine into a temporary folder and starts the first run;
    // false (the window says why) when the file cannot be written.
    bool Start(const TMachine& a, const QString& ghdl, const QString& yosys);
    bool Running() const { return process_ && process_->state() != QProcess::NotRunning; }
    QString Summary() const;
    QStringList Lines() const;
    const TSynthOutcome& Outcome() const { return outcome_; }

  public slots:
    void AbbrechenBTNClick();

  signals:
    void Finished();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void RunStep();
    void StepFinished(int exitCode, QProcess::ExitStatus status);
    void End(const QString& text);
    void AppendLog(const QString& text);

    QLabel* ErgebnisLabel;
    QListWidget* ErgebnisList;
    QPlainTextEdit* LogMemo;
    QPushButton *AbbrechenBTN, *SchliessenBTN;

    QProcess* process_ = nullptr;
    std::unique_ptr<QTemporaryDir> folder_;
    QString ghdl_, yosys_;
    std::vector<TSynthStep> steps_;
    std::size_t step_ = 0;
    QByteArray output_;
    TSynthOutcome outcome_;
    bool cancelled_ = false;
};

// "Synthese prüfen": opens the window for a description that passed the
// checks. Without ghdl or yosys on the PATH it names the Debian package to
// install instead and returns nullptr. The window deletes itself when closed.
TSyntheseForm* OpenSynthese(QWidget* parent, const TMachine& a);

} // namespace korvalt

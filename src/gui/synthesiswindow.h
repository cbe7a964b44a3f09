// The window of "Synthese prüfen": GHDL and Yosys run one after the other as
// child processes on the machine written into a temporary folder; the window
// stays responsive, shows the progress and the log, and can cancel the run.
// At the end it shows flip-flops, logic cells, latches and GHDL's warnings.
#pragma once

#include <memory>

#include "common/process.h"
#include "fsm/machine.h"
#include "fsm/synthcheck.h"
#include "gui/runform.h"

namespace korvalt {

class TSyntheseForm : public TRunForm {
    Q_OBJECT
  public:
    explicit TSyntheseForm(QWidget* parent = nullptr);

    // Writes the machine into a temporary folder and starts the first run;
    // false (the window says why) when the file cannot be written.
    bool Start(const TMachine& a, const QString& ghdl, const QString& yosys);
    QStringList Lines() const;
    const TSynthOutcome& Outcome() const { return outcome_; }

  private:
    void RunStep();
    void StepFinished(int exitCode, QProcess::ExitStatus status);
    std::unique_ptr<TTempFolder> folder_;
    QString ghdl_, yosys_;
    std::vector<TSynthStep> steps_;
    std::size_t step_ = 0;
    QByteArray output_;
    TSynthOutcome outcome_;
};

// "Synthese prüfen": opens the window for a description that passed the
// checks. Without ghdl or yosys on the PATH it names the Debian package to
// install instead and returns nullptr. The window deletes itself when closed.
TSyntheseForm* OpenSynthese(QWidget* parent, const TMachine& a);

} // namespace korvalt

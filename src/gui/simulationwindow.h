// The window "Simulation": runs GHDL on a state machine and its self-checking
// testbench as a child process, one step after the other (analysis,
// elaboration, run), without blocking any window. It shows the summary line,
// the failing rows and the whole log; the run can be cancelled.
#pragma once

#include <memory>

#include "common/process.h"
#include "fsm/ghdl.h"
#include "fsm/machine.h"
#include "gui/runform.h"

namespace korvalt {

class TSimulationForm : public TRunForm {
    Q_OBJECT
  public:
    explicit TSimulationForm(QWidget* parent = nullptr);

    // Writes the machine (entity moore or mealy) and its testbench into a
    // temporary folder and starts program on them; false (the window says
    // why) when the files cannot be written.
    bool Start(const TMachine& a, const std::string& program);
    QStringList Failures() const;

  private:
    void RunStep();
    void StepFinished(int exitCode, QProcess::ExitStatus status);

    std::unique_ptr<TTempFolder> folder_;
    std::unique_ptr<TGhdlRun> run_;
    QByteArray output_; // of the step running
};

// "Simulieren": opens the simulation window for a description that passed the
// checks. Without ghdl on the PATH it tells the user how to install it instead
// and returns nullptr. The window deletes itself when closed.
TSimulationForm* OpenSimulation(QWidget* parent, const TMachine& a);

} // namespace korvalt

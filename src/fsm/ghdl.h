// One run of GHDL: a series of GHDL commands in a work folder (analysis,
// elaboration, simulation), each started when the one before succeeded. The
// run holds the commands, where it stands and how it ended; who starts the
// processes is up to the caller: korvalt-cli runs them one after the other
// (RunToEnd), the simulation window as child processes that do not block it.
#pragma once

#include <string>
#include <vector>

namespace korvalt {

// The language flags of every GHDL command: VHDL-2008 with the Synopsys
// packages (STD_LOGIC_ARITH, STD_LOGIC_UNSIGNED) that generated files use.
const std::vector<std::string>& GhdlFlags();

// The arguments of one GHDL command: command ("-a", "-e", "-r", "--synth"),
// the language flags, the work library in workDir, then rest.
std::vector<std::string> GhdlArgs(const std::string& command, const std::string& workDir,
                                  const std::vector<std::string>& rest);

class TGhdlRun {
  public:
    struct TStep {
        std::vector<std::string> args;
        // Why the run ends when the step fails (UTF-8); empty for a step whose
        // exit code and output are the run's result, whatever they are.
        std::string failure;
    };

    TGhdlRun(std::string program, std::string workDir, std::vector<TStep> steps);

    const std::string& Program() const { return program_; }
    const std::string& WorkDir() const { return workDir_; }
    const std::vector<TStep>& Steps() const { return steps_; }
    bool Done() const { return done_; }
    // The arguments of the step to start next (only while not Done()).
    const std::vector<std::string>& Args() const { return steps_[step_].args; }
    // The step as a log line shows it: the program's file name and the arguments.
    std::string CommandLine() const;

    // The step started last has ended (exitCode -1: the program could not be started).
    void StepEnded(std::string output, int exitCode);
    // Starts the steps one after the other in the work folder and waits for each.
    void RunToEnd();

    // After Done(): whether the program could be started at all, the failure of
    // the step that ended the run (empty when no step failed), and the output
    // (stdout and stderr, the program's own bytes) and exit code of the last step run.
    bool Started() const { return exitCode_ != -1; }
    const std::string& Failure() const { return failure_; }
    const std::string& Output() const { return output_; }
    int ExitCode() const { return exitCode_; }

  private:
    std::string program_, workDir_;
    std::vector<TStep> steps_;
    std::size_t step_ = 0;
    bool done_ = false;
    std::string failure_, output_;
    int exitCode_ = 0;
};

} // namespace korvalt

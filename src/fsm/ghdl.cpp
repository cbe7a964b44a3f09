#include "fsm/ghdl.h"

#include "common/paths.h"
#include "common/process.h"

namespace korvalt {

const std::vector<std::string>& GhdlFlags() {
    static const std::vector<std::string> flags = {"--std=08", "-fsynopsys"};
    return flags;
}

std::vector<std::string> GhdlArgs(const std::string& command, const std::string& workDir,
                                  const std::vector<std::string>& rest) {
    std::vector<std::string> args = {command};
    args.insert(args.end(), GhdlFlags().begin(), GhdlFlags().end());
    args.push_back("--workdir=" + workDir);
    args.insert(args.end(), rest.begin(), rest.end());
    return args;
}

TGhdlRun::TGhdlRun(std::string program, std::string workDir, std::vector<TStep> steps)
    : program_(std::move(program)), workDir_(std::move(workDir)), steps_(std::move(steps)),
      done_(steps_.empty()) {}

std::string TGhdlRun::CommandLine() const {
    std::string line = FileNamePart(program_);
    for (const auto& a : Args())
        line += " " + a;
    return line;
}

void TGhdlRun::StepEnded(std::string output, int exitCode) {
    if (done_) return;
    output_ = std::move(output);
    exitCode_ = exitCode;
    if (exitCode == -1) {
        failure_ = "Der Simulator \"" + program_ + "\" kann nicht gestartet werden.";
        done_ = true;
    } else if (exitCode != 0 && !steps_[step_].failure.empty()) {
        failure_ = steps_[step_].failure;
        done_ = true;
    } else {
        done_ = ++step_ == steps_.size();
    }
}

void TGhdlRun::RunToEnd() {
    while (!done_) {
        std::string output;
        const int rc = RunProgram(program_, Args(), workDir_, output);
        StepEnded(std::move(output), rc);
    }
}

} // namespace korvalt

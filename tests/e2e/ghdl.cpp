#include "ghdl.h"

#include "support/testsupport.h"

namespace korvalt::test {

// GHDL only warns about a static overflow or range violation (a vector of
// 2**40 bits) and goes on with a wrong design; such VHDL must fail.
const std::vector<std::string> GhdlFlags = {"--std=08", "-fsynopsys", "-Werror=runtime-error"};

namespace {

TGhdlResult Ghdl(const std::string& command, const std::vector<std::string>& args,
                 const std::string& workDir, bool keepStdout = true) {
    std::vector<std::string> argv = {"ghdl", command};
    argv.insert(argv.end(), GhdlFlags.begin(), GhdlFlags.end());
    argv.push_back("--workdir=" + workDir);
    argv.insert(argv.end(), args.begin(), args.end());
    const TRunResult r = Run(argv, workDir);
    TGhdlResult result{r.exitCode, keepStdout ? r.out + r.err : r.err};
    if (r.exitCode == 127 && result.output.empty())
        result.output = "ghdl could not be started; is it installed and on PATH?";
    return result;
}

} // namespace

TGhdlResult GhdlAnalyse(const std::string& file, const std::string& workDir) {
    return Ghdl("-a", {file}, workDir);
}

TGhdlResult GhdlRun(const std::string& unit, const std::string& workDir,
                    const std::string& stopTime, const std::vector<std::string>& extra) {
    // Metavalue warnings of the IEEE packages before the first reset are noise.
    std::vector<std::string> args{unit, "--stop-time=" + stopTime, "--assert-level=error",
                                  "--ieee-asserts=disable-at-0"};
    args.insert(args.end(), extra.begin(), extra.end());
    return Ghdl("--elab-run", args, workDir);
}

TGhdlResult GhdlSynth(const std::string& unit, const std::string& workDir) {
    // The netlist goes to stdout; only the messages are of interest.
    return Ghdl("--synth", {unit}, workDir, false);
}

} // namespace korvalt::test

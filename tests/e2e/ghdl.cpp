#include "ghdl.h"

#include <future>

#include "fsm/ghdl.h"
#include "fsm/simulation.h"
#include "support/testsupport.h"

namespace korvalt::test {

// The program's own flags. GHDL only warns about a static overflow or range
// violation (a vector of 2**40 bits) and goes on with a wrong design; such VHDL must fail.
const std::vector<std::string> StrictGhdlFlags = [] {
    std::vector<std::string> flags = korvalt::GhdlFlags();
    flags.push_back("-Werror=runtime-error");
    return flags;
}();

namespace {

TGhdlResult Ghdl(const std::string& command, const std::vector<std::string>& args,
                 const std::string& workDir, bool keepStdout = true) {
    std::vector<std::string> argv = {"ghdl", command};
    argv.insert(argv.end(), StrictGhdlFlags.begin(), StrictGhdlFlags.end());
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
    TGhdlResult r = Ghdl("--synth", {unit}, workDir, false);
    // A latch fails synthesis unless --latches is given; it must fail here in any case.
    if (r.Ok() && r.output.find("latch infered") != std::string::npos) r.exitCode = 1;
    return r;
}

TGhdlResult GhdlSynthMachines(const std::vector<TMachineUnit>& machines,
                              const std::string& workDir) {
    // Each instance is synthesised as a module of its own, whatever drives its inputs.
    std::string vhdl = "library IEEE;\nuse IEEE.STD_LOGIC_1164.ALL;\n"
                       "entity synth_alle is\n  port(takt, reset, d : in std_logic);\n"
                       "end synth_alle;\narchitecture wrapper of synth_alle is\nbegin\n";
    for (std::size_t i = 0; i < machines.size(); ++i)
        vhdl += "  u" + std::to_string(i) + ": entity work." + machines[i].entity +
                " port map(clk => takt, rst => reset, x => (others => d)," +
                (machines[i].zPort ? " z => open," : "") + " y => open);\n";
    vhdl += "end wrapper;\n";
    WriteBytes(workDir + "synth_alle.vhd", vhdl);
    if (TGhdlResult r = GhdlAnalyse(workDir + "synth_alle.vhd", workDir); !r.Ok()) return r;
    return GhdlSynth("synth_alle", workDir);
}

void AnalyseAndRun(const std::string& workDir, const std::vector<std::string>& files,
                   std::vector<TJob>& jobs) {
    std::vector<std::string> argv = {"ghdl", "-a", "--workdir=" + workDir};
    argv.insert(argv.begin() + 2, StrictGhdlFlags.begin(), StrictGhdlFlags.end());
    argv.insert(argv.end(), files.begin(), files.end());
    const auto analysed = Run(argv, workDir);
    if (analysed.exitCode != 0) {
        for (auto& job : jobs)
            job.run = analysed;
        return;
    }
    auto runOne = [&](TJob& job) {
        std::vector<std::string> args =
            SimulationRun("ghdl", workDir, job.entity).Steps().back().args;
        args[0] = "--elab-run";
        args.insert(args.begin(), "ghdl");
        job.run = Run(args, workDir);
    };
    for (std::size_t i = 0; i < jobs.size(); i += 2) {
        auto other = std::async(std::launch::async, [&, i] {
            if (i + 1 < jobs.size()) runOne(jobs[i + 1]);
        });
        runOne(jobs[i]);
        other.get();
    }
}

} // namespace korvalt::test

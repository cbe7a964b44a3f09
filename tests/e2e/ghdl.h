// GHDL as the end-to-end tests drive it: the same language flags for every
// step, and a work library in a folder of the test's own.
#pragma once

#include <string>
#include <vector>

#include "support/testsupport.h"

namespace korvalt::test {

// VHDL-2008 with the Synopsys packages (STD_LOGIC_ARITH, STD_LOGIC_UNSIGNED)
// that generated files use; static overflows are errors.
extern const std::vector<std::string> StrictGhdlFlags;

struct TGhdlResult {
    int exitCode = -1;
    std::string output; // stdout and stderr: "file:line:col: message" lines on failure
    bool Ok() const { return exitCode == 0; }
};

// Analyses a VHDL file into the work library kept in workDir.
TGhdlResult GhdlAnalyse(const std::string& file, const std::string& workDir);

// Elaborates the analysed entity unit and simulates it until stopTime (as
// "1us"); an assertion of severity error or worse fails the run.
TGhdlResult GhdlRun(const std::string& unit, const std::string& workDir,
                    const std::string& stopTime, const std::vector<std::string>& extra = {});

// Synthesises the analysed entity unit; fails on VHDL that simulates but
// cannot become hardware, and on a latch. The output holds the messages, not the netlist.
TGhdlResult GhdlSynth(const std::string& unit, const std::string& workDir);

// An analysed state machine (ports clk, rst, x, y) and whether it also has the inout port z.
struct TMachineUnit {
    std::string entity;
    bool zPort = false;
};
// Synthesises analysed state machines in one GHDL run, as instances of a wrapper
// written into workDir; a latch or an error fails it, naming the machine's file and line.
TGhdlResult GhdlSynthMachines(const std::vector<TMachineUnit>& machines,
                              const std::string& workDir);

// A testbench to run: the machine's entity (its testbench is ENTITY_tb) and what it is.
struct TJob {
    std::string entity;
    std::string what;
    TRunResult run = {};
};
// Analyses all files in one GHDL call, then runs every job's testbench, two at a time.
void AnalyseAndRun(const std::string& workDir, const std::vector<std::string>& files,
                   std::vector<TJob>& jobs);

} // namespace korvalt::test

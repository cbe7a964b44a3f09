// "Synthese prüfen": what synthesis makes of a state machine. The generated
// file is analysed by GHDL, synthesised by it into a Verilog netlist
// (`ghdl --synth --out=verilog`, the netlist on standard output), and Yosys
// maps the netlist to gates (`synth -nofsm`, so it keeps the state codes
// as written) and counts the cells (`stat`).
//
// Latches are judged by GHDL's own report: GHDL's Verilog turns a don't-care
// assignment into a case without default, which Yosys reads as $_DLATCH_
// cells though the design has none, so those cells are not counted.
// GHDL passes over the encoding attributes with "unhandled attribute"; that
// is explained, not listed as a warning.
#pragma once

#include <string>
#include <vector>

#include "common/strings.h"
#include "fsm/machine.h"

namespace korvalt {

inline constexpr const char* SynthesisProgram = "yosys";

// One program run of the check: the program ("ghdl" or "yosys"), its
// arguments, and the file standard output goes to (empty: read with stderr).
struct TSynthStep {
    std::string program;
    TStrings args;
    std::string stdoutFile;
};
// The three runs for ENTITY.vhd in folder (ending in the separator), in order.
std::vector<TSynthStep> SynthCheckSteps(const std::string& folder, const std::string& entity);

struct TSynthOutcome {
    bool ok = false;    // every step ran and GHDL found no latch
    int flipFlops = -1; // Yosys $_DFF... cells; -1 before Yosys ran
    int cells = -1;     // the other cells (logic), without Yosys' $_DLATCH_ ones
    bool latch = false; // GHDL reported a latch
    bool unhandledAttribute = false;
    TStrings warnings;   // GHDL's warnings, other than the unhandled attributes
    std::string failure; // why the check ended early (German, UTF-8)
};
// Reads the messages of step i (0..2) with its exit status into the outcome;
// false when the check cannot go on.
bool ReadSynthStep(std::size_t step, const std::string& output, int exitCode, TSynthOutcome& o);
// The lines a user sees for an outcome (German, UTF-8; tool warnings converted).
TStrings SynthOutcomeLines(const TSynthOutcome& o);

// What is missing to check synthesis, by Debian package (German, UTF-8);
// empty when both programs are there. ghdlPath may name a GHDL without synthesis.
TStrings MissingSynthesisText(const std::string& ghdlPath, const std::string& yosysPath);
// True for output of a GHDL that does not know --synth.
bool GhdlLacksSynthesis(const std::string& output);

} // namespace korvalt

// Simulating a state machine with GHDL: the machine and its self-checking
// testbench are written into a folder, analysed, elaborated and run there;
// the simulator's output is read back for the summary line and the failing
// rows. The output is Windows-1252 text, like the files it comes from; the
// verdict is a message (UTF-8).
#pragma once

#include <string>
#include <vector>

#include "common/textfile.h"
#include "fsm/ghdl.h"
#include "fsm/machine.h"

namespace korvalt {

// The program the simulation runs.
inline constexpr const char* SimulatorProgram = "ghdl";

// Writes ENTITY.vhd and ENTITY_tb.vhd into folder (ending in the separator).
TResult<> WriteSimulationFiles(const TMachine& a, const std::string& folder,
                               const std::string& entity);

// Analysis, elaboration and run of the files written into folder, with the
// folder as work library; program is the simulator found on the PATH.
TGhdlRun SimulationRun(const std::string& program, const std::string& folder,
                       const std::string& entity);

struct TSimulationOutcome {
    bool passed = false;
    std::string summary; // "N Übergänge geprüft, F Fehler", empty when the run never got there
    TStrings failures;   // the assertion messages: row, state, expected and seen values
    // The verdict (UTF-8): the summary with "bestanden" or "nicht bestanden",
    // or why there is none (a step failed, the run gave no summary).
    std::string message;
};
// Reads the output of the run (Windows-1252) and its exit status.
TSimulationOutcome ReadSimulationOutput(const std::string& output, int exitCode);
// The outcome of a simulation run that is done.
TSimulationOutcome SimulationOutcome(const TGhdlRun& run);

// How to install the simulator, in German (UTF-8), one line per entry.
TStrings MissingSimulatorText();

} // namespace korvalt

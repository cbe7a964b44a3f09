// Simulating a state machine with GHDL: the machine and its self-checking
// testbench are written into a folder, analysed, elaborated and run there;
// the simulator's output is read back for the summary line and the failing
// rows. The output is Windows-1252 text, like the files it comes from.
#pragma once

#include <string>
#include <vector>

#include "common/textfile.h"
#include "fsm/machine.h"

namespace korvalt {

// The program the simulation runs.
inline constexpr const char* SimulatorProgram = "ghdl";

// Writes ENTITY.vhd and ENTITY_tb.vhd into folder (ending in the separator).
TWriteResult WriteSimulationFiles(const TMachine& a, const std::string& folder,
                                  const std::string& entity);

// The arguments (after the program name) of analysis, elaboration and run, in
// this order; every call uses the same language flags and the folder as work library.
std::vector<TStrings> SimulationCommands(const std::string& folder, const std::string& entity);

struct TSimulationOutcome {
    bool passed = false;
    std::string summary; // "N Übergänge geprüft, F Fehler", empty when the run never got there
    TStrings failures;   // the assertion messages: row, state, expected and seen values
};
// Reads the output of the run (Windows-1252) and its exit status.
TSimulationOutcome ReadSimulationOutput(const std::string& output, int exitCode);

// Full path of a program found in a PATH-like list of folders; empty when none holds it.
std::string FindProgram(const std::string& name, const std::string& pathList);

// How to install the simulator, in German (Windows-1252), one line per entry.
TStrings MissingSimulatorText();

} // namespace korvalt

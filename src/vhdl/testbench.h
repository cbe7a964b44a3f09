// Testbench skeleton for a scanned design: the design as a component, one
// signal per port, an instance map_tb, reset and clock stimuli where the scan
// found them, and an empty test process for the user's stimuli. Written under
// ".wdl" beside the design: it names a package testpack the user supplies.
#pragma once

#include <string>

#include "common/textfile.h"
#include "vhdl/u_signals.h"

namespace korvalt {

// The chosen file's folder and its name up to the first "." (the whole name
// without "."), followed by ".wdl": zaehler.vhd gives zaehler.wdl.
std::string TestbenchFileName(const std::string& chosenPath);

// The testbench lines, each written with CR LF.
TStrings TestbenchLines(TSignal& design);
TWriteResult BuildTestbench(TSignal& design, const std::string& outputPath);

} // namespace korvalt

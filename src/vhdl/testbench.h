// Testbench skeleton for a scanned design: the design as a component, one
// signal per port, an instance map_tb, reset and clock stimuli where the scan
// found them, and an empty test process for the user's stimuli. Written under
// ".wdl" beside the design: it names a package testpack the user supplies.
#pragma once

#include <string>

#include "common/textfile.h"
#include "vhdl/emitters.h"

namespace korvalt {

// The chosen file's folder and its name up to the first "." (the whole name
// without "."), followed by ".wdl": zaehler.vhd gives zaehler.wdl.
std::string TestbenchFileName(const std::string& chosenPath);

// The testbench lines, each written with CR LF.
TStrings TestbenchLines(const TEntity& design);
TResult<> BuildTestbench(const TEntity& design, const std::string& outputPath);

// The runnable testbench (VHDL-2008) of a design: ENTITY_tb.vhd beside it, with
// the design's context clause, a constant per generic, a signal per port, the
// design instantiated directly, clock and reset stimuli where the scan found
// them, and a stimulus process that ends the run with std.env.stop.
std::string VhdlTestbenchFileName(const std::string& designPath, const TEntity& design);
// The library, use and context clauses in front of the design's entity.
TStrings ContextClause(const TStrings& designLines);
TStrings VhdlTestbenchLines(const TEntity& design, const TStrings& context);

enum class TVhdlTestbenchRefusal {
    None,
    NoEntityName, // the design names no entity
    OwnFile,      // the design's own file is ENTITY_tb.vhd
};
TVhdlTestbenchRefusal CheckVhdlTestbench(const std::string& designPath, const TEntity& design);

} // namespace korvalt

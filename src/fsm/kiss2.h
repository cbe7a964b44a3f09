// KISS2, the exchange format of state machines used by editors, synthesis
// tools and the benchmark sets of logic synthesis, read into a description
// and written from one.
//
// Accepted text (Windows-1252 bytes, CR LF or LF):
//   .i N  .o N   input and output widths, both before the first row (N >= 1)
//   .p N  .s N   row and state counts: a count that does not match is a warning
//   .r NAME      reset state (without it: the first row's state)
//   .e / .end    ends the description; nothing after it is read
//   # ...        a comment up to the line end; blank lines are skipped
//   INPUTS CURRENT NEXT OUTPUTS   a row; fields separated by blanks or tabs,
//                patterns of 0, 1 and - (don't care) of the declared widths.
// "*" as the current state stands for every state (one row per state, at the
// row's place); "*" as the next state leaves the transition open: the row is
// left out and the report counts it. A row whose whole input pattern earlier
// rows of its state match is never taken (the first matching row wins): it is
// left out too, and the report names it with the rows that cover it.
//
// Names: an input pattern becomes the input "E" + pattern with "-" written
// "x" (E1x0), an output pattern the output "A" + pattern likewise. A state
// keeps its name where that is a VHDL identifier, not a name the generated
// file uses itself and unique ignoring case; otherwise it becomes "Z" + the
// name's letters and digits, with "_2", "_3" ... added against clashes.
//
// Written: .i .o .p .s .r, one row per transition row (a Moore row carries
// its current state's output; a Moore state without rows gets a row to itself
// that matches every input), .e.
#pragma once

#include <string>
#include <string_view>

#include "common/result.h"
#include "common/strings.h"
#include "fsm/automat.h"
#include "fsm/machine.h"

namespace korvalt {

struct TKiss2Import {
    TAutomat automat; // the description (kind as asked), when the import succeeded
    TStrings report;  // UTF-8 lines: a summary, then warnings and notes
    int line = 0;     // on failure: the 1-based line the reason refers to
};

// Reads KISS2 text as a Moore or Mealy machine. On failure (a malformed file,
// a Moore machine whose outputs depend on the inputs) error holds the German
// reason (UTF-8) and value.line its line.
TResult<TKiss2Import> ReadKiss2(std::string_view text, bool moore);

// The lines of the KISS2 text (without line ends) of a description whose rows
// all name known states, inputs and outputs; otherwise the German reason.
TResult<TStrings> WriteKiss2(const TMachine& m);

} // namespace korvalt

// A self-checking VHDL-2008 testbench for the state machine that
// BuildAutomatVhdl writes: entity ENTITY_tb instantiates ENTITY, generates the
// clock, holds the reset, and drives a transition tour that takes every row of
// the transition table that can be taken at least once. After every step it
// asserts the outputs (Moore: of the state reached, after the clock edge;
// Mealy: of the row taken, before the clock edge) with severity error and a
// German message naming the row, the state, the expected and the seen value.
// It ends with the report "N Übergänge geprüft, F Fehler" and std.env.stop(1)
// when F > 0, std.env.stop(0) otherwise.
// The tour it drives is planned in fsm/tour.h.
#pragma once

#include <string>
#include <vector>

#include "fsm/machine.h"
#include "fsm/tour.h"

namespace korvalt {

// "ENTITY_tb.vhd".
std::string AutomatTestbenchFileName(const std::string& entity);
// One line per row the tour cannot take (UTF-8); the header lists them in Windows-1252.
TStrings SkippedRowLines(const TMachine& a, const TTour& tour);
// The lines of ENTITY_tb.vhd for a description that passed the checks; the last line is empty.
TStrings BuildAutomatTestbench(const TMachine& a, const std::string& entity, const TTour& tour);
TStrings BuildAutomatTestbench(const TMachine& a, const std::string& entity);

} // namespace korvalt

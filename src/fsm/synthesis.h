// The VHDL file of a Moore or Mealy machine: an entity with clk, rst, the
// input vector x and the output vector y (Mealy: also the state vector z),
// code constants for inputs, states and outputs, a clocked process pSync and
// a combinational process pASync.
//
// States are written as constants when some state code holds a "1" (the
// coded form), else as an enumeration type (the enumerated form). A Mealy
// machine in the enumerated form keeps its state internal: a port cannot have
// a type declared inside the architecture, so it has no z port and its next
// state zn is of the enumeration type too.
//
// Input patterns may hold don't-care bits ('-'). Then every input test is
// ieee.numeric_std.std_match in an if/elsif chain in table order, Mealy too
// (a case could hold neither overlapping choices nor, for GHDL's synthesis,
// choices with '-'). Output constants keep their '-' bits.
#pragma once

#include <string>
#include <string_view>

#include "fsm/machine.h"

namespace korvalt {

// Characters after the first "|" of the first state; 0 for none.
int StateCodeWidth(const std::vector<TNamed>& states);
// "constant NAME : std_logic_vector(HIGH downto 0) := "BITS";", empty bits written as zeros.
std::string MakeConstantLine(const TNamed& entry, int high);

// Upper bounds of x, y and the state vector (width - 1, and 0 for width 0).
struct TBounds {
    int xh = 0, yh = 0, zh = 0;
};
TBounds VectorBounds(const TMachine& a);

// The lines of the VHDL file (without line ends) for a description that
// passed the checks. The last line is empty.
TStrings BuildAutomatVhdl(const TMachine& a, const std::string& entity);

// The entity name a file name gives: up to its first ".".
std::string EntityNameOf(std::string_view fileName);
// "moore.vhd" or "mealy.vhd".
std::string DefaultVhdlFileName(bool moore);

} // namespace korvalt

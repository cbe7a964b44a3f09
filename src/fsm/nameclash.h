// Names typed into one identifier list that another list already uses. VHDL
// does not tell letter case apart, so a state "ROT" and an output "rot" are one
// name in the generated file; the editor says so while the names are typed.
#pragma once

#include <string>

#include "fsm/automat.h"

namespace korvalt {

// The status text (UTF-8) for the first line of the list shown for part that
// names, ignoring case, an entry of one of the two other lists; empty when no
// line does. Blank lines are no names.
std::string NameClashText(const TAutomat& a, TPart part, const TStrings& lines);

} // namespace korvalt

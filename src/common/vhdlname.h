// What VHDL accepts as a name: its reserved words and the rule for a basic
// identifier. Entity names of state machines and the names templates put in
// place of |NAME| are held to this one rule.
#pragma once

#include <string>
#include <string_view>

namespace korvalt {

// Whether name is a reserved word of VHDL (letter case ignored).
bool IsVhdlReservedWord(std::string_view name);

// True for a VHDL basic identifier: a letter, then letters, digits and single
// "_", not ending in "_", and no reserved word.
bool IsVhdlIdentifier(std::string_view name);

// The rule above as the messages tell it to the user (UTF-8).
inline constexpr const char* IdentifierRuleText =
    "ein Buchstabe zuerst, dann Buchstaben, Ziffern und einzelne _, kein reserviertes Wort.";

} // namespace korvalt

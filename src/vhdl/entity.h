// The entity scanner: one VHDL file read into a typed entity.
//
// The scanner is a line-oriented keyword scanner, not a VHDL parser. It is built
// for the layout Korvalt writes itself: the port list opens on the line of the
// keyword PORT, each port has a line of its own, and the closing parenthesis
// ends the last port's line. It records the entity name, the architecture name,
// the generics, the ports with their directions, and the clock and reset of the
// process text with their active levels.
//
// Keywords count as whole words only, and text from "--" to the end of its line
// is never searched for one. The scan holds no state: each call reads its
// lines alone.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/strings.h"

namespace korvalt {

// One generic of the entity: name, type text and default text (empty when none).
struct TGeneric {
    std::string name, type, value;
    bool operator==(const TGeneric&) const = default;
};

// The mode word of a port; None for a declaration without ":".
enum class TDirection { None, In, Out, InOut, Buffer, Linkage };

// One port. The outputs that reproduce the source write its declaration as the
// scanner kept it: "a : in bit;", and for the later names of a shared
// declaration (a, b : in bit) with the blank after the comma (" b : in bit;").
struct TPort {
    std::string name; // without blanks around it
    TDirection direction = TDirection::None;
    std::string type; // the text after the mode word, without ";"
    std::string declaration;
    bool operator==(const TPort&) const = default;
};

// Inputs are the ports of mode in (or without a mode word); outputs those of
// mode out, buffer and inout. Linkage ports are neither.
bool IsInput(const TPort& p);
bool IsOutput(const TPort& p);
// An input that can be driven with '0' and '1' (std_logic, std_ulogic, bit).
bool IsBitPort(const TPort& p);

// A clock or a reset: high is a rising edge for a clock and the active level
// '1' for a reset. written is the name as the sensitivity list spells it,
// blanks included, for the outputs that reproduce it; empty when none was found.
struct TSignalRef {
    std::string name, written;
    bool high = true;
    explicit operator bool() const { return !written.empty(); }
    bool operator==(const TSignalRef&) const = default;
};

// How the runnable testbench found its reset: tested before the clock edge,
// as the first condition inside it, or by the input's name alone.
enum class TResetKind { None, Async, Sync, ByName };

struct TEntity {
    std::string name, architecture;
    std::vector<TGeneric> generics;
    // Generic types, and generic subprograms and packages without a default
    // (is <>): no value can be associated with them.
    TStrings genericTypes, genericSubprograms;
    std::vector<TPort> ports;
    TSignalRef clock, reset; // as the testbench skeleton reads them
    // As the runnable testbench reads them, from the first process with a clock
    // edge (a rising_edge or falling_edge call, or the event attribute); both
    // are inputs of the entity.
    TSignalRef edgeClock, edgeReset;
    TResetKind resetKind = TResetKind::None;
};

// Whether a port's name says reset: after a trailing "_i" or "_in", it is or
// ends in rst, reset, arst or srst; with "n" or "_n" behind or an "n" in front
// (nrst) the reset is active low. Sets high to the active level.
bool NamedLikeReset(std::string_view name, bool& high);

// Scans a file's lines (without their line ends).
TEntity ScanEntity(const TStrings& lines);

std::string Spaces(int n);
std::string TrimLeftBlanks(std::string_view s);
std::string TrimRightBlanks(std::string_view s);
// A value a generic without default can take, for the types a VHDL tool knows.
std::string Placeholder(std::string_view type);
// A signal's type for a port's type: a vector type without bounds gets
// (7 downto 0), and guessed is set, so that the signal declaration analyses.
std::string SignalType(std::string_view portType, bool& guessed);
// The comment behind a signal whose width was guessed, in the code page of written files.
std::string WidthNote();
// The generic's default, or the placeholder of its type; for a type this
// program does not know (a record from a package, an enumeration), the call of
// a function WERT_EINTRAGEN_<name> that PlaceholderFunction writes.
std::string GenericValue(const TGeneric& g);
// That function's declaration, one line; empty when the generic needs none.
std::string PlaceholderFunction(const TGeneric& g);

} // namespace korvalt

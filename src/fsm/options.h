// The code style of a state machine's VHDL file: libraries, clock edge,
// state encoding, recovery from illegal states and registered outputs. The
// options belong to the machine: the workspace file keeps them on one line,
// written last and only when one differs from the default:
//   #OPTIONEN bibliothek=numeric_std takt=flanke kodierung=gray sicher=ja ausgaenge=register
// Each word is key=value; a key or value the program does not know is
// skipped and named to the user. The words never hold "#", so a reader that
// finds the other lines' markers anywhere in a line passes over this one.
#pragma once

#include <string>
#include <string_view>

#include "common/strings.h"

namespace korvalt {

enum class TKodierung { Auto, OneHot, Gray, Binaer };

struct TOptionen {
    bool NumericStd = false; // only std_logic_1164 (and numeric_std where used)
    bool Flanke = false;     // rising_edge/falling_edge instead of clk'event
    TKodierung Kodierung = TKodierung::Auto;
    bool Sicher = false;   // an unused state code goes to the reset state
    bool Register = false; // Moore outputs from flip-flops

    bool Default() const { return *this == TOptionen{}; }
    bool operator==(const TOptionen&) const = default;
};

// The value words of the encodings as the file and korvalt-cli write them:
// "auto", "one-hot", "gray", "binary".
std::string KodierungWord(TKodierung k);
bool KodierungOf(std::string_view word, TKodierung& k);

// "#OPTIONEN ..." for options that differ from the default; empty for the default.
std::string OptionenLine(const TOptionen& o);
// Takes the words of an "#OPTIONEN" line (the marker word is skipped) into o;
// each word it cannot use is added to ignored as written.
void ReadOptionenLine(std::string_view line, TOptionen& o, TStrings& ignored);
// True for a line that is an options line (it starts with "#OPTIONEN", any case).
bool IsOptionenLine(std::string_view line);

} // namespace korvalt

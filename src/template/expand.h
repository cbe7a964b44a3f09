// Expansion of a template body. Markers, compared ignoring case:
//   |NAME|          the output file's name before its first "."
//   |P|             the value of parameter P, verbatim
//   |P-|            the value of P minus one (values of 0 or less stay as they are)
//   |$pat,P|        a VHDL string literal: pat repeated int(P) times; "P-" one
//                   time less. Only the first "|$" marker of a line is expanded,
//                   and it stays as written when the count is 0 or less.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/strings.h"
#include "template/params.h"

namespace korvalt {

// The longest literal a repeat marker may produce; a longer one leaves the
// marker as written (such a literal is no design, and building it would
// exhaust the memory).
inline constexpr std::uint64_t MaxRepeatLength = 64u << 20;

// A marker as read from the text between its two bars.
struct TMarker {
    enum class TKind { Name, Value, Repeat };
    TKind kind = TKind::Value;
    std::string ref;     // the parameter named; empty for |NAME| and a repeat without pattern
    bool minus = false;  // |P-| or |$pat,P-|
    std::string pattern; // a repeat's pattern; empty when it is not of the form $pat,P
};
// The one reader of the marker syntax; inner is the text between the bars.
// Any text reads as a marker: whether a pair of bars in a line is one is for
// the caller to say (VHDL writes "|" between choices).
TMarker ReadMarker(std::string_view inner);
// The text of the value marker of name (with minus: its decrement marker).
std::string MarkerText(std::string_view name, bool minus = false);

// Replaces every occurrence of marker (ignoring ASCII case), left to right;
// inserted text is not searched again. An empty marker replaces nothing.
void ReplaceAll(std::string& line, std::string_view marker, std::string_view replacement);

// Replaces every body line by its expanded form; the output path gives |NAME|.
void ExpandTemplate(const std::string& outputPath, TStrings& body,
                    const std::vector<TParam>& params);

// Whether a body writes the output file's name somewhere (|NAME|, any case).
bool UsesNameMarker(const TStrings& body);
// Why the base name of outputPath cannot stand where the body writes |NAME|
// (it must be a VHDL identifier: it names the entity), or empty when it can
// or the body has no |NAME|. UTF-8, like the file name it quotes.
std::string NameMarkerProblem(const TStrings& body, const std::string& outputPath);

// The path a typed file name is written to: folder + name, with ".VHD"
// appended when the file-name part holds no ".".
std::string OutputPath(const std::string& folder, const std::string& name);

} // namespace korvalt

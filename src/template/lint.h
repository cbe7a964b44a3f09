// The check of a template file for the faults its author would otherwise meet
// only in a generated file: markers that name no parameter, parameters that no
// marker uses, repeat and decrement markers that misbehave somewhere in their
// parameter's range, defaults outside their own range, sections without a body
// or with an unclosed one, sections sharing a name, declarations the reader
// pairs with another section or does not read at all, and a file name that
// proposes no valid entity name for |NAME|.
//
// Sections are taken as their author wrote them: a header line, its
// declaration area (up to "<", an empty line or the next header), then the body
// from the "<" line to the ">" line. Line numbers count from 1.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "common/strings.h"
#include "template/params.h"

namespace korvalt {

inline constexpr std::size_t NoLine = static_cast<std::size_t>(-1);

// Where the parts of one section stand in the file (indices into its lines).
struct TSectionLayout {
    std::size_t header = 0;
    std::vector<std::size_t> declLines; // its "-" lines, in order
    std::string description;            // its commentary lines, joined by blanks
    std::size_t bodyOpen = NoLine;      // the "<" line
    std::size_t bodyClose = NoLine; // the ">" line; NoLine when none follows before the next header
    std::size_t end = 0;            // the next header, or the number of lines
};

// One entry per header line, in file order (the order of the reader's sections).
std::vector<TSectionLayout> SectionLayouts(const TStrings& lines);

struct TFinding {
    std::size_t section = NoLine; // position among the sections; NoLine for the whole file
    std::string sectionName;
    std::size_t line = 0; // 1-based; 0 for the whole file
    std::string message;  // names the marker or parameter concerned (Windows-1252)
};

// fileName, when given, is the template's file name: it is what the name prompt
// proposes, so its part before the first "." must be a VHDL identifier when a
// section writes |NAME|.
std::vector<TFinding> CheckTemplate(const TStrings& lines, std::string_view fileName = {});
// "Zeile 12, Abschnitt "Zaehler": ..." (Windows-1252).
std::string FindingText(const TFinding& finding);

// The values at which a section is tried: its defaults, then every ranged
// parameter at its lower bound, then at its upper bound (repeats dropped).
std::vector<std::vector<TParamRow>> TrialValues(std::string_view declString);

} // namespace korvalt

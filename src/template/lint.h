// The check of a template file for the faults its author would otherwise meet
// only in a generated file: markers that name no parameter, parameters that no
// marker uses, repeat and decrement markers that misbehave somewhere in their
// parameter's range, defaults outside their own range, sections without a body
// or with an unclosed one, sections sharing a name, declarations that are not
// read because an empty line stands before them, and a file name that proposes
// no valid entity name for |NAME|.
//
// Sections are taken as the reader types them (reader.h), each with the
// lines up to the next header. Line numbers count from 1.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "common/strings.h"
#include "template/params.h"
#include "template/reader.h"

namespace korvalt {

inline constexpr std::size_t NoLine = static_cast<std::size_t>(-1);

struct TFinding {
    std::size_t section = NoLine; // position among the sections; NoLine for the whole file
    std::string sectionName;
    std::size_t line = 0; // 1-based; 0 for the whole file
    std::string message;  // names the marker or parameter concerned (UTF-8)
};

// fileName, when given, is the template's file name: it is what the name prompt
// proposes, so its part before the first "." must be a VHDL identifier when a
// section writes |NAME|.
std::vector<TFinding> CheckTemplate(const std::vector<TTemplateSection>& sections,
                                    std::string_view fileName = {});
// "Zeile 12, Abschnitt "Zaehler": ..." (UTF-8).
std::string FindingText(const TFinding& finding);

// The values at which a section is tried: its defaults, then every ranged
// parameter at its lower bound, then at its upper bound (repeats dropped).
std::vector<std::vector<TParamRow>> TrialValues(const std::vector<TTemplateDecl>& decls);

} // namespace korvalt

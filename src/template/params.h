// Parameter declarations of a template section and the checks on their values.
//
// A declaration is NAME, optionally followed by "[" RANGE "]":
//   [d]            default d, no range test
//   [a,b], [a..b]  default a; values from the smaller to the larger bound
//   no brackets    default "0", no range test
// The default is the text after the first "[" up to the last character (taken
// to be the "]"), cut before its first "," and then before its first ".".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvalt {

struct TRange {
    std::int32_t lo = 0;
    std::int32_t hi = 0;
};

// One row of the parameter grid: the declaration as shown and its default.
// Both hold a single blank where the text itself is empty, as the grid shows them.
struct TParamRow {
    std::string decl;
    std::string value;
};

// A parameter as expansion uses it: the name before "[" and the value typed.
struct TParam {
    std::string name;
    std::string value;
};

std::string DeclName(std::string_view decl);
std::string DeclDefault(std::string_view decl);
// The range a typed value is held to, or none when the declaration sets no range.
std::optional<TRange> DeclRange(std::string_view decl);

// One "-" line of a template's declaration area, read once.
struct TTemplateDecl {
    std::size_t line = 0; // in the template file, from 1
    std::string text;     // after the "-", verbatim: the grid shows it
    std::string name;
    std::string def;
    std::optional<TRange> range;
};
TTemplateDecl ReadDecl(std::string text, std::size_t line = 0);

// The grid rows of a section, one per declaration, defaults filled in.
std::vector<TParamRow> BuildParamRows(const std::vector<TTemplateDecl>& decls);
// Length of the longest declaration, at least 10: the grid's column width in
// characters (multiplied by the font's point size).
std::size_t LongestDecl(const std::vector<TTemplateDecl>& decls);

// A committed value outside its declaration's range becomes the lower bound;
// an empty value and a value without range are kept. A number beyond the
// 32-bit range (which would read as 0) is refused: it becomes the lower bound,
// or the default without a range. Returns the corrected text, or nothing when
// the value stands.
std::optional<std::string> CheckValue(std::string_view decl, std::string_view value);

// The same check with its reason for the user (UTF-8): the value, the range
// and what it became.
struct TValueCorrection {
    std::string value;
    std::string message;
};
std::optional<TValueCorrection> CorrectValue(std::string_view decl, std::string_view value);

// The parameters for expansion from the grid rows (name from the shown declaration).
std::vector<TParam> ParamsFromRows(const std::vector<TParamRow>& rows);

} // namespace korvalt

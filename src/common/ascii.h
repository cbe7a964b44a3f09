// ASCII-only text helpers. File contents are Windows-1252 bytes; upper- and
// lower-casing touch the letters A-Z and a-z only, so umlauts stay as typed.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/strings.h"

namespace korvalt {

std::string UpperCase(std::string_view s);
std::string LowerCase(std::string_view s);
// Equal when both sides are upper-cased.
bool SameText(std::string_view a, std::string_view b);
// Blanks (character 32) removed from both ends.
std::string TrimBlanks(std::string_view s);
bool StartsWith(std::string_view s, std::string_view prefix);
// Position of needle in haystack ignoring ASCII case, or npos.
std::size_t FindNoCase(std::string_view haystack, std::string_view needle, std::size_t from = 0);
bool IsDigit(char c);
bool IsLetter(char c);
// Letters, digits and "_": the characters of a VHDL word.
bool IsWordChar(char c);

} // namespace korvalt

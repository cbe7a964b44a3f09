// Keyword search in VHDL lines as the scanner and the component insertion do
// it: in an upper-cased copy whose comments are blanked (same length, so
// positions apply to the line itself), and only as whole words.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "common/vhdlname.h" // IsVhdlReservedWord

namespace korvalt {

// Position of the first "--" of a line, or its length when it has none.
std::size_t CommentStart(std::string_view line);
// The line upper-cased (ASCII letters) with its comment replaced by blanks.
std::string CodeUpper(std::string_view line);
// First position at or after from where word (upper case) stands in text with
// no letter, digit or "_" right before or after it; npos when there is none.
// Ends of word that are not word characters (" OF ") need no such neighbour.
std::size_t FindWord(std::string_view text, std::string_view word, std::size_t from = 0);
inline bool HasWord(std::string_view text, std::string_view word) {
    return FindWord(text, word) != std::string_view::npos;
}
// Whether the first word of the line (after blanks and tabs) is word.
bool FirstWordIs(std::string_view text, std::string_view word);

} // namespace korvalt

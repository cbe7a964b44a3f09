// VHDL text split into the kinds of words the highlighting tells apart:
// reserved words, comments ("--" to the end of the line, "/*" to "*/"),
// strings (also bit strings such as x"0F" and characters such as '1') and
// numbers (also based numbers such as 16#FF#). Everything else is plain.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace korvalt {

enum class TVhdlKind { Keyword, Comment, String, Number };

struct TVhdlSpan {
    std::size_t start = 0, length = 0;
    TVhdlKind kind = TVhdlKind::Keyword;
    bool operator==(const TVhdlSpan&) const = default;
};

// The spans of one line, left to right. inBlockComment says whether the line
// starts inside a "/*" comment and, on return, whether the next one does.
std::vector<TVhdlSpan> VhdlSpans(std::string_view line, bool& inBlockComment);

} // namespace korvalt

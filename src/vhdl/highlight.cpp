#include "vhdl/highlight.h"

#include "common/ascii.h"
#include "vhdl/keywords.h"

namespace korvalt {

namespace {

// Prefixes of bit-string literals (b"0101", x"0F", ux"F").
bool IsBitStringPrefix(std::string_view word) {
    if (word.empty() || word.size() > 2) return false;
    for (char c : word)
        if (std::string_view("bBoOxXdDuUsS").find(c) == std::string_view::npos) return false;
    return true;
}

} // namespace

std::vector<TVhdlSpan> VhdlSpans(std::string_view line, bool& inBlockComment) {
    std::vector<TVhdlSpan> spans;
    const std::size_t n = line.size();
    std::size_t i = 0;
    auto add = [&](std::size_t from, std::size_t to, TVhdlKind kind) {
        spans.push_back({from, to - from, kind});
        i = to;
    };
    auto blockComment = [&](std::size_t from, std::size_t searchFrom) {
        const std::size_t close = line.find("*/", searchFrom);
        inBlockComment = close == std::string_view::npos;
        add(from, inBlockComment ? n : close + 2, TVhdlKind::Comment);
    };
    if (inBlockComment) blockComment(0, 0);
    while (i < n) {
        const char c = line[i];
        const char next = i + 1 < n ? line[i + 1] : '\0';
        const bool afterWord = i > 0 && (IsWordChar(line[i - 1]) || line[i - 1] == ')');
        if (c == '-' && next == '-') {
            add(i, n, TVhdlKind::Comment);
        } else if (c == '/' && next == '*') {
            blockComment(i, i + 2);
        } else if (c == '"') {
            std::size_t j = i + 1;
            // A doubled quote stands for one quote inside the string.
            while (j < n && (line[j] != '"' || (j + 1 < n && line[j + 1] == '"')))
                j += line[j] == '"' ? 2 : 1;
            add(i, j < n ? j + 1 : n, TVhdlKind::String);
        } else if (c == '\'' && i + 2 < n && line[i + 2] == '\'' && !afterWord) {
            add(i, i + 3, TVhdlKind::String); // '1'; clk'event is an attribute
        } else if (IsDigit(c) && !(i > 0 && IsWordChar(line[i - 1]))) {
            std::size_t j = i;
            while (j < n && (IsWordChar(line[j]) || line[j] == '#' ||
                             (line[j] == '.' && j + 1 < n && IsDigit(line[j + 1]))))
                ++j;
            add(i, j, TVhdlKind::Number);
        } else if (IsLetter(c) && !(i > 0 && IsWordChar(line[i - 1]))) {
            std::size_t j = i;
            while (j < n && IsWordChar(line[j]))
                ++j;
            const std::string_view word = line.substr(i, j - i);
            if (j < n && line[j] == '"' && IsBitStringPrefix(word)) {
                std::size_t k = j + 1;
                while (k < n && line[k] != '"')
                    ++k;
                add(i, k < n ? k + 1 : n, TVhdlKind::String);
            } else if (IsVhdlReservedWord(word)) {
                add(i, j, TVhdlKind::Keyword);
            } else {
                i = j;
            }
        } else {
            ++i;
        }
    }
    return spans;
}

} // namespace korvalt

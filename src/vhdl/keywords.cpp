// Whole-word keyword search on comment-blanked, upper-cased VHDL lines.
#include "vhdl/keywords.h"

#include "common/ascii.h"

namespace korvalt {

namespace {

// The end of a string or character literal that opens at i, or i when none
// opens there. A "'" behind a letter, digit or ")" is an attribute mark (clk'event).
std::size_t LiteralEnd(std::string_view line, std::size_t i) {
    if (line[i] == '"') {
        std::size_t j = i + 1;
        while (j < line.size() && line[j] != '"')
            ++j;
        return j < line.size() ? j + 1 : line.size();
    }
    if (line[i] == '\'' && i + 2 < line.size() && line[i + 2] == '\'' &&
        (i == 0 || (!IsWordChar(line[i - 1]) && line[i - 1] != ')')))
        return i + 3;
    return i;
}

} // namespace

std::size_t CommentStart(std::string_view line) {
    for (std::size_t i = 0; i < line.size();) {
        if (line.compare(i, 2, "--") == 0) return i;
        const std::size_t e = LiteralEnd(line, i);
        i = e > i ? e : i + 1;
    }
    return line.size();
}

// Keywords and brackets inside literals count for nothing: a string's characters
// become "_", and so does a character literal's that is no letter or digit
// ('1' stays, for the levels of clock and reset; ';' does not).
std::string CodeUpper(std::string_view line) {
    std::string up = UpperCase(line);
    const std::size_t comment = CommentStart(line);
    for (std::size_t i = 0; i < comment;) {
        const std::size_t e = LiteralEnd(line, i);
        if (e == i) {
            ++i;
            continue;
        }
        for (std::size_t k = i + 1; k + 1 < e; ++k)
            if (line[i] == '"' || !IsWordChar(line[k])) up[k] = '_';
        i = e;
    }
    for (std::size_t i = comment; i < up.size(); ++i)
        up[i] = ' ';
    return up;
}

std::size_t FindWord(std::string_view text, std::string_view word, std::size_t from) {
    if (word.empty()) return std::string_view::npos;
    const bool checkBefore = IsWordChar(word.front());
    const bool checkAfter = IsWordChar(word.back());
    for (std::size_t p = text.find(word, from); p != std::string_view::npos;
         p = text.find(word, p + 1)) {
        if (checkBefore && p > 0 && IsWordChar(text[p - 1])) continue;
        const std::size_t e = p + word.size();
        if (checkAfter && e < text.size() && IsWordChar(text[e])) continue;
        return p;
    }
    return std::string_view::npos;
}

bool FirstWordIs(std::string_view text, std::string_view word) {
    std::size_t b = 0;
    while (b < text.size() && (text[b] == ' ' || text[b] == '\t'))
        ++b;
    std::size_t e = b;
    while (e < text.size() && IsWordChar(text[e]))
        ++e;
    return SameText(text.substr(b, e - b), word);
}

} // namespace korvalt

// Whole-word keyword search on comment-blanked, upper-cased VHDL lines.
#include "vhdl/keywords.h"

#include "common/ascii.h"

namespace korvalt {

std::size_t CommentStart(std::string_view line) {
    const std::size_t c = line.find("--");
    return c == std::string_view::npos ? line.size() : c;
}

std::string CodeUpper(std::string_view line) {
    std::string up = UpperCase(line);
    for (std::size_t i = CommentStart(line); i < up.size(); ++i)
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

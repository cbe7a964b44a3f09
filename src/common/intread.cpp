#include "common/intread.h"

#include "common/ascii.h"

namespace korvalt {

namespace {
int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}
} // namespace

TIntRead ReadInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    std::string_view rest = text.substr(i);
    if (rest.empty()) return {};

    std::size_t prefix = 0;
    if (rest.starts_with("0x") || rest.starts_with("0X"))
        prefix = 2;
    else if (rest[0] == '$' || rest[0] == 'x' || rest[0] == 'X')
        prefix = 1;
    if (prefix > 0) {
        const std::string_view hex = rest.substr(prefix);
        if (hex.empty()) return {};
        std::int64_t v = 0;
        bool over = false;
        for (char c : hex) {
            const int d = HexDigit(c);
            if (d < 0) return {};
            if (!over) v = v * 16 + d;
            over = over || v > INT32_MAX;
        }
        if (over) return {0, true};
        return {static_cast<std::int32_t>(v), false};
    }

    bool negative = false;
    if (rest[0] == '+' || rest[0] == '-') {
        negative = rest[0] == '-';
        rest.remove_prefix(1);
    }
    if (rest.empty()) return {};
    std::int64_t v = 0;
    bool over = false;
    for (char c : rest) {
        if (!IsDigit(c)) return {};
        if (!over) v = v * 10 + (c - '0');
        over = over || v > static_cast<std::int64_t>(INT32_MAX) + 1;
    }
    if (negative) v = -v;
    if (over || v > INT32_MAX || v < INT32_MIN) return {0, true};
    return {static_cast<std::int32_t>(v), false};
}

std::int32_t IntOf(std::string_view text) {
    return ReadInt(text).value;
}

std::int32_t DecimalOf(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first != std::string_view::npos &&
        (text[first] == '$' || text[first] == 'x' || text[first] == 'X' ||
         text.substr(first, 2) == "0x" || text.substr(first, 2) == "0X"))
        return 0;
    return IntOf(text);
}

} // namespace korvalt

#include "template/params.h"

#include <algorithm>

#include "common/cp1252.h"
#include "common/intread.h"

namespace korvalt {

std::string DeclName(std::string_view decl) {
    return std::string(decl.substr(0, decl.find('[')));
}

std::string DeclDefault(std::string_view decl) {
    const auto open = decl.find('[');
    if (open == std::string_view::npos) return "0";
    // From after the "[" up to, not including, the last character.
    std::string_view d =
        open + 1 < decl.size() ? decl.substr(open + 1, decl.size() - open - 2) : std::string_view();
    if (const auto comma = d.find(','); comma != std::string_view::npos) d = d.substr(0, comma);
    if (const auto dot = d.find('.'); dot != std::string_view::npos) d = d.substr(0, dot);
    return std::string(d);
}

std::optional<TRange> DeclRange(std::string_view decl) {
    const auto open = decl.find('[');
    if (open == std::string_view::npos) return std::nullopt;
    std::string_view rangeText;
    if (const auto close = decl.find(']', open + 1); close != std::string_view::npos)
        rangeText = decl.substr(open + 1, close - open - 1);
    const auto comma = rangeText.find(',');
    const auto dots = rangeText.find("..");
    // [d]: a default alone sets no range.
    if (comma == std::string_view::npos && dots == std::string_view::npos) return std::nullopt;
    TRange r;
    if (comma != std::string_view::npos) {
        r.lo = IntOf(rangeText.substr(0, comma));
        r.hi = IntOf(rangeText.substr(comma + 1));
    }
    if (dots != std::string_view::npos) {
        r.lo = IntOf(rangeText.substr(0, dots));
        r.hi = IntOf(rangeText.substr(dots + 2));
    }
    if (r.lo > r.hi) std::swap(r.lo, r.hi);
    return r;
}

TTemplateDecl ReadDecl(std::string text, std::size_t line) {
    TTemplateDecl d{line, std::move(text), {}, {}, {}};
    d.name = DeclName(d.text);
    d.def = DeclDefault(d.text);
    d.range = DeclRange(d.text);
    return d;
}

std::vector<TParamRow> BuildParamRows(const std::vector<TTemplateDecl>& decls) {
    std::vector<TParamRow> rows;
    for (const TTemplateDecl& d : decls)
        rows.push_back({d.text.empty() ? " " : d.text, d.def.empty() ? " " : d.def});
    return rows;
}

std::size_t LongestDecl(const std::vector<TTemplateDecl>& decls) {
    std::size_t longest = 10;
    for (const TTemplateDecl& d : decls)
        longest = std::max(longest, d.text.size());
    return longest;
}

std::optional<TValueCorrection> CorrectValue(std::string_view decl, std::string_view value) {
    if (value.empty()) return std::nullopt;
    const auto range = DeclRange(decl);
    const std::string name = Cp1252ToUtf8(DeclName(decl)) + ": " + Cp1252ToUtf8(std::string(value));
    if (ReadInt(value).outOfRange) { // it would read as 0
        const std::string to = range ? std::to_string(range->lo) : DeclDefault(decl);
        return TValueCorrection{to, name +
                                        " liegt au\u00dferhalb von -2147483648..2147483647 "
                                        "(32 Bit) und wird nicht angenommen; es gilt " +
                                        Cp1252ToUtf8(to) + "."};
    }
    if (!range) return std::nullopt;
    const std::int32_t v = IntOf(value);
    if (v >= range->lo && v <= range->hi) return std::nullopt;
    const std::string to = std::to_string(range->lo);
    return TValueCorrection{to, name + " liegt nicht im Bereich " + std::to_string(range->lo) +
                                    ".." + std::to_string(range->hi) + " und wird zu " + to + "."};
}

std::optional<std::string> CheckValue(std::string_view decl, std::string_view value) {
    if (auto c = CorrectValue(decl, value)) return c->value;
    return std::nullopt;
}

std::vector<TParam> ParamsFromRows(const std::vector<TParamRow>& rows) {
    std::vector<TParam> params;
    for (const auto& row : rows)
        params.push_back({DeclName(row.decl), row.value});
    return params;
}

} // namespace korvalt

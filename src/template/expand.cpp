#include "template/expand.h"

#include "common/ascii.h"
#include "common/intread.h"
#include "common/paths.h"
#include "common/vhdlname.h"

namespace korvalt {

void ReplaceAll(std::string& line, std::string_view marker, std::string_view replacement) {
    if (marker.empty()) return;
    std::size_t pos = FindNoCase(line, marker);
    if (pos == std::string::npos) return;
    std::string out;
    std::size_t from = 0;
    while (pos != std::string::npos) {
        out.append(line, from, pos - from);
        out += replacement;
        from = pos + marker.size();
        pos = FindNoCase(line, marker, from);
    }
    out.append(line, from);
    line = std::move(out);
}

TMarker ReadMarker(std::string_view inner) {
    TMarker m;
    if (inner.starts_with('$')) {
        m.kind = TMarker::TKind::Repeat;
        const std::string_view text = inner.substr(1);
        const auto comma = text.rfind(',');
        if (comma == std::string_view::npos || comma == 0) return m;
        m.pattern = text.substr(0, comma);
        m.ref = text.substr(comma + 1);
        // The first "-" anywhere in the reference asks for one less.
        if (const auto minus = m.ref.find('-'); minus != std::string::npos) {
            m.ref.erase(minus, 1);
            m.minus = true;
        }
        return m;
    }
    if (SameText(inner, "NAME")) {
        m.kind = TMarker::TKind::Name;
        return m;
    }
    m.ref = inner;
    if (!m.ref.empty() && m.ref.back() == '-') {
        m.ref.pop_back();
        m.minus = true;
    }
    return m;
}

std::string MarkerText(std::string_view name, bool minus) {
    return "|" + std::string(name) + (minus ? "-|" : "|");
}

namespace {

void ExpandRepeat(std::string& line, const std::vector<TParam>& params) {
    const auto start = line.find("|$");
    if (start == std::string::npos) return;
    const auto close = line.find('|', start + 2);
    if (close == std::string::npos) return;
    const std::string marker = line.substr(start, close - start + 1);
    const TMarker m = ReadMarker(std::string_view(marker).substr(1, marker.size() - 2));
    const std::string& pattern = m.pattern;
    if (pattern.empty()) return;
    std::int64_t count = 0;
    for (const TParam& p : params)
        if (SameText(p.name, m.ref)) count = IntOf(p.value); // the last match counts
    if (count <= 0) return;
    if (m.minus) --count;
    if (static_cast<std::uint64_t>(count) * pattern.size() > MaxRepeatLength) return;
    std::string rep = "\"";
    rep.reserve(pattern.size() * static_cast<std::size_t>(count) + 2);
    for (std::int64_t i = 0; i < count; ++i)
        rep += pattern;
    rep += '"';
    ReplaceAll(line, marker, rep);
}

} // namespace

void ExpandTemplate(const std::string& outputPath, TStrings& body,
                    const std::vector<TParam>& params) {
    const std::string base = BaseNameBeforeDot(FileNamePart(outputPath));
    for (std::string& line : body) {
        ReplaceAll(line, MarkerText("NAME"), base);
        for (const TParam& p : params) {
            ReplaceAll(line, MarkerText(p.name), p.value);
            std::int32_t k = IntOf(p.value);
            if (k > 0) --k;
            ReplaceAll(line, MarkerText(p.name, true), std::to_string(k));
        }
        ExpandRepeat(line, params);
    }
}

bool UsesNameMarker(const TStrings& body) {
    for (const std::string& line : body)
        if (FindNoCase(line, "|NAME|") != std::string::npos) return true;
    return false;
}

std::string NameMarkerProblem(const TStrings& body, const std::string& outputPath) {
    const std::string base = BaseNameBeforeDot(FileNamePart(outputPath));
    if (!UsesNameMarker(body) || IsVhdlIdentifier(base)) return {};
    return "Der Name \"" + base +
           "\" (der Dateiname bis zum ersten Punkt) ist kein gültiger VHDL-Bezeichner für "
           "|NAME|: " +
           IdentifierRuleText;
}

std::string OutputPath(const std::string& folder, const std::string& name) {
    std::string path = folder + name;
    if (FileNamePart(path).find('.') == std::string::npos) path += ".VHD";
    return path;
}

} // namespace korvalt

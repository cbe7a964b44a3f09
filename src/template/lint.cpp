// The template check: see lint.h for what it reports.
#include "template/lint.h"

#include <algorithm>
#include <map>
#include <set>

#include "common/ascii.h"
#include "common/cp1252.h"
#include "common/intread.h"
#include "common/paths.h"
#include "common/vhdlname.h"
#include "template/expand.h"
#include "template/reader.h"

namespace korvalt {

namespace {

// Template text (Windows-1252) within quotes, for a finding.
std::string Quoted(const std::string& cp1252) {
    return "\"" + Cp1252ToUtf8(cp1252) + "\"";
}

// A default the grid can show and a value cell can hold: a number IntOf reads.
bool IsNumberText(const std::string& text) {
    if (IntOf(text) != 0) return true;
    return text.find('0') != std::string::npos &&
           text.find_first_not_of(" +-0") == std::string::npos;
}

// The smallest and largest value a parameter can take: its range, or its default alone.
TRange Bounds(const TTemplateDecl& decl) {
    if (decl.range) return *decl.range;
    const std::int32_t d = IntOf(decl.def);
    return {d, d};
}

bool LooksLikeName(std::string_view s) {
    if (s.empty() || !(IsLetter(s[0]) || s[0] == '_')) return false;
    return std::all_of(s.begin(), s.end(), IsWordChar);
}

// A marker as the expansion would meet it in a body line.
struct TFoundMarker {
    std::string text; // with its bars
    TMarker marker;
};

// The markers of a line, left to right. A pair of bars counts as a marker when
// it holds "NAME", a declared name (with or without a trailing "-"), a word
// that looks like one, or a repeat "$...". Other bars (VHDL's choice "|") are text.
// declared: the section's parameter names upper-cased, each with its last declaration.
std::vector<TFoundMarker> Markers(const std::string& line,
                                  const std::map<std::string, std::size_t>& declared) {
    std::vector<TFoundMarker> found;
    std::size_t p = line.find('|');
    while (p != std::string::npos) {
        const std::size_t q = line.find('|', p + 1);
        if (q == std::string::npos) break;
        TMarker m = ReadMarker(std::string_view(line).substr(p + 1, q - p - 1));
        if (m.kind != TMarker::TKind::Value || declared.count(UpperCase(m.ref)) ||
            LooksLikeName(m.ref)) {
            found.push_back({line.substr(p, q - p + 1), std::move(m)});
            p = line.find('|', q + 1);
        } else {
            p = q; // the closing bar may open the next marker
        }
    }
    return found;
}

class TChecker {
  public:
    explicit TChecker(const std::vector<TTemplateSection>& sections) : sections_(sections) {}

    std::vector<TFinding> Run(std::string_view fileName) {
        if (!fileName.empty()) CheckFileName(fileName);
        if (sections_.empty())
            findings_.push_back(
                {NoLine, "", 0,
                 "Die Vorlage hat keinen Abschnitt (keine Zeile, die mit \"#\" beginnt)."});
        std::map<std::string, std::size_t> firstHeader;
        for (std::size_t k = 0; k < sections_.size(); ++k) {
            const TTemplateSection& s = sections_[k];
            section_ = k;
            name_ = s.name;
            const auto [it, isNew] = firstHeader.emplace(UpperCase(name_), s.header);
            if (!isNew)
                Add(s.header, "Der Name steht schon in Zeile " + std::to_string(it->second) +
                                  "; erzeugt wird immer der Rumpf des ersten Abschnitts.");
            CheckSection(s);
        }
        std::stable_sort(findings_.begin(), findings_.end(),
                         [](const TFinding& a, const TFinding& b) { return a.line < b.line; });
        return std::move(findings_);
    }

  private:
    void Add(std::size_t line, std::string message) {
        findings_.push_back({section_, name_, line, std::move(message)});
    }

    void CheckSection(const TTemplateSection& s) {
        std::map<std::string, std::size_t> declared; // the last one of a name counts
        for (std::size_t d = 0; d < s.decls.size(); ++d)
            declared[UpperCase(s.decls[d].name)] = d;
        for (const TTemplateDecl& d : s.decls)
            CheckDefault(d);

        if (!s.OwnBodyOpen()) {
            Add(s.header, "Der Abschnitt hat keinen Rumpf (keine Zeile, die mit \"<\" beginnt).");
            return;
        }
        if (!s.OwnBodyClose())
            Add(s.bodyOpen, s.end <= s.file->size()
                                ? "Der Rumpf ist nicht mit \">\" geschlossen; Zeile " +
                                      std::to_string(s.end) +
                                      " beginnt mit \"#\" und damit einen neuen Abschnitt."
                                : "Der Rumpf ist nicht mit \">\" geschlossen.");
        else if (s.bodyClose == s.bodyOpen + 1)
            Add(s.bodyOpen, "Der Rumpf ist leer; es wird keine Datei geschrieben.");
        // Declarations after an empty line and before "<" are not read.
        for (std::size_t n = s.header + 1; n < s.bodyOpen; ++n)
            if (s.Line(n).starts_with('-') &&
                std::none_of(s.decls.begin(), s.decls.end(),
                             [n](const TTemplateDecl& d) { return d.line == n; }))
                Add(n, "Die Deklaration " + Quoted(s.Line(n).substr(1)) +
                           " steht nach einer Leerzeile und wird nicht gelesen.");

        std::set<std::string> used, reported;
        const std::size_t bodyEnd = s.OwnBodyClose() ? s.bodyClose : s.end;
        for (std::size_t n = s.bodyOpen + 1; n < bodyEnd; ++n) {
            std::string firstRepeat;
            for (const auto& found : Markers(s.Line(n), declared)) {
                // Named, not bound: clang's C++20 lets no lambda capture a structured binding.
                const std::string& text = found.text;
                const TMarker& m = found.marker;
                const bool repeat = m.kind == TMarker::TKind::Repeat;
                const auto d = m.ref.empty() ? declared.end() : declared.find(UpperCase(m.ref));
                if (d != declared.end()) used.insert(d->first);
                auto report = [&](std::string message) {
                    if (reported.insert(text + message).second)
                        Add(n, "Platzhalter " + Cp1252ToUtf8(text) + ": " + std::move(message));
                };
                if (repeat && firstRepeat.empty()) {
                    firstRepeat = text;
                } else if (repeat && text != firstRepeat) {
                    report("nur der erste Wiederholungs-Platzhalter einer Zeile wird ersetzt, "
                           "dieser bleibt stehen.");
                    continue;
                }
                if (repeat && m.pattern.empty()) {
                    report("hat nicht die Form |$Muster,Parameter| und bleibt stehen.");
                    continue;
                }
                if (m.ref.empty()) continue; // |NAME|
                if (d == declared.end()) {
                    report("nennt keinen Parameter des Abschnitts und bleibt stehen.");
                    continue;
                }
                CheckCount(m, s.decls[d->second], report);
            }
        }
        for (const TTemplateDecl& d : s.decls)
            if (!used.count(UpperCase(d.name)))
                Add(d.line, "Den Parameter " + Quoted(d.name) + " verwendet kein Platzhalter.");
    }

    template <typename F> void CheckCount(const TMarker& m, const TTemplateDecl& decl, F& report) {
        const TRange b = Bounds(decl);
        const std::string at = "bei " + Cp1252ToUtf8(decl.name) + " = ";
        if (m.kind == TMarker::TKind::Repeat) {
            if (b.lo <= 0) report(at + std::to_string(b.lo) + " bleibt er unersetzt stehen.");
            const std::int64_t count = static_cast<std::int64_t>(b.hi) - (m.minus ? 1 : 0);
            if (count > 0 && static_cast<std::uint64_t>(count) * m.pattern.size() > MaxRepeatLength)
                report(at + std::to_string(b.hi) + " würde die Zeichenkette länger als " +
                       std::to_string(MaxRepeatLength) + " Zeichen; er bleibt dann stehen.");
        } else if (m.minus && b.lo <= 0) {
            report(at + std::to_string(b.lo) + " ergäbe sich " +
                   std::to_string(static_cast<std::int64_t>(b.lo) - 1) + ", eingesetzt wird aber " +
                   std::to_string(b.lo) + ".");
        }
    }

    void CheckDefault(const TTemplateDecl& decl) {
        const std::string& def = decl.def;
        if (!IsNumberText(def)) {
            Add(decl.line, "Der Vorgabewert " + Quoted(def) + " von " + Quoted(decl.text) +
                               " ist keine Zahl.");
            return;
        }
        const auto& r = decl.range;
        const std::int32_t v = IntOf(def);
        if (r && (v < r->lo || v > r->hi))
            Add(decl.line, "Der Vorgabewert " + Cp1252ToUtf8(def) + " von " + Quoted(decl.text) +
                               " liegt nicht im Bereich " + std::to_string(r->lo) + ".." +
                               std::to_string(r->hi) + ".");
    }

    // The prompt proposes the file name lower-cased; |NAME| takes it up to the first ".".
    void CheckFileName(std::string_view fileName) {
        const std::string file = FileNamePart(fileName);
        const std::string base = BaseNameBeforeDot(LowerCase(file));
        if (IsVhdlIdentifier(base)) return;
        for (const TTemplateSection& s : sections_) {
            if (!s.OwnBodyOpen()) continue;
            TStrings body;
            for (std::size_t n = s.bodyOpen + 1; n < (s.OwnBodyClose() ? s.bodyClose : s.end); ++n)
                body.push_back(s.Line(n));
            if (!UsesNameMarker(body)) continue;
            findings_.push_back(
                {NoLine, "", 0,
                 "Der Dateiname \"" + file + "\" schlägt für |NAME| den Namen \"" + base +
                     "\" vor; das ist kein gültiger VHDL-Bezeichner: " + IdentifierRuleText});
            return;
        }
    }

    const std::vector<TTemplateSection>& sections_;
    std::vector<TFinding> findings_;
    std::size_t section_ = NoLine;
    std::string name_;
};

} // namespace

std::vector<TFinding> CheckTemplate(const std::vector<TTemplateSection>& sections,
                                    std::string_view fileName) {
    return TChecker(sections).Run(fileName);
}

std::string FindingText(const TFinding& f) {
    if (f.section == NoLine) return f.message;
    return "Zeile " + std::to_string(f.line) + ", Abschnitt " + Quoted(f.sectionName) + ": " +
           f.message;
}

std::vector<std::vector<TParamRow>> TrialValues(const std::vector<TTemplateDecl>& decls) {
    std::vector<std::vector<TParamRow>> sets{BuildParamRows(decls)};
    for (bool upper : {false, true}) {
        auto rows = sets.front();
        for (auto& row : rows)
            if (const auto r = DeclRange(row.decl))
                row.value = std::to_string(upper ? r->hi : r->lo);
        const bool repeated = std::any_of(sets.begin(), sets.end(), [&](const auto& set) {
            return std::equal(
                set.begin(), set.end(), rows.begin(), rows.end(),
                [](const TParamRow& a, const TParamRow& b) { return a.value == b.value; });
        });
        if (!repeated) sets.push_back(std::move(rows));
    }
    return sets;
}

} // namespace korvalt

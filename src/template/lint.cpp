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
#include "template/u_srctemp.h"

namespace korvalt {

std::vector<TSectionLayout> SectionLayouts(const TStrings& lines) {
    std::vector<std::size_t> headers;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].starts_with('#')) headers.push_back(i);
    std::vector<TSectionLayout> layouts;
    for (std::size_t k = 0; k < headers.size(); ++k) {
        TSectionLayout s;
        s.header = headers[k];
        s.end = k + 1 < headers.size() ? headers[k + 1] : lines.size();
        std::size_t i = s.header + 1;
        for (; i < s.end && !lines[i].empty() && !lines[i].starts_with('<'); ++i) {
            if (lines[i].starts_with('-')) {
                s.declLines.push_back(i);
            } else {
                const std::string text = TrimBlanks(lines[i]);
                if (!text.empty()) s.description += (s.description.empty() ? "" : " ") + text;
            }
        }
        for (; i < s.end && s.bodyOpen == NoLine; ++i)
            if (lines[i].starts_with('<')) s.bodyOpen = i;
        for (; i < s.end && s.bodyClose == NoLine; ++i)
            if (lines[i].starts_with('>')) s.bodyClose = i;
        layouts.push_back(std::move(s));
    }
    return layouts;
}

namespace {

std::string Msg(const char* utf8) {
    return Utf8ToCp1252(utf8);
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// A default the grid can show and a value cell can hold: a number IntOf reads.
bool IsNumberText(const std::string& text) {
    if (IntOf(text) != 0) return true;
    return text.find('0') != std::string::npos &&
           text.find_first_not_of(" +-0") == std::string::npos;
}

// The smallest and largest value a parameter can take: its range, or its default alone.
TRange Bounds(const std::string& decl) {
    if (const auto r = DeclRange(decl)) return *r;
    const std::int32_t d = IntOf(DeclDefault(decl));
    return {d, d};
}

bool LooksLikeName(std::string_view s) {
    if (s.empty() || !(IsLetter(s[0]) || s[0] == '_')) return false;
    return std::all_of(s.begin(), s.end(), IsWordChar);
}

// One marker as the expansion would meet it in a body line.
struct TMarker {
    std::string text;   // with its bars
    std::string ref;    // the parameter it names ("" for |NAME| and malformed repeats)
    bool minus = false; // |P-| or |$pat,P-|
    bool repeat = false;
    std::size_t patternLength = 0;
};

// The markers of a line, left to right. A pair of bars counts as a marker when
// it holds "NAME", a declared name (with or without a trailing "-"), a word
// that looks like one, or a repeat "$...". Other bars (VHDL's choice "|") are text.
// declared: the section's parameter names upper-cased, each with its last declaration.
std::vector<TMarker> Markers(const std::string& line,
                             const std::map<std::string, std::size_t>& declared) {
    std::vector<TMarker> found;
    std::size_t p = line.find('|');
    while (p != std::string::npos) {
        const std::size_t q = line.find('|', p + 1);
        if (q == std::string::npos) break;
        const std::string inner = line.substr(p + 1, q - p - 1);
        TMarker m;
        m.text = line.substr(p, q - p + 1);
        if (inner.starts_with('$')) {
            m.repeat = true;
            const std::string repeatText = inner.substr(1);
            const auto comma = repeatText.rfind(',');
            if (comma != std::string::npos && comma > 0) {
                m.patternLength = comma;
                m.ref = repeatText.substr(comma + 1);
                if (const auto minus = m.ref.find('-'); minus != std::string::npos) {
                    m.ref.erase(minus, 1);
                    m.minus = true;
                }
            }
            found.push_back(std::move(m));
            p = line.find('|', q + 1);
            continue;
        }
        std::string name = inner;
        if (!name.empty() && name.back() == '-') {
            name.pop_back();
            m.minus = true;
        }
        if (SameText(inner, "NAME") || declared.count(UpperCase(name)) || LooksLikeName(name)) {
            if (!SameText(inner, "NAME")) m.ref = name;
            found.push_back(std::move(m));
            p = line.find('|', q + 1);
        } else {
            p = q; // the closing bar may open the next marker
        }
    }
    return found;
}

class TChecker {
  public:
    TChecker(const TStrings& lines) : lines_(lines), reader_(lines) {}

    std::vector<TFinding> Run(std::string_view fileName) {
        const auto layouts = SectionLayouts(lines_);
        if (!fileName.empty()) CheckFileName(layouts, fileName);
        if (layouts.empty())
            findings_.push_back(
                {NoLine, "", 0,
                 Msg("Die Vorlage hat keinen Abschnitt (keine Zeile, die mit \"#\" beginnt).")});
        std::map<std::string, std::size_t> firstHeader;
        for (std::size_t k = 0; k < layouts.size(); ++k) {
            section_ = k;
            name_ = lines_[layouts[k].header].substr(1);
            const auto [it, isNew] = firstHeader.emplace(UpperCase(name_), layouts[k].header);
            if (!isNew)
                Add(layouts[k].header,
                    Msg("Der Name steht schon in Zeile ") + std::to_string(it->second + 1) +
                        Msg("; erzeugt wird immer der Rumpf des ersten Abschnitts."));
            CheckSection(layouts[k]);
        }
        std::stable_sort(findings_.begin(), findings_.end(),
                         [](const TFinding& a, const TFinding& b) { return a.line < b.line; });
        return std::move(findings_);
    }

  private:
    void Add(std::size_t index, std::string message) {
        findings_.push_back({section_, name_, index + 1, std::move(message)});
    }

    void CheckSection(const TSectionLayout& s) {
        std::vector<std::string> decls, names;
        std::map<std::string, std::size_t> declared; // the last one of a name counts
        std::string declString;
        for (std::size_t i : s.declLines) {
            decls.push_back(lines_[i].substr(1));
            names.push_back(DeclName(decls.back()));
            declared[UpperCase(names.back())] = names.size() - 1;
            declString += decls.back() + "|";
        }
        CheckPairing(s, declString);
        for (std::size_t d = 0; d < decls.size(); ++d)
            CheckDefault(s.declLines[d], decls[d]);

        if (s.bodyOpen == NoLine) {
            Add(s.header,
                Msg("Der Abschnitt hat keinen Rumpf (keine Zeile, die mit \"<\" beginnt)."));
            return;
        }
        if (s.bodyClose == NoLine)
            Add(s.bodyOpen, s.end < lines_.size()
                                ? Msg("Der Rumpf ist nicht mit \">\" geschlossen; Zeile ") +
                                      std::to_string(s.end + 1) +
                                      Msg(" beginnt mit \"#\" und damit einen neuen Abschnitt.")
                                : Msg("Der Rumpf ist nicht mit \">\" geschlossen."));
        else if (s.bodyClose == s.bodyOpen + 1)
            Add(s.bodyOpen, Msg("Der Rumpf ist leer; es wird keine Datei geschrieben."));
        // Declarations after an empty line and before "<" are not read.
        for (std::size_t i = s.header + 1; i < s.bodyOpen; ++i)
            if (lines_[i].starts_with('-') &&
                !std::binary_search(s.declLines.begin(), s.declLines.end(), i))
                Add(i, Msg("Die Deklaration ") + Quoted(lines_[i].substr(1)) +
                           Msg(" steht nach einer Leerzeile und wird nicht gelesen."));

        std::set<std::string> used, reported;
        const std::size_t bodyEnd = s.bodyClose == NoLine ? s.end : s.bodyClose;
        for (std::size_t i = s.bodyOpen + 1; i < bodyEnd; ++i) {
            std::string firstRepeat;
            for (const TMarker& m : Markers(lines_[i], declared)) {
                const auto d = m.ref.empty() ? declared.end() : declared.find(UpperCase(m.ref));
                if (d != declared.end()) used.insert(d->first);
                auto report = [&](std::string message) {
                    if (reported.insert(m.text + message).second)
                        Add(i, Msg("Platzhalter ") + m.text + ": " + std::move(message));
                };
                if (m.repeat && firstRepeat.empty()) {
                    firstRepeat = m.text;
                } else if (m.repeat && m.text != firstRepeat) {
                    report(Msg("nur der erste Wiederholungs-Platzhalter einer Zeile wird ersetzt, "
                               "dieser bleibt stehen."));
                    continue;
                }
                if (m.repeat && m.patternLength == 0) {
                    report(Msg("hat nicht die Form |$Muster,Parameter| und bleibt stehen."));
                    continue;
                }
                if (m.ref.empty()) continue; // |NAME|
                if (d == declared.end()) {
                    report(Msg("nennt keinen Parameter des Abschnitts und bleibt stehen."));
                    continue;
                }
                CheckCount(m, names[d->second], decls[d->second], report);
            }
        }
        for (std::size_t d = 0; d < decls.size(); ++d)
            if (!used.count(UpperCase(names[d])))
                Add(s.declLines[d],
                    Msg("Den Parameter ") + Quoted(names[d]) + Msg(" verwendet kein Platzhalter."));
    }

    template <typename F>
    void CheckCount(const TMarker& m, const std::string& name, const std::string& decl, F& report) {
        const TRange b = Bounds(decl);
        const std::string at = Msg("bei ") + name + " = ";
        if (m.repeat) {
            if (b.lo <= 0) report(at + std::to_string(b.lo) + Msg(" bleibt er unersetzt stehen."));
            const std::int64_t count = static_cast<std::int64_t>(b.hi) - (m.minus ? 1 : 0);
            if (count > 0 && static_cast<std::uint64_t>(count) * m.patternLength > MaxRepeatLength)
                report(at + std::to_string(b.hi) + Msg(" würde die Zeichenkette länger als ") +
                       std::to_string(MaxRepeatLength) + Msg(" Zeichen; er bleibt dann stehen."));
        } else if (m.minus && b.lo <= 0) {
            report(at + std::to_string(b.lo) + Msg(" ergäbe sich ") +
                   std::to_string(static_cast<std::int64_t>(b.lo) - 1) +
                   Msg(", eingesetzt wird aber ") + std::to_string(b.lo) + ".");
        }
    }

    void CheckDefault(std::size_t index, const std::string& decl) {
        const std::string def = DeclDefault(decl);
        if (!IsNumberText(def)) {
            Add(index, Msg("Der Vorgabewert ") + Quoted(def) + Msg(" von ") + Quoted(decl) +
                           Msg(" ist keine Zahl."));
            return;
        }
        const auto r = DeclRange(decl);
        const std::int32_t v = IntOf(def);
        if (r && (v < r->lo || v > r->hi))
            Add(index, Msg("Der Vorgabewert ") + def + Msg(" von ") + Quoted(decl) +
                           Msg(" liegt nicht im Bereich ") + std::to_string(r->lo) + ".." +
                           std::to_string(r->hi) + ".");
    }

    // The window pairs sections and declaration strings by position; an empty
    // line right after a header shifts every later section onto its successor's.
    void CheckPairing(const TSectionLayout& s, const std::string& own) {
        const auto& varDecls = reader_.VarDecls();
        const bool has = section_ < varDecls.size();
        if ((has ? varDecls[section_] : "") == own) return;
        auto list = [](const std::string& d) {
            std::string text;
            for (const auto& item : SplitDecls(d))
                text += (text.empty() ? "" : ", ") + item;
            return text;
        };
        const std::string shown = list(has ? varDecls[section_] : ""), meant = list(own);
        Add(s.header,
            Msg("Im Fenster erhält der Abschnitt ") +
                (shown.empty() ? Msg("keine Parameter") : "die Parameter " + Quoted(shown)) +
                Msg(" statt ") + (meant.empty() ? Msg("keiner") : Quoted(meant)) +
                Msg(" (steht eine Leerzeile direkt nach einer Kopfzeile?)."));
    }

    // The prompt proposes the file name lower-cased; |NAME| takes it up to the first ".".
    void CheckFileName(const std::vector<TSectionLayout>& layouts, std::string_view fileName) {
        const std::string file = FileNamePart(fileName);
        const std::string base = BaseNameBeforeDot(LowerCase(file));
        if (IsVhdlIdentifier(base)) return;
        for (const TSectionLayout& s : layouts) {
            if (s.bodyOpen == NoLine) continue;
            const std::size_t bodyEnd = s.bodyClose == NoLine ? s.end : s.bodyClose;
            const TStrings body(lines_.begin() + static_cast<std::ptrdiff_t>(s.bodyOpen) + 1,
                                lines_.begin() + static_cast<std::ptrdiff_t>(bodyEnd));
            if (!UsesNameMarker(body)) continue;
            findings_.push_back(
                {NoLine, "", 0,
                 Utf8ToCp1252(
                     "Der Dateiname \"" + file + "\" schlägt für |NAME| den Namen \"" + base +
                     "\" vor; das ist kein gültiger VHDL-Bezeichner: " + IdentifierRuleText)});
            return;
        }
    }

    const TStrings& lines_;
    const Tsrctemp reader_;
    std::vector<TFinding> findings_;
    std::size_t section_ = NoLine;
    std::string name_;
};

} // namespace

std::vector<TFinding> CheckTemplate(const TStrings& lines, std::string_view fileName) {
    return TChecker(lines).Run(fileName);
}

std::string FindingText(const TFinding& f) {
    if (f.section == NoLine) return f.message;
    return "Zeile " + std::to_string(f.line) + ", Abschnitt " + Quoted(f.sectionName) + ": " +
           f.message;
}

std::vector<std::vector<TParamRow>> TrialValues(std::string_view declString) {
    std::vector<std::vector<TParamRow>> sets{BuildParamRows(declString)};
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

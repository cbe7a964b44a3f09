#include "fsm/kiss2.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "common/ascii.h"
#include "common/cp1252.h"
#include "common/textfile.h"
#include "common/vhdlname.h"
#include "fsm/checks.h"
#include "fsm/cube.h"

namespace korvalt {

namespace {

// Thrown inside the reader; ReadKiss2 turns it into its result.
struct TKissError {
    int line;
    std::string reason;
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

// The fields of a line before its comment.
TStrings Fields(std::string_view line) {
    line = line.substr(0, std::min(line.find('#'), line.size()));
    TStrings fields;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsBlank(line[i]))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && !IsBlank(line[i]))
            ++i;
        if (i > start) fields.emplace_back(line.substr(start, i - start));
    }
    return fields;
}

// A character for a message: printable ones as they are, others by their code.
std::string ShowChar(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 0x20 && u != 0x7f) return QuotedForMessage(std::string(1, c));
    static const char hex[] = "0123456789ABCDEF";
    return std::string("0x") + hex[u >> 4] + hex[u & 15];
}

void CheckPattern(const std::string& bits, int width, const char* what, int line) {
    for (char c : bits)
        if (c != '0' && c != '1' && c != '-')
            throw TKissError{line, std::string(what) + QuotedForMessage(bits) +
                                       " enthält das Zeichen " + ShowChar(c) +
                                       "; erlaubt sind 0, 1 und -."};
    if (bits.size() != static_cast<std::size_t>(width))
        throw TKissError{line, std::string(what) + QuotedForMessage(bits) + " hat " +
                                   std::to_string(bits.size()) + " statt " + std::to_string(width) +
                                   " Bits."};
}

// The name of a pattern: the letter, then the pattern with "-" written "x".
std::string PatternName(char letter, std::string bits) {
    std::replace(bits.begin(), bits.end(), '-', 'x');
    return letter + bits;
}

// Names the generated VHDL file uses itself (upper case): a state may not take
// them, nor the package the file names for its don't-care comparisons.
bool UsedByTheFile(const std::string& upper) {
    return DeclaredByGeneratedFile(upper) || NamesLibraryOrPackage(upper) || upper == "NUMERIC_STD";
}

struct TRow {
    int line;
    std::string in, cur, next, out;
};

struct THeader {
    int i = -1, o = -1, p = -1, s = -1;
    std::string r;
    int rLine = 0;
};

int Count(const TStrings& f, int line) {
    const std::string& what = f[0];
    if (f.size() != 2) throw TKissError{line, "Die Angabe " + what + " braucht genau eine Zahl."};
    const std::string& n = f[1];
    if (n.empty() || n.size() > 9 || n.find_first_not_of("0123456789") != std::string::npos)
        throw TKissError{line, "Die Angabe " + what + " braucht eine Zahl, nicht " +
                                   QuotedForMessage(n) + "."};
    return std::stoi(n);
}

void ReadDirective(const TStrings& f, int line, bool rowsSeen, THeader& h) {
    const std::string what = LowerCase(f[0]);
    auto once = [&](bool given) {
        if (given) throw TKissError{line, "Die Angabe " + what + " steht mehrfach in der Datei."};
    };
    if (what == ".i" || what == ".o") {
        int& width = what == ".i" ? h.i : h.o;
        once(width >= 0);
        if (rowsSeen)
            throw TKissError{line, "Die Angabe " + what + " muss vor der ersten Zeile stehen."};
        width = Count(f, line);
        if (width == 0)
            throw TKissError{line, what == ".i" ? "Der Automat hat keinen Eingang (.i 0); eine "
                                                  "Beschreibung braucht mindestens einen."
                                                : "Der Automat hat keinen Ausgang (.o 0); eine "
                                                  "Beschreibung braucht mindestens einen."};
        if (width > MaxBitWidth)
            throw TKissError{line, "Die Angabe " + what + " nennt " + std::to_string(width) +
                                       " Bits; mehr als " + std::to_string(MaxBitWidth) +
                                       " sind nicht möglich."};
    } else if (what == ".p" || what == ".s") {
        int& n = what == ".p" ? h.p : h.s;
        once(n >= 0);
        n = Count(f, line);
    } else if (what == ".r") {
        once(h.rLine > 0);
        if (f.size() != 2 || f[1] == "*")
            throw TKissError{line, "Die Angabe .r braucht genau einen Zustand."};
        h.r = f[1];
        h.rLine = line;
    } else {
        throw TKissError{line, "Unbekannte Angabe " + QuotedForMessage(f[0]) + "."};
    }
}

TRow ReadRow(const TStrings& f, int line, const THeader& h) {
    if (h.i < 0 || h.o < 0)
        throw TKissError{line, std::string("Vor der ersten Zeile fehlt die Angabe ") +
                                   (h.i < 0 ? ".i" : ".o") + "."};
    if (f.size() < 4)
        throw TKissError{line, "Der Zeile fehlt ein Feld: erwartet werden Eingänge, Zustand, "
                               "Folgezustand und Ausgänge."};
    if (f.size() > 4)
        throw TKissError{line, "Die Zeile hat mehr als vier Felder: " + QuotedForMessage(f[4]) +
                                   " ist zu viel."};
    CheckPattern(f[0], h.i, "Das Eingangsmuster ", line);
    CheckPattern(f[3], h.o, "Das Ausgangsmuster ", line);
    return {line, f[0], f[1], f[2], f[3]};
}

// The states in the order the rows name them first; the reset state last when no row names it.
TStrings CollectStates(const std::vector<TRow>& rows, const THeader& h) {
    TStrings states;
    std::unordered_set<std::string> seen;
    for (const auto& r : rows)
        for (const std::string* s : {&r.cur, &r.next})
            if (*s != "*" && seen.insert(*s).second) states.push_back(*s);
    if (!h.r.empty() && seen.insert(h.r).second) states.push_back(h.r);
    return states;
}

// The names the description gives the states (see the file header).
TStrings StateNames(const TStrings& states, std::unordered_set<std::string> taken) {
    TStrings names(states.size());
    for (std::size_t k = 0; k < states.size(); ++k) {
        const std::string upper = UpperCase(states[k]);
        if (IsVhdlIdentifier(states[k]) && !UsedByTheFile(upper) && taken.insert(upper).second)
            names[k] = states[k];
    }
    for (std::size_t k = 0; k < states.size(); ++k) {
        if (!names[k].empty()) continue;
        std::string base = "Z";
        for (char c : states[k])
            if (IsLetter(c) || IsDigit(c)) base += c;
        std::string name = base;
        for (int n = 2; UsedByTheFile(UpperCase(name)) || IsVhdlReservedWord(name) ||
                        !taken.insert(UpperCase(name)).second;
             ++n)
            name = base + "_" + std::to_string(n);
        names[k] = name;
    }
    return names;
}

// Moore: the output of each state, merged over its rows (a "-" gives way to a
// value); two values for one bit mean the outputs depend on the inputs.
TStrings MooreOutputs(const std::vector<TRow>& rows, const TStrings& states,
                      const std::unordered_map<std::string, std::size_t>& index, int width) {
    TStrings out(states.size());
    std::vector<const TRow*> first(states.size(), nullptr);
    for (const auto& r : rows) {
        const std::size_t k = index.at(r.cur);
        if (!first[k]) {
            first[k] = &r;
            out[k] = r.out;
            continue;
        }
        for (std::size_t b = 0; b < r.out.size(); ++b) {
            if (r.out[b] == '-') continue;
            if (out[k][b] != '-' && out[k][b] != r.out[b])
                throw TKissError{r.line, "Als Moore-Automat nicht lesbar: Die Ausgänge hängen "
                                         "von den Eingängen ab (Zustand " +
                                             QuotedForMessage(states[k]) + ": Zeile " +
                                             std::to_string(first[k]->line) + " gibt " +
                                             QuotedForMessage(first[k]->out) +
                                             " aus, diese Zeile " + QuotedForMessage(r.out) + ")."};
            out[k][b] = r.out[b];
        }
    }
    for (auto& o : out)
        if (o.empty()) o.assign(static_cast<std::size_t>(width), '-');
    return out;
}

// Moore states that no row leaves: their output is left open.
void NoteOpenOutputs(const std::vector<TRow>& rows, const TStrings& names,
                     const std::unordered_map<std::string, std::size_t>& index, TStrings& rep) {
    std::vector<bool> hasRow(names.size(), false);
    for (const auto& r : rows)
        hasRow[index.at(r.cur)] = true;
    for (std::size_t k = 0; k < names.size(); ++k)
        if (!hasRow[k])
            rep.push_back("Der Zustand " + QuotedForMessage(names[k]) +
                          " hat keine Zeile; seine Ausgabe bleibt offen (-).");
}

// Index of a pattern's name in a matrix, adding the entry when it is new.
std::size_t PatternIndex(const std::string& bits, char letter, TStrings& matrix,
                         std::unordered_map<std::string, std::size_t>& known) {
    const auto [it, fresh] = known.try_emplace(bits, matrix.size());
    if (fresh) matrix.push_back(PatternName(letter, bits) + "|" + bits);
    return it->second;
}

// A row that earlier rows of its state cover entirely, and the lines of those
// of them that share an input with it.
struct TCoveredRow {
    TRow row;
    std::vector<int> by;
};

// Leaves out the rows that can never be taken: among the rows of a state the
// first matching one wins, so a row whose whole input pattern earlier rows of
// its state match is dead. Published machines hold such rows; kept, the
// checks would refuse the whole machine. A row whose covering cannot be
// decided within the work limit is kept (the checks then judge it).
std::vector<TCoveredRow>
LeaveOutCoveredRows(std::vector<TRow>& rows,
                    const std::unordered_map<std::string, std::size_t>& index,
                    std::size_t stateCount) {
    std::vector<std::vector<std::string>> kept(stateCount);
    std::vector<std::vector<int>> keptLines(stateCount);
    std::vector<TRow> out;
    std::vector<TCoveredRow> covered;
    long long work = CoverWork;
    std::string input;
    for (auto& r : rows) {
        const std::size_t k = index.at(r.cur);
        if (FindUncovered(r.in, kept[k], input, work) == TCover::Covered) {
            TCoveredRow c{r, {}};
            for (std::size_t e = 0; e < kept[k].size(); ++e)
                if (CubesIntersect(kept[k][e], r.in)) c.by.push_back(keptLines[k][e]);
            covered.push_back(std::move(c));
            continue;
        }
        kept[k].push_back(r.in);
        keptLines[k].push_back(r.line);
        out.push_back(std::move(r));
    }
    rows = std::move(out);
    return covered;
}

std::string Plural(std::size_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

TKiss2Import Import(std::string_view text, bool moore) {
    if (const auto nul = text.find('\0'); nul != std::string_view::npos)
        throw TKissError{static_cast<int>(std::count(text.begin(), text.begin() + nul, '\n')) + 1,
                         "Die Datei ist keine Textdatei (sie enthält ein Nullbyte)."};
    const TStrings lines = SplitLines(text);
    THeader h;
    std::vector<TRow> fileRows;
    bool anything = false;
    int lineNo = 0;
    for (const auto& line : lines) {
        ++lineNo;
        const TStrings f = Fields(line);
        if (f.empty()) continue;
        anything = true;
        if (const std::string w = LowerCase(f[0]); w == ".e" || w == ".end") break;
        if (f[0].front() == '.')
            ReadDirective(f, lineNo, !fileRows.empty(), h);
        else
            fileRows.push_back(ReadRow(f, lineNo, h));
    }
    const int last = std::max(lineNo, 1);
    if (!anything) throw TKissError{1, "Die Datei ist leer."};
    if (h.i < 0 || h.o < 0)
        throw TKissError{last, std::string("Die Angabe ") + (h.i < 0 ? ".i" : ".o") + " fehlt."};
    if (fileRows.empty()) throw TKissError{last, "Die Datei enthält keine Übergangszeile."};

    const TStrings states = CollectStates(fileRows, h);
    if (states.empty())
        throw TKissError{fileRows.front().line, "Keine Zeile nennt einen Zustand (nur *)."};
    std::unordered_map<std::string, std::size_t> stateIndex;
    for (std::size_t k = 0; k < states.size(); ++k)
        stateIndex.emplace(states[k], k);
    // "*" as the current state: one row per state, in place.
    std::vector<TRow> rows;
    for (const auto& r : fileRows) {
        if (r.cur != "*") {
            rows.push_back(r);
            continue;
        }
        for (const auto& s : states) {
            rows.push_back(r);
            rows.back().cur = s;
        }
    }
    TKiss2Import result;
    TAutomat& a = result.automat;
    a.Moore = moore;
    a.Eingangsbitbreite = h.i;
    a.Ausgangsbitbreite = h.o;
    TStrings stateOutputs;
    if (moore) stateOutputs = MooreOutputs(rows, states, stateIndex, h.o);
    const std::size_t leftOut = std::count_if(fileRows.begin(), fileRows.end(),
                                              [](const TRow& r) { return r.next == "*"; });
    const std::vector<TRow> allRows = rows;
    std::erase_if(rows, [](const TRow& r) { return r.next == "*"; });
    const std::vector<TCoveredRow> covered = LeaveOutCoveredRows(rows, stateIndex, states.size());

    std::unordered_map<std::string, std::size_t> inputs, outputs;
    std::vector<std::size_t> rowIn, rowOut;
    for (const auto& r : rows)
        rowIn.push_back(PatternIndex(r.in, 'E', a.Eingangsmatrix, inputs));
    if (moore)
        for (const auto& o : stateOutputs)
            rowOut.push_back(PatternIndex(o, 'A', a.Ausgangsmatrix, outputs));
    else
        for (const auto& r : rows)
            rowOut.push_back(PatternIndex(r.out, 'A', a.Ausgangsmatrix, outputs));
    std::unordered_set<std::string> taken;
    for (const TStrings* matrix : {&a.Eingangsmatrix, &a.Ausgangsmatrix})
        for (const auto& e : *matrix)
            taken.insert(UpperCase(EntryName(e)));
    const TStrings names = StateNames(states, taken);
    const std::string code(static_cast<std::size_t>(BitsNeeded(std::ssize(states))), '0');
    for (const auto& n : names)
        a.Zustandsmatrix.push_back(n + "|" + code);
    auto nameOf = [&](const std::string& s) -> const std::string& {
        return names[stateIndex.at(s)];
    };
    for (std::size_t k = 0; k < rows.size(); ++k) {
        std::string row = nameOf(rows[k].cur) + "|" + nameOf(rows[k].next) + "|" +
                          EntryName(a.Eingangsmatrix[rowIn[k]]);
        if (!moore) row += "|" + EntryName(a.Ausgangsmatrix[rowOut[k]]);
        a.Automatentabelle.push_back(std::move(row));
    }
    if (moore)
        for (std::size_t k = 0; k < states.size(); ++k)
            a.Ausgangstabelle.push_back(names[k] + "|" + EntryName(a.Ausgangsmatrix[rowOut[k]]));
    a.Resetzustand = nameOf(!h.r.empty()                  ? h.r
                            : fileRows.front().cur != "*" ? fileRows.front().cur
                                                          : states.front());

    TStrings& rep = result.report;
    rep.push_back("Gelesen als " + std::string(moore ? "Moore" : "Mealy") +
                  "-Automat: " + Plural(states.size(), "Zustand", "Zustände") + ", " +
                  Plural(rows.size(), "Übergangszeile", "Übergangszeilen") + ", " +
                  Plural(a.Eingangsmatrix.size(), "Eingang", "Eingänge") + ", " +
                  Plural(a.Ausgangsmatrix.size(), "Ausgang", "Ausgänge") + "; Resetzustand " +
                  QuotedForMessage(a.Resetzustand) + ".");
    if (h.p >= 0 && static_cast<std::size_t>(h.p) != fileRows.size())
        rep.push_back("Warnung: .p nennt " + std::to_string(h.p) + " Zeilen, die Datei enthält " +
                      std::to_string(fileRows.size()) + ".");
    if (h.s >= 0 && static_cast<std::size_t>(h.s) != states.size())
        rep.push_back("Warnung: .s nennt " + std::to_string(h.s) + " Zustände, die Datei nennt " +
                      std::to_string(states.size()) + ".");
    if (leftOut > 0)
        rep.push_back(Plural(leftOut, "Zeile", "Zeilen") + " mit * als Folgezustand " +
                      (leftOut == 1 ? "wurde" : "wurden") +
                      " ausgelassen (der Übergang ist dort nicht festgelegt).");
    for (std::size_t k = 0; k < states.size(); ++k)
        if (names[k] != states[k])
            rep.push_back("Der Zustand " + QuotedForMessage(states[k]) + " heißt jetzt " +
                          QuotedForMessage(names[k]) + ".");
    if (moore) NoteOpenOutputs(allRows, names, stateIndex, rep);
    for (const auto& c : covered) {
        std::string by;
        for (std::size_t i = 0; i < c.by.size(); ++i)
            by += (i == 0 ? "" : i + 1 == c.by.size() ? " und " : ", ") + std::to_string(c.by[i]);
        rep.push_back(
            "Zeile " + std::to_string(c.row.line) + " (Zustand " +
            QuotedForMessage(nameOf(c.row.cur)) + ") wird nie genommen und wurde ausgelassen: " +
            (c.by.size() == 1 ? "Zeile " + by + " deckt" : "die Zeilen " + by + " decken") +
            " ihr ganzes Eingangsmuster ab.");
    }
    // Rows of one state whose input cubes meet but whose results differ.
    std::vector<std::vector<std::size_t>> byState(states.size());
    for (std::size_t k = 0; k < rows.size(); ++k)
        byState[stateIndex.at(rows[k].cur)].push_back(k);
    for (std::size_t s = 0; s < states.size(); ++s) {
        const auto& list = byState[s];
        for (std::size_t x = 0; x < list.size(); ++x)
            for (std::size_t y = x + 1; y < list.size(); ++y) {
                const TRow& r1 = rows[list[x]];
                const TRow& r2 = rows[list[y]];
                const bool same = r1.next == r2.next && (moore || r1.out == r2.out);
                if (same || !CubesIntersect(r1.in, r2.in)) continue;
                rep.push_back("Die Zeilen " + std::to_string(r1.line) + " und " +
                              std::to_string(r2.line) + " (Zustand " + QuotedForMessage(names[s]) +
                              ") überschneiden sich mit verschiedenem Ergebnis; wo beide "
                              "passen, gilt Zeile " +
                              std::to_string(r1.line) + ".");
            }
    }
    return result;
}

// The pattern of an entry at a width: empty ones as zeros; others as they are, if they fit.
TResult<std::string> WrittenPattern(const TNamed& entry, int width, const char* what) {
    std::string bits = entry.Bits;
    if (bits.empty()) bits.assign(static_cast<std::size_t>(std::max(width, 0)), '0');
    if (bits.size() != static_cast<std::size_t>(width) || width <= 0 ||
        bits.find_first_not_of("01-") != std::string::npos)
        return {false, std::string("Das Bitmuster ") + QuotedForMessage(bits) + " " + what +
                           QuotedForMessage(entry.Written()) + " passt nicht zur Breite " +
                           std::to_string(width) + "."};
    return {true, {}, bits};
}

} // namespace

TResult<TKiss2Import> ReadKiss2(std::string_view text, bool moore) {
    try {
        return {true, {}, Import(text, moore)};
    } catch (const TKissError& e) {
        TResult<TKiss2Import> r{false, e.reason, {}};
        r.value.line = e.line;
        return r;
    }
}

TResult<TStrings> WriteKiss2(const TMachine& m) {
    auto fail = [](std::string reason) { return TResult<TStrings>{false, std::move(reason), {}}; };
    if (m.Zustaende.empty()) return fail("Der Automat hat keine Zustände.");
    for (const auto& s : m.Zustaende) {
        const std::string& n = s.Written();
        if (n.empty() || n == "*" || n.front() == '.' ||
            std::any_of(n.begin(), n.end(), [](char c) { return IsBlank(c) || c == '#'; }))
            return fail("Der Zustand " + QuotedForMessage(n) +
                        " lässt sich in KISS2 nicht schreiben (leer, *, Leerraum, # oder . am "
                        "Anfang).");
    }
    TStrings rows;
    std::vector<bool> hasRow(m.Zustaende.size(), false);
    auto outputOf = [&](const TNamed& state) -> TResult<std::string> {
        const int k = FindNamed(m.Ausgaenge, m.OutputOf(state.Written()), TMatch::IgnoreCase);
        if (k < 0)
            return {false,
                    "Der Zustand " + QuotedForMessage(state.Written()) + " hat keine Ausgabe."};
        return WrittenPattern(m.Ausgaenge[k], m.Ausgangsbitbreite, "des Ausgangs ");
    };
    for (const auto& t : m.Zeilen) {
        if (!t.Complete || !t.Zustand.Resolved() || !t.Folgezustand.Resolved() ||
            !t.Bedingung.Resolved() || (!m.Moore && !t.Ausgang.Resolved()))
            return fail("Die Zeile " + QuotedForMessage(t.Stored()) +
                        " der Automatentabelle ist unvollständig oder nennt Unbekanntes.");
        const TNamed& cur = m.Zustaende[t.Zustand.Index];
        const auto in =
            WrittenPattern(m.Eingaenge[t.Bedingung.Index], m.Eingangsbitbreite, "des Eingangs ");
        const auto out = m.Moore ? outputOf(cur)
                                 : WrittenPattern(m.Ausgaenge[t.Ausgang.Index], m.Ausgangsbitbreite,
                                                  "des Ausgangs ");
        if (!in) return fail(in.error);
        if (!out) return fail(out.error);
        hasRow[t.Zustand.Index] = true;
        rows.push_back(in.value + " " + cur.Written() + " " +
                       m.Zustaende[t.Folgezustand.Index].Written() + " " + out.value);
    }
    if (m.Moore)
        for (std::size_t k = 0; k < m.Zustaende.size(); ++k) {
            if (hasRow[k]) continue;
            const auto out = outputOf(m.Zustaende[k]);
            if (!out) return fail(out.error);
            if (m.Eingangsbitbreite <= 0) return fail("Der Automat hat keine Eingänge.");
            const std::string& s = m.Zustaende[k].Written();
            rows.push_back(std::string(static_cast<std::size_t>(m.Eingangsbitbreite), '-') + " " +
                           s + " " + s + " " + out.value);
        }
    TStrings lines = {
        ".i " + std::to_string(m.Eingangsbitbreite), ".o " + std::to_string(m.Ausgangsbitbreite),
        ".p " + std::to_string(rows.size()), ".s " + std::to_string(m.Zustaende.size()),
        ".r " + m.Zustaende[FindNamed(m.Zustaende, m.ResetName(), TMatch::IgnoreCase)].Written()};
    lines.insert(lines.end(), rows.begin(), rows.end());
    lines.push_back(".e");
    return {true, {}, lines};
}

} // namespace korvalt

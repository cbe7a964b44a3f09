#include "fsm/checks.h"

#include <array>
#include <unordered_map>
#include <unordered_set>

#include "common/ascii.h"
#include "common/cp1252.h"
#include "fsm/cube.h"
#include "fsm/synthesis.h"
#include "fsm/tour.h"

namespace korvalt {

bool HasOneBit(const std::vector<TNamed>& matrix) {
    for (const auto& e : matrix)
        if (e.Bits.find_first_of("1-") != std::string::npos) return true;
    return false;
}

bool DeclaredByGeneratedFile(std::string_view upper) {
    static const std::unordered_set<std::string_view> names = {
        "CLK",    "RST",        "X",    "Y",         "Z",
        "ZN",     "ZX",         "YX",   "ZUSTAND",   "PSYNC",
        "PASYNC", "BEHAVIORAL", "IEEE", "STD_LOGIC", "STD_LOGIC_VECTOR"};
    return names.count(upper) > 0;
}

bool NamesLibraryOrPackage(std::string_view upper) {
    static const std::unordered_set<std::string_view> names = {"IEEE",
                                                               "STD",
                                                               "WORK",
                                                               "STD_LOGIC",
                                                               "STD_LOGIC_VECTOR",
                                                               "STD_LOGIC_1164",
                                                               "STD_LOGIC_ARITH",
                                                               "STD_LOGIC_UNSIGNED"};
    return names.count(upper) > 0;
}

AutomatErrors ValidateAutomat(const TMachine& a) {
    AutomatErrors e = 0;
    if (a.Eingaenge.empty()) e |= ErrNoInputs;
    if (a.Ausgaenge.empty()) e |= ErrNoOutputs;
    if (a.Zustaende.size() < 2) e |= ErrTooFewStates;
    if (!HasOneBit(a.Eingaenge)) e |= ErrInputMatrix;
    if (!HasOneBit(a.Ausgaenge)) e |= ErrOutputMatrix;
    for (const auto& row : a.Zeilen)
        if (row.Incomplete()) {
            e |= ErrTableIncomplete;
            break;
        }
    if (a.Moore)
        for (const auto& row : a.Ausgangszeilen)
            if (!row.Filled) {
                e |= ErrOutputsMissing;
                break;
            }
    return e;
}

namespace {

struct TKind {
    const std::vector<TNamed>* list;
    const char* noun; // "Der Eingang ", ...
};

void CheckIdentifiers(const TMachine& a, TStrings& out) {
    const TKind kinds[] = {{&a.Eingaenge, "Der Eingang "},
                           {&a.Ausgaenge, "Der Ausgang "},
                           {&a.Zustaende, "Der Zustand "}};
    std::unordered_set<std::string> seen; // upper-cased names
    for (const auto& kind : kinds) {
        for (const auto& entry : *kind.list) {
            const std::string& name = entry.Written();
            const std::string upper = UpperCase(name);
            if (IsVhdlReservedWord(name))
                out.push_back(kind.noun + QuotedForMessage(name) +
                              " ist ein reserviertes Wort von VHDL!");
            else if (!IsVhdlIdentifier(name))
                out.push_back(kind.noun + QuotedForMessage(name) +
                              " ist kein gültiger VHDL-Bezeichner (ein Buchstabe zuerst, dann "
                              "Buchstaben, Ziffern und einzelne _, nicht am Ende)!");
            else if (DeclaredByGeneratedFile(upper))
                out.push_back(kind.noun + QuotedForMessage(name) +
                              " trägt einen Namen, den der erzeugte VHDL-Code selbst verwendet!");
            else if (!seen.insert(upper).second)
                out.push_back("Der Name " + QuotedForMessage(name) +
                              " wird mehrfach verwendet (Eingänge, Ausgänge und Zustände "
                              "brauchen verschiedene Namen, auch ohne Rücksicht auf Groß- und "
                              "Kleinschreibung)!");
        }
    }
}

// Pattern length and characters; empty patterns are written as zeros and fit.
// Input and output patterns may hold don't-care bits, state codes may not.
void CheckPatterns(const std::vector<TNamed>& list, std::size_t width, const char* nounGenitive,
                   bool dontCare, TStrings& out) {
    for (const auto& entry : list) {
        const std::string& bits = entry.Bits;
        if (bits.empty()) continue;
        if (bits.find_first_not_of(dontCare ? "01-" : "01") != std::string::npos)
            out.push_back(
                "Das Bitmuster " + QuotedForMessage(bits) + " " + nounGenitive +
                QuotedForMessage(entry.Written()) +
                (dontCare ? " darf nur 0, 1 und - enthalten!" : " darf nur 0 und 1 enthalten!"));
        else if (bits.size() != width)
            out.push_back("Das Bitmuster " + QuotedForMessage(bits) + " " + nounGenitive +
                          QuotedForMessage(entry.Written()) + " hat " +
                          std::to_string(bits.size()) + " statt " + std::to_string(width) +
                          " Bits!");
    }
}

// Two entries whose codes (empty ones as zeros) are equal: duplicate case choices.
void CheckDistinctCodes(const std::vector<TNamed>& list, std::size_t width, const char* plural,
                        TStrings& out) {
    std::unordered_map<std::string, std::string> owner;
    for (const auto& entry : list) {
        std::string bits = entry.Bits;
        if (bits.empty()) bits.assign(width, '0');
        const auto [it, fresh] = owner.try_emplace(bits, entry.Written());
        if (!fresh)
            out.push_back(plural + QuotedForMessage(it->second) + " und " +
                          QuotedForMessage(entry.Written()) + " haben denselben Code " +
                          QuotedForMessage(bits) + "!");
    }
}

// The grid row of each transition (counted from 1; 0: the grid shows no line for it).
std::vector<int> GridRows(const TMachine& a) {
    std::vector<int> rows;
    int shown = 0;
    for (const auto& row : a.Zeilen)
        rows.push_back(row.TakesLine() ? ++shown : 0);
    return rows;
}

// Messages about single rows; rows, when given, learns which row each is about.
void CheckTables(const TMachine& a, TStrings& out,
                 std::vector<std::pair<std::size_t, TTableRow>>* rows) {
    auto about = [&](TPart table, int gridRow, const std::string& text) {
        if (rows) rows->push_back({out.size() - 1, {table, gridRow, text}});
    };
    auto rowMsg = [&](const char* table, const std::string& row, const char* what,
                      const std::string& name) {
        out.push_back("Die Zeile " + QuotedForMessage(row) + table + what + QuotedForMessage(name) +
                      "!");
    };
    const std::vector<int> gridRows = GridRows(a);
    for (std::size_t i = 0; i < a.Zeilen.size(); ++i) {
        const TTransition& row = a.Zeilen[i];
        const std::string text = row.Stored();
        if (!row.TakesLine()) {
            out.push_back("Die Zeile " + QuotedForMessage(text) +
                          " der Automatentabelle nennt keinen Zustand!");
            about(TPart::Automatentabelle, 0, text);
            continue;
        }
        if (!row.Complete) continue; // an empty field is reported as incomplete
        const char* table = " der Automatentabelle nennt ";
        auto check = [&](const TRef& ref, const char* what) {
            if (ref.Resolved()) return;
            rowMsg(table, text, what, ref.Name);
            about(TPart::Automatentabelle, gridRows[i], text);
        };
        check(row.Zustand, "keinen bekannten Zustand ");
        check(row.Folgezustand, "keinen bekannten Folgezustand ");
        check(row.Bedingung, "keinen bekannten Eingang ");
        if (!a.Moore) check(row.Ausgang, "keinen bekannten Ausgang ");
    }
    if (!a.Moore) return;
    for (std::size_t i = 0; i < a.Ausgangszeilen.size(); ++i) {
        const TOutputRow& row = a.Ausgangszeilen[i];
        const char* table = " der Ausgangstabelle nennt ";
        const int gridRow = static_cast<int>(i) + 1;
        if (!row.Zustand.Resolved()) {
            rowMsg(table, row.Stored(), "keinen bekannten Zustand ", row.Zustand.Name);
            about(TPart::Ausgangstabelle, gridRow, row.Stored());
        }
        if (row.Entry.HasBar && !row.Entry.Bits.empty() && !row.Ausgang.Resolved()) {
            rowMsg(table, row.Stored(), "keinen bekannten Ausgang ", row.Ausgang.Name);
            about(TPart::Ausgangstabelle, gridRow, row.Stored());
        }
    }
}

// A row that earlier rows of its state take away entirely, as the generated
// VHDL tests them. Without don't-care bits a row is only ever shadowed by one
// of the same pattern, which descriptions have always been allowed to hold
// (the testbench lists such rows); with them the overlap is easy to miss.
void CheckShadowedRows(const TMachine& a, TStrings& out,
                       std::vector<std::pair<std::size_t, TTableRow>>* refs) {
    const TMachineModel m(a);
    const std::vector<int> gridRows = GridRows(a);
    for (std::size_t r = 0; r < a.Zeilen.size(); ++r) {
        const auto& by = m.Row(static_cast<int>(r)).coveredBy;
        bool dontCare = HasDontCare(m.Row(static_cast<int>(r)).input);
        for (const int e : by)
            dontCare = dontCare || HasDontCare(m.Row(e).input);
        if (by.empty() || !dontCare) continue;
        std::string rows;
        for (std::size_t i = 0; i < by.size(); ++i)
            rows += (i == 0               ? ""
                     : i + 1 == by.size() ? " und "
                                          : ", ") +
                    QuotedForMessage(a.Zeilen[static_cast<std::size_t>(by[i])].Stored());
        out.push_back("Die Zeile " + QuotedForMessage(a.Zeilen[r].Stored()) +
                      " der Automatentabelle wird nie genommen: " +
                      (by.size() == 1 ? "die Zeile " + rows + " desselben Zustands deckt"
                                      : "die Zeilen " + rows + " desselben Zustands decken") +
                      " ihr ganzes Eingangsmuster ab!");
        if (refs)
            refs->push_back(
                {out.size() - 1, {TPart::Automatentabelle, gridRows[r], a.Zeilen[r].Stored()}});
    }
}

void CheckLevel(const std::string& level, const char* what, TStrings& out) {
    if (level != "0" && level != "1")
        out.push_back(what + QuotedForMessage(level) + " muss 0 oder 1 sein!");
}

} // namespace

namespace {

TStrings CheckVhdlRules(const TMachine& a, std::vector<std::pair<std::size_t, TTableRow>>* rows) {
    TStrings out;
    CheckIdentifiers(a, out);
    const TBounds b = VectorBounds(a);
    CheckPatterns(a.Eingaenge, static_cast<std::size_t>(b.xh) + 1, "des Eingangs ", true, out);
    CheckPatterns(a.Ausgaenge, static_cast<std::size_t>(b.yh) + 1, "des Ausgangs ", true, out);
    if (a.Coded()) {
        CheckPatterns(a.Zustaende, static_cast<std::size_t>(b.zh) + 1, "des Zustands ", false, out);
        CheckDistinctCodes(a.Zustaende, static_cast<std::size_t>(b.zh) + 1, "Die Zustände ", out);
    }
    if (!a.Moore)
        CheckDistinctCodes(a.Eingaenge, static_cast<std::size_t>(b.xh) + 1, "Die Eingänge ", out);
    CheckTables(a, out, rows);
    CheckShadowedRows(a, out, rows);
    CheckLevel(a.ResetAktiv, "Der aktive Pegel des Resets ", out);
    CheckLevel(a.TaktAktiv, "Der aktive Pegel des Takts ", out);
    return out;
}

} // namespace

TStrings CheckVhdlRules(const TMachine& a) {
    return CheckVhdlRules(a, nullptr);
}

std::string EntityNameProblem(std::string_view entity) {
    // An entity of one of these names hides the library or type its own header and ports name.
    if (NamesLibraryOrPackage(UpperCase(entity)))
        return "Die Entity " + QuotedForMessage(std::string(entity)) +
               " trägt einen Namen, den der erzeugte VHDL-Code selbst verwendet!";
    if (IsVhdlIdentifier(entity)) return {};
    return "Der Name " + QuotedForMessage(std::string(entity)) +
           " (der Dateiname bis zum ersten Punkt) ist kein gültiger VHDL-Bezeichner für die "
           "Entity: " +
           IdentifierRuleText;
}

TAutomatReport CheckAutomat(const TMachine& a) {
    TAutomatReport r;
    r.errors = ValidateAutomat(a);
    r.further = CheckVhdlRules(a, &r.furtherRows);
    const std::vector<int> gridRows = GridRows(a);
    for (std::size_t i = 0; i < a.Zeilen.size(); ++i)
        if (a.Zeilen[i].Incomplete())
            r.incomplete.push_back({TPart::Automatentabelle, gridRows[i], a.Zeilen[i].Stored()});
    if (a.Moore)
        for (std::size_t i = 0; i < a.Ausgangszeilen.size(); ++i)
            if (!a.Ausgangszeilen[i].Filled)
                r.outputsMissing.push_back({TPart::Ausgangstabelle, static_cast<int>(i) + 1,
                                            a.Ausgangszeilen[i].Stored()});
    return r;
}

} // namespace korvalt

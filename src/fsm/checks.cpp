#include "fsm/checks.h"

#include <array>
#include <unordered_map>
#include <unordered_set>

#include "common/ascii.h"
#include "common/cp1252.h"
#include "fsm/synthesis.h"

namespace korvalt {

bool HasOneBit(const TStrings& matrix) {
    for (const auto& e : matrix)
        if (EntryBits(e).find('1') != std::string::npos) return true;
    return false;
}

bool RowComplete(std::string_view row) {
    // Every field after the name is non-empty: no empty rest, no "|" at its ends, no "||".
    const std::string rest = EntryBits(row);
    return !rest.empty() && rest.front() != '|' && rest.back() != '|' &&
           rest.find("||") == std::string::npos;
}

AutomatErrors ValidateAutomat(const TAutomat& a) {
    AutomatErrors e = 0;
    if (a.Eingangsmatrix.empty()) e |= ErrNoInputs;
    if (a.Ausgangsmatrix.empty()) e |= ErrNoOutputs;
    if (a.Zustandsmatrix.size() < 2) e |= ErrTooFewStates;
    if (!HasOneBit(a.Eingangsmatrix)) e |= ErrInputMatrix;
    if (!HasOneBit(a.Ausgangsmatrix)) e |= ErrOutputMatrix;
    for (const auto& row : a.Automatentabelle)
        if (!RowComplete(row)) {
            e |= ErrTableIncomplete;
            break;
        }
    if (a.Moore)
        for (const auto& row : a.Ausgangstabelle)
            if (!RowComplete(row)) {
                e |= ErrOutputsMissing;
                break;
            }
    return e;
}

namespace {

// Names the generated file declares or uses itself.
const std::unordered_set<std::string> GeneratedNames = {
    "CLK",    "RST",        "X",    "Y",         "Z",
    "ZN",     "ZX",         "YX",   "ZUSTAND",   "PSYNC",
    "PASYNC", "BEHAVIORAL", "IEEE", "STD_LOGIC", "STD_LOGIC_VECTOR"};

std::string Msg(const char* utf8) {
    return Utf8ToCp1252(utf8);
}
std::string Quoted(const std::string& cp1252) {
    return "\x84" + cp1252 + "\x93";
}

struct TKind {
    const TStrings* list;
    const char* noun; // "Der Eingang ", ...
};

void CheckIdentifiers(const TAutomat& a, TStrings& out) {
    const TKind kinds[] = {{&a.Eingangsmatrix, "Der Eingang "},
                           {&a.Ausgangsmatrix, "Der Ausgang "},
                           {&a.Zustandsmatrix, "Der Zustand "}};
    std::unordered_set<std::string> seen; // upper-cased names
    for (const auto& kind : kinds) {
        for (const auto& entry : *kind.list) {
            const std::string name = WrittenName(entry);
            const std::string upper = UpperCase(name);
            if (IsVhdlReservedWord(name))
                out.push_back(Msg(kind.noun) + Quoted(name) +
                              Msg(" ist ein reserviertes Wort von VHDL!"));
            else if (!IsVhdlIdentifier(name))
                out.push_back(Msg(kind.noun) + Quoted(name) +
                              Msg(" ist kein gültiger VHDL-Bezeichner (ein Buchstabe zuerst, dann "
                                  "Buchstaben, Ziffern und einzelne _, nicht am Ende)!"));
            else if (GeneratedNames.count(upper))
                out.push_back(
                    Msg(kind.noun) + Quoted(name) +
                    Msg(" trägt einen Namen, den der erzeugte VHDL-Code selbst verwendet!"));
            else if (!seen.insert(upper).second)
                out.push_back(Msg("Der Name ") + Quoted(name) +
                              Msg(" wird mehrfach verwendet (Eingänge, Ausgänge und Zustände "
                                  "brauchen verschiedene Namen, auch ohne Rücksicht auf Groß- und "
                                  "Kleinschreibung)!"));
        }
    }
}

// Pattern length and characters; empty patterns are written as zeros and fit.
void CheckPatterns(const TStrings& list, std::size_t width, const char* nounGenitive,
                   TStrings& out) {
    for (const auto& entry : list) {
        const std::string bits = EntryBits(entry);
        if (bits.empty()) continue;
        if (bits.find_first_not_of("01") != std::string::npos)
            out.push_back(Msg("Das Bitmuster ") + Quoted(bits) + Msg(" ") + Msg(nounGenitive) +
                          Quoted(WrittenName(entry)) + Msg(" darf nur 0 und 1 enthalten!"));
        else if (bits.size() != width)
            out.push_back(Msg("Das Bitmuster ") + Quoted(bits) + Msg(" ") + Msg(nounGenitive) +
                          Quoted(WrittenName(entry)) + Msg(" hat ") + std::to_string(bits.size()) +
                          Msg(" statt ") + std::to_string(width) + Msg(" Bits!"));
    }
}

// Two entries whose codes (empty ones as zeros) are equal: duplicate case choices.
void CheckDistinctCodes(const TStrings& list, std::size_t width, const char* plural,
                        TStrings& out) {
    std::unordered_map<std::string, std::string> owner;
    for (const auto& entry : list) {
        std::string bits = EntryBits(entry);
        if (bits.empty()) bits.assign(width, '0');
        const auto [it, fresh] = owner.try_emplace(bits, WrittenName(entry));
        if (!fresh)
            out.push_back(Msg(plural) + Quoted(it->second) + Msg(" und ") +
                          Quoted(WrittenName(entry)) + Msg(" haben denselben Code ") +
                          Quoted(bits) + "!");
    }
}

class TNames {
  public:
    TNames(const TStrings& list, bool exact) : exact_(exact) {
        for (const auto& e : list)
            names_.insert(Key(WrittenName(e)));
    }
    bool Has(const std::string& name) const { return names_.count(Key(name)) > 0; }

  private:
    std::string Key(const std::string& n) const { return exact_ ? n : UpperCase(n); }
    bool exact_;
    std::unordered_set<std::string> names_;
};

void CheckTables(const TAutomat& a, TStrings& out) {
    // The Mealy generator looks rows up exactly; VHDL itself ignores case.
    const bool exact = !a.Moore;
    const TNames states(a.Zustandsmatrix, exact), inputs(a.Eingangsmatrix, exact),
        outputs(a.Ausgangsmatrix, exact);
    const int n = a.Moore ? 3 : 4;
    auto rowMsg = [&](const char* table, const std::string& row, const char* what,
                      const std::string& name) {
        out.push_back(Msg("Die Zeile ") + Quoted(row) + Msg(table) + Msg(what) + Quoted(name) +
                      "!");
    };
    for (const auto& row : a.Automatentabelle) {
        if (EntryName(row).empty()) {
            out.push_back(Msg("Die Zeile ") + Quoted(row) +
                          Msg(" der Automatentabelle nennt keinen Zustand!"));
            continue;
        }
        const TStrings f = SplitTableRow(row, n);
        if (f[0].empty()) continue; // an empty field is reported as incomplete
        const char* table = " der Automatentabelle nennt ";
        if (!states.Has(f[0])) rowMsg(table, row, "keinen bekannten Zustand ", f[0]);
        if (!states.Has(f[1])) rowMsg(table, row, "keinen bekannten Folgezustand ", f[1]);
        if (!inputs.Has(f[2])) rowMsg(table, row, "keinen bekannten Eingang ", f[2]);
        if (n == 4 && !outputs.Has(f[3])) rowMsg(table, row, "keinen bekannten Ausgang ", f[3]);
    }
    if (!a.Moore) return;
    const TNames statesNoCase(a.Zustandsmatrix, false), outputsNoCase(a.Ausgangsmatrix, false);
    for (const auto& row : a.Ausgangstabelle) {
        const std::string name = WrittenName(row);
        const char* table = " der Ausgangstabelle nennt ";
        if (name.empty() || !statesNoCase.Has(name))
            rowMsg(table, row, "keinen bekannten Zustand ", name);
        const TEntry e = ParseEntry(row);
        if (e.HasBar && !e.Bits.empty() && !outputsNoCase.Has(e.Bits))
            rowMsg(table, row, "keinen bekannten Ausgang ", e.Bits);
    }
}

void CheckLevel(const std::string& level, const char* what, TStrings& out) {
    if (level != "0" && level != "1")
        out.push_back(Msg(what) + Quoted(level) + Msg(" muss 0 oder 1 sein!"));
}

} // namespace

TStrings CheckVhdlRules(const TAutomat& a) {
    TStrings out;
    CheckIdentifiers(a, out);
    const TBounds b = VectorBounds(a);
    CheckPatterns(a.Eingangsmatrix, static_cast<std::size_t>(b.xh) + 1, "des Eingangs ", out);
    CheckPatterns(a.Ausgangsmatrix, static_cast<std::size_t>(b.yh) + 1, "des Ausgangs ", out);
    if (IsCodedForm(a)) {
        CheckPatterns(a.Zustandsmatrix, static_cast<std::size_t>(b.zh) + 1, "des Zustands ", out);
        CheckDistinctCodes(a.Zustandsmatrix, static_cast<std::size_t>(b.zh) + 1, "Die Zustände ",
                           out);
    }
    if (!a.Moore)
        CheckDistinctCodes(a.Eingangsmatrix, static_cast<std::size_t>(b.xh) + 1, "Die Eingänge ",
                           out);
    CheckTables(a, out);
    CheckLevel(a.ResetAktiv, "Der aktive Pegel des Resets ", out);
    CheckLevel(a.TaktAktiv, "Der aktive Pegel des Takts ", out);
    return out;
}

std::string EntityNameProblem(std::string_view entity) {
    // An entity of one of these names hides the library or type its own header and ports name.
    // clang-format off
    static const std::unordered_set<std::string> usedByTheFile = {"IEEE", "STD", "WORK",
        "STD_LOGIC", "STD_LOGIC_VECTOR", "STD_LOGIC_1164", "STD_LOGIC_ARITH", "STD_LOGIC_UNSIGNED"};
    // clang-format on
    if (usedByTheFile.count(UpperCase(entity)))
        return Msg("Die Entity ") + Quoted(std::string(entity)) +
               Msg(" trägt einen Namen, den der erzeugte VHDL-Code selbst verwendet!");
    if (IsVhdlIdentifier(entity)) return {};
    return Msg("Der Name ") + Quoted(std::string(entity)) +
           Msg(" (der Dateiname bis zum ersten Punkt) ist kein gültiger VHDL-Bezeichner für die "
               "Entity: ") +
           Msg(IdentifierRuleText);
}

TAutomatReport CheckAutomat(const TAutomat& a) {
    return {ValidateAutomat(a), CheckVhdlRules(a)};
}

TStrings ErrorReportLines(const TAutomatReport& report) {
    static const std::array<const char*, 7> messages = {
        "Es wurden keine Eingänge definiert!",
        "Es wurden keine Ausgänge definiert!",
        "Es wurden weniger als 2 Zustände definiert!",
        "Die Eingangsmatrix ist ungültig!",
        "Die Ausgangsmatrix ist ungültig!",
        "Die Automatenbeschreibung ist unvollständig!",
        "Es wurden nicht allen Zuständen eine Ausgangsbelegung zugeordnet!"};
    TStrings lines = {Msg("Es sind Fehler in der Automatenbeschreibung vorhanden!"),
                      Msg("Es konnte kein VHDL-Code erzeugt werden."), ""};
    for (std::size_t i = 0; i < messages.size(); ++i)
        if (report.errors & (1 << i)) lines.push_back(Msg(messages[i]));
    lines.insert(lines.end(), report.further.begin(), report.further.end());
    return lines;
}

} // namespace korvalt

#include "fsm/synthesis.h"

#include <algorithm>
#include <unordered_map>

#include "common/ascii.h"

namespace korvalt {

int StateCodeWidth(const TStrings& states) {
    if (states.empty()) return 0;
    const TEntry first = ParseEntry(states.front());
    return first.HasBar ? static_cast<int>(first.Bits.size()) : 0;
}

bool IsCodedForm(const TAutomat& a) {
    for (const auto& s : a.Zustandsmatrix)
        if (EntryBits(s).find('1') != std::string::npos) return true;
    return false;
}

std::string MakeConstantLine(std::string_view entry, int high) {
    std::string bits = EntryBits(entry);
    if (bits.empty()) bits.assign(static_cast<std::size_t>(high) + 1, '0');
    return "constant " + WrittenName(entry) + " : std_logic_vector(" + std::to_string(high) +
           " downto 0) := \"" + bits + "\";";
}

TStrings SplitTableRow(std::string_view row, int n) {
    const TTransitionRow r = ParseTransitionRow(row);
    TStrings fields = {r.Zustand, r.Folgezustand, r.Bedingung};
    if (n == 4)
        fields.push_back(r.Ausgang);
    else if (r.Fields == 4)
        fields[2] += "|" + r.Ausgang; // the last field is the rest of the row
    const bool complete = r.Fields >= n && std::none_of(fields.begin(), fields.end(),
                                                        [](const auto& f) { return f.empty(); });
    return complete ? fields : TStrings(static_cast<std::size_t>(n));
}

std::string FindStateOutput(const TStrings& outputTable, std::string_view state) {
    if (state.empty()) return {};
    for (const auto& row : outputTable)
        if (SameText(EntryName(row), state)) return EntryBits(row);
    return {};
}

std::string ResetStateName(const TAutomat& a) {
    if (!a.Resetzustand.empty())
        for (const auto& s : a.Zustandsmatrix)
            if (SameText(WrittenName(s), a.Resetzustand)) return a.Resetzustand;
    return a.Zustandsmatrix.empty() ? a.Resetzustand : WrittenName(a.Zustandsmatrix.front());
}

TBounds VectorBounds(const TAutomat& a) {
    auto bound = [](std::int64_t width) { return width > 0 ? static_cast<int>(width - 1) : 0; };
    return {bound(a.Eingangsbitbreite), bound(a.Ausgangsbitbreite),
            bound(StateCodeWidth(a.Zustandsmatrix))};
}

std::string EntityNameOf(std::string_view fileName) {
    return std::string(fileName.substr(0, fileName.find('.')));
}

std::string DefaultVhdlFileName(bool moore) {
    return moore ? "moore.vhd" : "mealy.vhd";
}

namespace {

std::string Range(int high) {
    return "(" + std::to_string(high) + " downto 0)";
}

// "if   " for the first line of an if/elsif chain, "elsif" after it: both put
// the following "z" into the same column.
const char* Keyword(bool first) {
    return first ? "if   " : "elsif";
}

void MooreTransitions(const TAutomat& a, TStrings& out) {
    bool first = true;
    for (const auto& row : a.Automatentabelle) {
        const TStrings f = SplitTableRow(row, 3);
        out.push_back(std::string(21, ' ') + Keyword(first) + " z = " + f[0] + " and x = " + f[2] +
                      " then z <= " + f[1] + ";");
        first = false;
    }
    if (!a.Automatentabelle.empty()) out.push_back(std::string(21, ' ') + "end if;");
}

void MooreOutputs(const TAutomat& a, TStrings& out) {
    // First row per state name, ignoring case, as a scan from the top finds it.
    std::unordered_map<std::string, std::string> outputOf;
    for (const auto& row : a.Ausgangstabelle)
        outputOf.try_emplace(UpperCase(EntryName(row)), EntryBits(row));
    bool first = true;
    for (const auto& row : a.Ausgangstabelle) {
        const std::string name = WrittenName(row);
        const auto found = name.empty() ? outputOf.end() : outputOf.find(UpperCase(name));
        out.push_back(std::string(12, ' ') + Keyword(first) + " z = " + name + " then y <= " +
                      (found == outputOf.end() ? std::string() : found->second) + ";");
        first = false;
    }
    if (a.Ausgangstabelle.empty()) return;
    // A state without an output row must still assign y, or synthesis infers a latch.
    out.push_back(std::string(12, ' ') + "else y <= yx;");
    out.push_back(std::string(12, ' ') + "end if;");
}

void MealyCases(const TAutomat& a, TStrings& out) {
    if (a.Automatentabelle.empty()) return;
    // First row per (Zustand, Bedingung), compared exactly.
    std::unordered_map<std::string, std::size_t> rowOf;
    for (std::size_t i = 0; i < a.Automatentabelle.size(); ++i) {
        const TTransitionRow row = ParseTransitionRow(a.Automatentabelle[i]);
        if (row.Fields >= 3) rowOf.try_emplace(row.Zustand + '|' + row.Bedingung, i);
    }
    out.push_back(std::string(12, ' ') + "case z is");
    for (const auto& state : a.Zustandsmatrix) {
        const std::string s = WrittenName(state);
        const std::string head = "              when " + s;
        out.push_back(head + " => case x is ");
        const std::string indent(head.size() + 4, ' ');
        for (const auto& input : a.Eingangsmatrix) {
            const std::string x = WrittenName(input);
            const auto found = rowOf.find(s + '|' + x);
            // A pair without a row is left to the "when others" line below.
            if (found == rowOf.end()) continue;
            const TStrings f = SplitTableRow(a.Automatentabelle[found->second], 4);
            out.push_back(indent + "  when " + x + " => y <= " + f[3] + "; zn <= " + f[1] + ";");
        }
        out.push_back(indent + "  when others => y <= yx; zn <= zx;");
        out.push_back(indent + "end case;");
    }
    out.push_back(std::string(12, ' ') + "  when others => y <= yx; zn <= zx;");
    out.push_back(std::string(12, ' ') + "end case;");
}

} // namespace

TStrings BuildAutomatVhdl(const TAutomat& a, const std::string& entity) {
    const TBounds b = VectorBounds(a);
    const bool coded = IsCodedForm(a);
    const bool mealy = !a.Moore;
    TStrings out = {"library IEEE;",
                    "use IEEE.STD_LOGIC_1164.ALL;",
                    "use IEEE.STD_LOGIC_ARITH.ALL;",
                    "use IEEE.STD_LOGIC_UNSIGNED.ALL;",
                    "",
                    "entity " + entity + " is",
                    "    Port(clk,rst : in std_logic;",
                    "         x : in std_logic_vector" + Range(b.xh) + ";"};
    if (mealy && coded) out.push_back("         z : inout std_logic_vector" + Range(b.zh) + ";");
    out.push_back("         y : out std_logic_vector" + Range(b.yh) + ");");
    out.push_back("end " + entity + ";");
    out.push_back("");
    out.push_back("architecture Behavioral of " + entity + " is");

    out.push_back("-- Eingangsmatrix");
    for (const auto& e : a.Eingangsmatrix)
        out.push_back("   " + MakeConstantLine(e, b.xh));
    out.push_back("");

    if (coded) {
        out.push_back("-- Zustandsmatrix");
        for (const auto& s : a.Zustandsmatrix)
            out.push_back("   " + MakeConstantLine(s, b.zh));
        if (mealy)
            out.push_back("   constant zx : std_logic_vector" + Range(b.zh) + " := \"" +
                          std::string(static_cast<std::size_t>(b.zh) + 1, '-') + "\";");
        else {
            out.push_back("");
            out.push_back("   signal z : std_logic_vector" + Range(b.zh) + ";");
        }
    } else {
        std::string names;
        for (const auto& s : a.Zustandsmatrix)
            names += (names.empty() ? "" : ",") + WrittenName(s);
        out.push_back("   type zustand is (" + std::string(mealy ? "zx," : "") + names + ");");
        out.push_back("   signal z : zustand;");
    }

    out.push_back("");
    out.push_back("-- Ausgangsmatrix");
    for (const auto& y : a.Ausgangsmatrix)
        out.push_back("   " + MakeConstantLine(y, b.yh));
    if (!mealy && !a.Ausgangstabelle.empty())
        out.push_back("   constant yx : std_logic_vector" + Range(b.yh) + " := \"" +
                      std::string(static_cast<std::size_t>(b.yh) + 1, '-') + "\";");
    if (mealy) {
        // The don't-care output is as wide as the first output's pattern; an
        // empty pattern is written as zeros of the full width, so it counts so.
        std::size_t l = a.Ausgangsmatrix.empty() ? 0 : EntryBits(a.Ausgangsmatrix.front()).size();
        if (l == 0) l = static_cast<std::size_t>(b.yh) + 1;
        out.push_back("   constant yx : std_logic_vector" + Range(static_cast<int>(l) - 1) +
                      " := \"" + std::string(l, '-') + "\";");
        out.push_back("");
        out.push_back("-- Folgezustand");
        out.push_back(coded ? "   signal zn : std_logic_vector" + Range(b.zh) + ";"
                            : "   signal zn : zustand;");
    }
    out.push_back("");
    out.push_back("begin");

    out.push_back("  pSync:  PROCESS(clk,rst)");
    out.push_back("          BEGIN");
    out.push_back("            if rst = '" + a.ResetAktiv + "' then z <= " + ResetStateName(a) +
                  ";");
    out.push_back("               elsif (clk'event and clk = '" + a.TaktAktiv + "') then");
    if (mealy) {
        out.push_back("                     z <= zn;");
        out.push_back("            end if;");
        out.push_back("");
    } else {
        MooreTransitions(a, out);
        out.push_back("            end if;");
    }
    out.push_back("          END PROCESS pSync;");
    out.push_back("");

    out.push_back(mealy ? "  pASync: PROCESS(z,x)" : "  pASync: PROCESS(z)");
    out.push_back("          BEGIN");
    if (mealy)
        MealyCases(a, out);
    else
        MooreOutputs(a, out);
    out.push_back("          END PROCESS pASync;");
    out.push_back("");
    out.push_back("end Behavioral;");
    out.push_back("");
    return out;
}

} // namespace korvalt

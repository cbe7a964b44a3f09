#include "fsm/synthesis.h"

#include <algorithm>

namespace korvalt {

int StateCodeWidth(const std::vector<TNamed>& states) {
    if (states.empty() || !states.front().HasBar) return 0;
    return static_cast<int>(states.front().Bits.size());
}

std::string MakeConstantLine(const TNamed& entry, int high) {
    std::string bits = entry.Bits;
    if (bits.empty()) bits.assign(static_cast<std::size_t>(high) + 1, '0');
    return "constant " + entry.Written() + " : std_logic_vector(" + std::to_string(high) +
           " downto 0) := \"" + bits + "\";";
}

TBounds VectorBounds(const TMachine& a) {
    auto bound = [](std::int64_t width) { return width > 0 ? static_cast<int>(width - 1) : 0; };
    return {bound(a.Eingangsbitbreite), bound(a.Ausgangsbitbreite),
            bound(StateCodeWidth(a.Zustaende))};
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

// The fields of a row as written; all empty when the row is incomplete.
const std::string& Field(const TTransition& row, const TRef& field) {
    static const std::string none;
    return row.Complete ? field.Name : none;
}

void MooreTransitions(const TMachine& a, TStrings& out) {
    bool first = true;
    for (const auto& row : a.Zeilen) {
        out.push_back(std::string(21, ' ') + Keyword(first) + " z = " + Field(row, row.Zustand) +
                      " and x = " + Field(row, row.Bedingung) +
                      " then z <= " + Field(row, row.Folgezustand) + ";");
        first = false;
    }
    if (!a.Zeilen.empty()) out.push_back(std::string(21, ' ') + "end if;");
}

void MooreOutputs(const TMachine& a, TStrings& out) {
    bool first = true;
    for (const auto& row : a.Ausgangszeilen) {
        const std::string& name = row.Entry.Written();
        out.push_back(std::string(12, ' ') + Keyword(first) + " z = " + name +
                      " then y <= " + a.OutputOf(name) + ";");
        first = false;
    }
    if (a.Ausgangszeilen.empty()) return;
    // A state without an output row must still assign y, or synthesis infers a latch.
    out.push_back(std::string(12, ' ') + "else y <= yx;");
    out.push_back(std::string(12, ' ') + "end if;");
}

void MealyCases(const TMachine& a, TStrings& out) {
    if (a.Zeilen.empty()) return;
    out.push_back(std::string(12, ' ') + "case z is");
    for (const auto& state : a.Zustaende) {
        const std::string& s = state.Written();
        const std::string head = "              when " + s;
        out.push_back(head + " => case x is ");
        const std::string indent(head.size() + 4, ' ');
        for (const auto& input : a.Eingaenge) {
            const std::string& x = input.Written();
            const int found = a.MealyRow(s, x);
            // A pair without a row is left to the "when others" line below.
            if (found < 0) continue;
            const TTransition& row = a.Zeilen[static_cast<std::size_t>(found)];
            out.push_back(indent + "  when " + x + " => y <= " + Field(row, row.Ausgang) +
                          "; zn <= " + Field(row, row.Folgezustand) + ";");
        }
        out.push_back(indent + "  when others => y <= yx; zn <= zx;");
        out.push_back(indent + "end case;");
    }
    out.push_back(std::string(12, ' ') + "  when others => y <= yx; zn <= zx;");
    out.push_back(std::string(12, ' ') + "end case;");
}

} // namespace

TStrings BuildAutomatVhdl(const TMachine& a, const std::string& entity) {
    const TBounds b = VectorBounds(a);
    const bool coded = a.Coded();
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
    for (const auto& e : a.Eingaenge)
        out.push_back("   " + MakeConstantLine(e, b.xh));
    out.push_back("");

    if (coded) {
        out.push_back("-- Zustandsmatrix");
        for (const auto& s : a.Zustaende)
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
        for (const auto& s : a.Zustaende)
            names += (names.empty() ? "" : ",") + s.Written();
        out.push_back("   type zustand is (" + std::string(mealy ? "zx," : "") + names + ");");
        out.push_back("   signal z : zustand;");
    }

    out.push_back("");
    out.push_back("-- Ausgangsmatrix");
    for (const auto& y : a.Ausgaenge)
        out.push_back("   " + MakeConstantLine(y, b.yh));
    if (!mealy && !a.Ausgangszeilen.empty())
        out.push_back("   constant yx : std_logic_vector" + Range(b.yh) + " := \"" +
                      std::string(static_cast<std::size_t>(b.yh) + 1, '-') + "\";");
    if (mealy) {
        // The don't-care output is as wide as the first output's pattern; an
        // empty pattern is written as zeros of the full width, so it counts so.
        std::size_t l = a.Ausgaenge.empty() ? 0 : a.Ausgaenge.front().Bits.size();
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
    out.push_back("            if rst = '" + a.ResetAktiv + "' then z <= " + a.ResetName() + ";");
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

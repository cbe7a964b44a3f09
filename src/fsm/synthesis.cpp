#include "fsm/synthesis.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "common/cp1252.h"
#include "fsm/cube.h"

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

// With registered outputs, " y <= OUTPUT;": what the state's outputs are
// (yx for a state without an output row); empty without an output table.
std::string LoadOutputs(const TMachine& a, const std::string& state) {
    if (a.Ausgangszeilen.empty()) return {};
    const std::string y = a.OutputOf(state);
    return " y <= " + (y.empty() ? std::string("yx") : y) + ";";
}

// The test of the input against a row's pattern: equality, or where patterns
// hold don't-care bits std_match, which ignores the '-' bits of its pattern.
std::string InputTest(bool dontCare, const std::string& input) {
    return dontCare ? "ieee.numeric_std.std_match(x, " + input + ")" : "x = " + input;
}

void MooreTransitions(const TMachine& a, bool dontCare, bool registered, TStrings& out) {
    bool first = true;
    for (const auto& row : a.Zeilen) {
        const std::string& next = Field(row, row.Folgezustand);
        out.push_back(std::string(21, ' ') + Keyword(first) + " z = " + Field(row, row.Zustand) +
                      " and " + InputTest(dontCare, Field(row, row.Bedingung)) +
                      " then z <= " + next + ";" + (registered ? LoadOutputs(a, next) : ""));
        first = false;
    }
    if (!a.Zeilen.empty()) out.push_back(std::string(21, ' ') + "end if;");
}

// The coded form's recovery: a code no state has (also "U" before the first
// reset) is overwritten by the reset state at the edge. It comes after the
// transitions, so it wins; a case compares the bits exactly, "U" included.
void SafeRecovery(const TMachine& a, bool registered, TStrings& out) {
    std::string choices;
    std::vector<std::string> seen;
    for (const auto& s : a.Zustaende) {
        const std::string bits = s.Bits.empty() ? std::string("0") : s.Bits;
        // Two states with one code would be one choice twice, which VHDL forbids.
        if (std::find(seen.begin(), seen.end(), bits) != seen.end()) continue;
        seen.push_back(bits);
        choices += (choices.empty() ? "" : " | ") + s.Written();
    }
    const std::string pad(21, ' ');
    out.push_back(pad + Utf8ToCp1252("-- Sicherer Automat: ein Code ohne Zustand führt in den "
                                     "Resetzustand"));
    out.push_back(pad + "case z is");
    out.push_back(pad + "  when " + choices + " => null;");
    out.push_back(pad + "  when others => z <= " + a.ResetName() + ";" +
                  (registered ? LoadOutputs(a, a.ResetName()) : ""));
    out.push_back(pad + "end case;");
}

// The enumerated form's encoding and recovery, as attributes the FPGA tools
// read; GHDL and a simulation pass over them.
void EncodingAttributes(const TOptionen& o, TStrings& out) {
    if (o.Kodierung == TKodierung::Auto && !o.Sicher) return;
    static const char* fsmEncoding[] = {"", "one_hot", "gray", "sequential"};
    static const char* synEncoding[] = {"", "onehot", "gray", "sequential"};
    const auto k = static_cast<std::size_t>(o.Kodierung);
    out.push_back("   -- fsm_encoding und fsm_safe_state liest Vivado, syn_encoding lesen Synplify "
                  "und Quartus");
    if (o.Kodierung != TKodierung::Auto) {
        out.push_back("   attribute fsm_encoding : string;");
        out.push_back(std::string("   attribute fsm_encoding of z : signal is \"") +
                      fsmEncoding[k] + "\";");
    }
    if (o.Sicher) {
        out.push_back("   attribute fsm_safe_state : string;");
        out.push_back("   attribute fsm_safe_state of z : signal is \"reset_state\";");
    }
    std::string syn = o.Sicher ? "safe" : "";
    if (o.Kodierung != TKodierung::Auto)
        syn += (syn.empty() ? "" : ",") + std::string(synEncoding[k]);
    out.push_back("   attribute syn_encoding : string;");
    out.push_back("   attribute syn_encoding of zustand : type is \"" + syn + "\";");
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

// The rows of each state as the Mealy forms find them: by the state's exact
// name, in table order (rows of fewer than three fields name no input). One
// pass, so a large machine is not searched once per state and input.
std::unordered_map<std::string_view, std::vector<int>> MealyRowsByState(const TMachine& a) {
    std::unordered_map<std::string_view, std::vector<int>> rows;
    for (std::size_t i = 0; i < a.Zeilen.size(); ++i)
        if (a.Zeilen[i].Fields >= 3) rows[a.Zeilen[i].Zustand.Name].push_back(static_cast<int>(i));
    return rows;
}

void MealyCases(const TMachine& a, TStrings& out) {
    if (a.Zeilen.empty()) return;
    const auto byState = MealyRowsByState(a);
    out.push_back(std::string(12, ' ') + "case z is");
    for (const auto& state : a.Zustaende) {
        const std::string& s = state.Written();
        const std::string head = "              when " + s;
        out.push_back(head + " => case x is ");
        const std::string indent(head.size() + 4, ' ');
        // The first row of the state for each input, as TMachine::MealyRow finds it.
        std::unordered_map<std::string_view, int> first;
        if (const auto it = byState.find(s); it != byState.end())
            for (const int r : it->second)
                first.try_emplace(a.Zeilen[static_cast<std::size_t>(r)].Bedingung.Name, r);
        for (const auto& input : a.Eingaenge) {
            const std::string& x = input.Written();
            const auto found = first.find(x);
            // A pair without a row is left to the "when others" line below.
            if (found == first.end()) continue;
            const TTransition& row = a.Zeilen[static_cast<std::size_t>(found->second)];
            out.push_back(indent + "  when " + x + " => y <= " + Field(row, row.Ausgang) +
                          "; zn <= " + Field(row, row.Folgezustand) + ";");
        }
        out.push_back(indent + "  when others => y <= yx; zn <= zx;");
        out.push_back(indent + "end case;");
    }
    out.push_back(std::string(12, ' ') + "  when others => y <= yx; zn <= zx;");
    out.push_back(std::string(12, ' ') + "end case;");
}

// With don't-care bits the inputs of a state may overlap, which case choices
// must not: each state tests its rows in table order, the first match wins.
void MealyChains(const TMachine& a, TStrings& out) {
    if (a.Zeilen.empty()) return;
    const auto byState = MealyRowsByState(a);
    static const std::vector<int> none;
    out.push_back(std::string(12, ' ') + "case z is");
    for (const auto& state : a.Zustaende) {
        const std::string& s = state.Written();
        const std::string head = "              when " + s + " => ";
        const std::string indent(head.size(), ' ');
        bool first = true;
        // The rows the case form finds for this state: its exact name.
        const auto it = byState.find(s);
        for (const int r : it == byState.end() ? none : it->second) {
            const TTransition& row = a.Zeilen[static_cast<std::size_t>(r)];
            out.push_back((first ? head : indent) + Keyword(first) + " " +
                          InputTest(true, Field(row, row.Bedingung)) +
                          " then y <= " + Field(row, row.Ausgang) +
                          "; zn <= " + Field(row, row.Folgezustand) + ";");
            first = false;
        }
        if (first) {
            out.push_back(head + "y <= yx; zn <= zx;");
            continue;
        }
        out.push_back(indent + "else  y <= yx; zn <= zx;");
        out.push_back(indent + "end if;");
    }
    out.push_back(std::string(12, ' ') + "  when others => y <= yx; zn <= zx;");
    out.push_back(std::string(12, ' ') + "end case;");
}

} // namespace

TStrings BuildAutomatVhdl(const TMachine& a, const std::string& entity) {
    const TBounds b = VectorBounds(a);
    const bool coded = a.Coded();
    const bool mealy = !a.Moore;
    const TOptionen& o = a.Optionen;
    const bool dontCare = std::any_of(a.Eingaenge.begin(), a.Eingaenge.end(),
                                      [](const TNamed& x) { return HasDontCare(x.Bits); });
    // That option leaves std_logic_1164 alone: the file's one function of numeric_std,
    // std_match for patterns with don't-care bits, is called by its full name.
    TStrings out = {"library IEEE;", "use IEEE.STD_LOGIC_1164.ALL;"};
    if (!o.NumericStd) {
        out.push_back("use IEEE.STD_LOGIC_ARITH.ALL;");
        out.push_back("use IEEE.STD_LOGIC_UNSIGNED.ALL;");
    }
    out.insert(out.end(), {"", "entity " + entity + " is", "    Port(clk,rst : in std_logic;",
                           "         x : in std_logic_vector" + Range(b.xh) + ";"});
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
        EncodingAttributes(o, out);
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
    const bool registered = !mealy && o.Register;
    out.push_back("            if rst = '" + a.ResetAktiv + "' then z <= " + a.ResetName() + ";" +
                  (registered ? LoadOutputs(a, a.ResetName()) : ""));
    if (o.Flanke)
        out.push_back(std::string("               elsif ") +
                      (a.TaktAktiv == "0" ? "falling_edge" : "rising_edge") + "(clk) then");
    else
        out.push_back("               elsif (clk'event and clk = '" + a.TaktAktiv + "') then");
    if (mealy)
        out.push_back("                     z <= zn;");
    else
        MooreTransitions(a, dontCare, registered, out);
    if (coded && o.Sicher) SafeRecovery(a, registered, out);
    out.push_back("            end if;");
    if (mealy) out.push_back("");
    out.push_back("          END PROCESS pSync;");
    out.push_back("");

    if (!registered) {
        out.push_back(mealy ? "  pASync: PROCESS(z,x)" : "  pASync: PROCESS(z)");
        out.push_back("          BEGIN");
        if (mealy)
            dontCare ? MealyChains(a, out) : MealyCases(a, out);
        else
            MooreOutputs(a, out);
        out.push_back("          END PROCESS pASync;");
        out.push_back("");
    }
    out.push_back("end Behavioral;");
    out.push_back("");
    return out;
}

} // namespace korvalt

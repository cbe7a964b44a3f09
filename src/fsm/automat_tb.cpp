#include "fsm/automat_tb.h"

#include <algorithm>

#include "common/cp1252.h"
#include "fsm/cube.h"
#include "fsm/synthesis.h"

namespace korvalt {

namespace {

// German text for the generated file, which holds Windows-1252.
std::string Msg(const char* utf8) {
    return Utf8ToCp1252(utf8);
}

} // namespace

std::string AutomatTestbenchFileName(const std::string& entity) {
    return entity + "_tb.vhd";
}

namespace {

// A row's text inside a VHDL string literal.
std::string Literal(const std::string& text) {
    std::string out;
    for (const char c : text) {
        out += c;
        if (c == '"') out += '"';
    }
    return out;
}

std::string Quote(const std::string& bits) {
    return "\"" + bits + "\"";
}

std::string RowLabel(const TMachine& a, int r) {
    const TTransition& row = a.Zeilen[static_cast<std::size_t>(r)];
    return "Zeile " + std::to_string(row.Zeile) + " (" + Cp1252ToUtf8(row.Stored()) + ")";
}

} // namespace

TStrings SkippedRowLines(const TMachine& a, const TTour& tour) {
    TStrings lines;
    for (const auto& s : tour.skipped)
        lines.push_back(RowLabel(a, s.row) + " wird nie genommen: " + s.reason);
    return lines;
}

TStrings BuildAutomatTestbench(const TMachine& a, const std::string& entity) {
    return BuildAutomatTestbench(a, entity, PlanTour(a, TMachineModel(a)));
}

TStrings BuildAutomatTestbench(const TMachine& a, const std::string& entity, const TTour& tour) {
    const TMachineModel m(a);
    const TBounds b = VectorBounds(a);
    const bool moore = a.Moore, coded = a.Coded();
    const std::string active = a.TaktAktiv == "0" ? "0" : "1";
    const std::string idle = active == "1" ? "0" : "1";
    const std::string rstOn = a.ResetAktiv == "0" ? "0" : "1";
    const std::string rstOff = rstOn == "1" ? "0" : "1";
    const std::string tb = entity + "_tb";
    const std::string reset = m.ResetState() >= 0 ? m.StateName(m.ResetState()) : "";
    int resets = 0;
    int checks = 0; // calls of Pruefe: the run's "N Übergänge geprüft"
    for (const auto& s : tour.steps) {
        resets += s.reset ? 1 : 0;
        const bool stateOutput = moore && !m.StateOutput(s.next).empty();
        checks += (s.reset ? stateOutput : !moore || stateOutput) ? 1 : 0;
    }

    TStrings out = {Msg("-- Selbstprüfende Testbench für den Automaten ") + entity + " (" +
                        (moore ? "Moore" : "Mealy") +
                        Msg(coded ? ", Zustände codiert)." : ", Zustände als Aufzählung)."),
                    Msg("-- Takt: ") + (active == "1" ? "steigende" : "fallende") +
                        Msg(" Flanke, Periode 10 ns. Reset: aktiv bei '") + rstOn +
                        "'. Resetzustand: " + reset + ".",
                    Msg("-- Die Übergangsfolge nimmt jede Zeile der Automatentabelle, die genommen "
                        "werden kann,"),
                    "-- mindestens einmal: " + std::to_string(tour.takeable) + " von " +
                        std::to_string(a.Zeilen.size()) + " Zeilen in " +
                        std::to_string(tour.steps.size() - static_cast<std::size_t>(resets)) +
                        " Schritten mit " + std::to_string(resets) +
                        (resets == 1 ? " Reset." : " Resets.")};
    if (tour.skipped.empty() && tour.unchecked.empty())
        out.push_back(Msg("-- Alle Zeilen werden geprüft."));
    if (!tour.skipped.empty()) out.push_back(Msg("-- Nicht geprüfte Zeilen:"));
    for (const auto& line : SkippedRowLines(a, tour))
        out.push_back("--   " + Utf8ToCp1252(line));
    for (const int s : tour.unchecked)
        out.push_back("--   Zustand " + m.StateName(s) +
                      Msg(" hat keine Ausgangsbelegung; seine Ausgänge werden nicht geprüft."));
    out.insert(out.end(),
               {Msg("-- Am Ende steht \"N Übergänge geprüft, F Fehler\"; N zählt die Prüfungen "
                    "der Ausgänge,"),
                "-- hier " + std::to_string(checks) +
                    Msg(moore ? ": nach jedem Schritt und jedem Reset in einen Zustand mit "
                                "Ausgangsbelegung."
                              : ": eine je Schritt."),
                "-- Der Simulator endet mit Status 1, wenn F > 0 ist, sonst mit Status 0.",
                "library IEEE;", "use IEEE.STD_LOGIC_1164.ALL;", "", "entity " + tb + " is",
                "end " + tb + ";", "", "architecture Test of " + tb + " is",
                "   constant Periode : time := 10 ns;",
                "   signal clk : std_logic := '" + idle + "';",
                "   signal rst : std_logic := '" + rstOn + "';",
                "   signal x : std_logic_vector(" + std::to_string(b.xh) +
                    " downto 0) := (others => '0');",
                "   signal y : std_logic_vector(" + std::to_string(b.yh) + " downto 0);"});
    const bool zPort = !moore && coded;
    if (zPort)
        out.push_back("   signal z : std_logic_vector(" + std::to_string(b.zh) + " downto 0);");
    out.insert(out.end(),
               {"begin",
                "   dut: entity work." + entity + " port map (clk => clk, rst => rst, x => x, " +
                    (zPort ? "z => z, " : "") + "y => y);",
                "", "   pruefung: process", "      variable geprueft : natural := 0;",
                "      variable fehler : natural := 0;", "",
                "      function Bits(v : std_logic_vector) return string is",
                "         variable s : string(1 to v'length);",
                "         variable i : positive := 1;", "      begin",
                "         for k in v'range loop", "            s(i) := std_logic'image(v(k))(2);",
                "            i := i + 1;", "         end loop;", "         return s;",
                "      end function;", ""});
    // Outputs with don't-care bits are compared one way: an expected '-'
    // takes any seen bit, an expected value needs that value ('-' seen fails).
    const bool dontCare = std::any_of(a.Ausgaenge.begin(), a.Ausgaenge.end(),
                                      [](const TNamed& y) { return HasDontCare(y.Bits); });
    if (dontCare)
        out.insert(
            out.end(),
            {Msg("      -- Jedes erwartete Bit ist '-' (beliebig) oder gleich dem gesehenen."),
             "      function Passt(gesehen, erwartet : std_logic_vector) return boolean is",
             "         alias g : std_logic_vector(1 to gesehen'length) is gesehen;",
             "         alias e : std_logic_vector(1 to erwartet'length) is erwartet;",
             "      begin", "         if g'length /= e'length then", "            return false;",
             "         end if;", "         for i in e'range loop",
             "            if e(i) /= '-' and e(i) /= g(i) then", "               return false;",
             "            end if;", "         end loop;", "         return true;",
             "      end function;", ""});
    const std::string differs = dontCare ? "not Passt(y, erwartet)" : "y /= erwartet";
    const std::string agrees = dontCare ? "Passt(y, erwartet)" : "y = erwartet";
    out.insert(
        out.end(),
        {"      procedure Pruefe(erwartet : std_logic_vector; wo : string) is", "      begin",
         "         geprueft := geprueft + 1;", "         if " + differs + " then",
         "            fehler := fehler + 1;", "         end if;", "         assert " + agrees,
         "            report wo & \": erwartet y = \" & Bits(erwartet) & \", gesehen y = \" & "
         "Bits(y)",
         "            severity error;", "      end procedure;", "",
         "      procedure Zuruecksetzen is", "      begin", "         rst <= '" + rstOn + "';",
         "         wait for Periode / 2;", "         rst <= '" + rstOff + "';",
         "         wait for Periode / 2;", "      end procedure;", ""});
    if (moore)
        out.insert(out.end(), {Msg("      -- Eine aktive Taktflanke mit dem Eingang e; danach die "
                                   "Ausgänge des erreichten Zustands."),
                               "      procedure Schritt(e : std_logic_vector; erwartet : "
                               "std_logic_vector; wo : string) is",
                               "      begin",
                               "         x <= e;",
                               "         wait for Periode / 4;",
                               "         clk <= '" + active + "';",
                               "         wait for Periode / 4;",
                               "         Pruefe(erwartet, wo);",
                               "         clk <= '" + idle + "';",
                               "         wait for Periode / 2;",
                               "      end procedure;",
                               "",
                               Msg("      -- Eine aktive Taktflanke ohne Prüfung."),
                               "      procedure Weiter(e : std_logic_vector) is",
                               "      begin",
                               "         x <= e;",
                               "         wait for Periode / 4;",
                               "         clk <= '" + active + "';",
                               "         wait for Periode / 4;",
                               "         clk <= '" + idle + "';",
                               "         wait for Periode / 2;",
                               "      end procedure;"});
    else
        out.insert(out.end(),
                   {Msg("      -- Der Eingang e; die Ausgänge der genommenen Zeile vor der "
                        "aktiven Taktflanke."),
                    "      procedure Schritt(e : std_logic_vector; erwartet : "
                    "std_logic_vector; wo : string) is",
                    "      begin", "         x <= e;", "         wait for Periode / 4;",
                    "         Pruefe(erwartet, wo);", "         clk <= '" + active + "';",
                    "         wait for Periode / 4;", "         clk <= '" + idle + "';",
                    "         wait for Periode / 2;", "      end procedure;"});
    out.insert(out.end(),
               {"   begin", "      -- Reset: drei Taktperioden lang aktiv, dann losgelassen.",
                "      for i in 1 to 3 loop", "         clk <= '" + active + "';",
                "         wait for Periode / 2;", "         clk <= '" + idle + "';",
                "         wait for Periode / 2;", "      end loop;",
                "      rst <= '" + rstOff + "';", "      wait for Periode / 2;"});

    auto stateOutputCheck = [&](int s, const std::string& where) {
        return Quote(m.StateOutput(s)) + ", \"" + Literal(where) + ", Zustand " +
               Literal(m.StateName(s)) + ", Ausgang " + Literal(m.StateOutputName(s)) + "\");";
    };
    bool first = true;
    for (const auto& step : tour.steps) {
        if (step.reset) {
            if (!first) out.push_back("      Zuruecksetzen;");
            first = false;
            if (moore && !m.StateOutput(step.next).empty())
                out.push_back("      Pruefe(" + stateOutputCheck(step.next, "Reset"));
            continue;
        }
        const auto& row = m.Row(step.row);
        const std::string label = RowLabel(a, step.row);
        if (moore) {
            if (m.StateOutput(step.next).empty())
                out.push_back("      Weiter(" + Quote(row.stimulus) + ");");
            else
                out.push_back("      Schritt(" + Quote(row.stimulus) + ", " +
                              stateOutputCheck(step.next, label));
        } else {
            out.push_back("      Schritt(" + Quote(row.stimulus) + ", " + Quote(row.output) +
                          ", \"" + Literal(label) + ", Zustand " +
                          Literal(m.StateName(step.state)) + ", Ausgang " +
                          Literal(row.outputName) + "\");");
        }
    }
    out.insert(out.end(),
               {"",
                "      report integer'image(geprueft) & \"" + Msg(" Übergänge geprüft, ") +
                    "\" & integer'image(fehler) & \" Fehler\";",
                "      if fehler > 0 then", "         std.env.stop(1);", "      else",
                "         std.env.stop(0);", "      end if;", "      wait;", "   end process;",
                "end Test;", ""});
    return out;
}

} // namespace korvalt

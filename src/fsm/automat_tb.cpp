#include "fsm/automat_tb.h"

#include <deque>

#include "common/cp1252.h"
#include "fsm/synthesis.h"

namespace korvalt {

namespace {

// A pattern as the generated constant holds it: empty bits are zeros.
std::string Pattern(const TNamed& entry, int high) {
    std::string bits = entry.Bits;
    if (bits.empty()) bits.assign(static_cast<std::size_t>(high) + 1, '0');
    return bits;
}

// German text for the generated file, which holds Windows-1252.
std::string Msg(const char* utf8) {
    return Utf8ToCp1252(utf8);
}

} // namespace

TMachineModel::TMachineModel(const TMachine& a) : moore_(a.Moore) {
    const TBounds b = VectorBounds(a);
    for (const auto& s : a.Zustaende)
        states_.push_back(s.Written());
    if (!states_.empty()) reset_ = FindNamed(a.Zustaende, a.ResetName(), TMatch::IgnoreCase);

    // The row's state and input as the generator looks them up; the next
    // state and the output as VHDL finds them, ignoring case.
    rowsOfState_.resize(states_.size());
    for (const auto& t : a.Zeilen) {
        TRow row;
        const int state = t.Complete ? t.Zustand.Index : -1;
        const int next =
            FindNamed(a.Zustaende, t.Complete ? t.Folgezustand.Name : "", TMatch::IgnoreCase);
        const int input = t.Complete ? t.Bedingung.Index : -1;
        if (state >= 0 && next >= 0 && input >= 0) {
            row.state = state;
            row.next = next;
            row.input = Pattern(a.Eingaenge[static_cast<std::size_t>(input)], b.xh);
            if (!moore_) {
                const int out = FindNamed(a.Ausgaenge, t.Ausgang.Name, TMatch::IgnoreCase);
                if (out >= 0)
                    row.output = Pattern(a.Ausgaenge[static_cast<std::size_t>(out)], b.yh);
                row.outputName = t.Ausgang.Name;
            }
            rowsOfState_[static_cast<std::size_t>(state)].push_back(static_cast<int>(rows_.size()));
        }
        rows_.push_back(row);
    }

    // Moore: the output chain tests the rows of the output table in order.
    stateOutput_.resize(states_.size());
    stateOutputName_.resize(states_.size());
    if (!moore_) return;
    for (const auto& row : a.Ausgangszeilen) {
        const int s = row.Zustand.Index;
        if (s < 0 || !stateOutputName_[static_cast<std::size_t>(s)].empty()) continue;
        const std::string outName = a.OutputOf(row.Entry.Written());
        const int out = FindNamed(a.Ausgaenge, outName, TMatch::IgnoreCase);
        if (out < 0) continue;
        stateOutputName_[static_cast<std::size_t>(s)] = outName;
        stateOutput_[static_cast<std::size_t>(s)] =
            Pattern(a.Ausgaenge[static_cast<std::size_t>(out)], b.yh);
    }
}

int TMachineModel::RowTaken(int s, const std::string& pattern) const {
    if (s < 0 || s >= StateCount()) return -1;
    for (const int r : rowsOfState_[static_cast<std::size_t>(s)])
        if (rows_[static_cast<std::size_t>(r)].input == pattern) return r;
    return -1;
}

TTour PlanTour(const TMachine& a, const TMachineModel& m) {
    TTour tour;
    const int rowCount = static_cast<int>(a.Zeilen.size());
    const int n = m.StateCount();
    std::vector<int> winner(static_cast<std::size_t>(rowCount), -1); // the row that wins instead
    std::vector<std::vector<int>> edges(static_cast<std::size_t>(n));
    for (int r = 0; r < rowCount; ++r) {
        const auto& row = m.Row(r);
        if (row.state < 0) continue;
        winner[static_cast<std::size_t>(r)] = m.RowTaken(row.state, row.input);
        if (winner[static_cast<std::size_t>(r)] == r)
            edges[static_cast<std::size_t>(row.state)].push_back(r);
    }
    // States reachable from the reset state.
    std::vector<bool> reached(static_cast<std::size_t>(n), false);
    if (m.ResetState() >= 0) {
        std::deque<int> queue = {m.ResetState()};
        reached[static_cast<std::size_t>(m.ResetState())] = true;
        while (!queue.empty()) {
            const int s = queue.front();
            queue.pop_front();
            for (const int r : edges[static_cast<std::size_t>(s)])
                if (!reached[static_cast<std::size_t>(m.Row(r).next)]) {
                    reached[static_cast<std::size_t>(m.Row(r).next)] = true;
                    queue.push_back(m.Row(r).next);
                }
        }
    }
    for (int r = 0; r < rowCount; ++r) {
        const auto& row = m.Row(r);
        const int w = winner[static_cast<std::size_t>(r)];
        if (row.state < 0)
            tour.skipped.push_back(
                {r, "sie nennt einen unbekannten Namen oder ist unvollständig."});
        else if (w != r)
            tour.skipped.push_back(
                {r, "Zeile " + std::to_string(w + 1) +
                        " desselben Zustands mit demselben Eingangsmuster hat Vorrang."});
        else if (!reached[static_cast<std::size_t>(row.state)])
            tour.skipped.push_back({r, "der Zustand " + Cp1252ToUtf8(m.StateName(row.state)) +
                                           " ist vom Resetzustand aus nicht erreichbar."});
        else
            ++tour.takeable;
    }
    for (int s = 0; s < n; ++s)
        if (a.Moore && reached[static_cast<std::size_t>(s)] && m.StateOutput(s).empty())
            tour.unchecked.push_back(s);
    if (m.ResetState() < 0) return tour;

    // Rows still to take, per state, in table order.
    std::vector<std::deque<int>> open(static_cast<std::size_t>(n));
    for (int s = 0; s < n; ++s)
        if (reached[static_cast<std::size_t>(s)])
            open[static_cast<std::size_t>(s)].assign(edges[static_cast<std::size_t>(s)].begin(),
                                                     edges[static_cast<std::size_t>(s)].end());
    std::vector<bool> taken(static_cast<std::size_t>(rowCount), false);
    int remaining = tour.takeable;
    int current = m.ResetState();
    tour.steps.push_back({true, -1, current, current});
    auto take = [&](int r) {
        tour.steps.push_back({false, r, current, m.Row(r).next});
        if (!taken[static_cast<std::size_t>(r)]) {
            taken[static_cast<std::size_t>(r)] = true;
            --remaining;
        }
        current = m.Row(r).next;
    };
    auto hasOpen = [&](int s) {
        auto& q = open[static_cast<std::size_t>(s)];
        while (!q.empty() && taken[static_cast<std::size_t>(q.front())])
            q.pop_front();
        return !q.empty();
    };
    std::vector<int> via(static_cast<std::size_t>(n));
    while (remaining > 0) {
        if (hasOpen(current)) {
            // Self-loops first (they cost no way back), then a row that leads
            // where more rows wait, so fewer steps are walked.
            auto& q = open[static_cast<std::size_t>(current)];
            auto rank = [&](int r) {
                if (taken[static_cast<std::size_t>(r)]) return 3;
                const int next = m.Row(r).next;
                return next == current ? 0 : hasOpen(next) ? 1 : 2;
            };
            std::size_t pick = 0;
            for (std::size_t i = 1; i < q.size() && rank(q[pick]) > 0; ++i)
                if (rank(q[i]) < rank(q[pick])) pick = i;
            const int r = q[pick];
            q.erase(q.begin() + static_cast<std::ptrdiff_t>(pick));
            take(r);
            continue;
        }
        // Breadth-first search for the nearest state with an open row.
        std::fill(via.begin(), via.end(), -2);
        via[static_cast<std::size_t>(current)] = -1;
        std::deque<int> queue = {current};
        int target = -1;
        while (!queue.empty() && target < 0) {
            const int s = queue.front();
            queue.pop_front();
            for (const int r : edges[static_cast<std::size_t>(s)]) {
                const int t = m.Row(r).next;
                if (via[static_cast<std::size_t>(t)] != -2) continue;
                via[static_cast<std::size_t>(t)] = r;
                if (hasOpen(t)) {
                    target = t;
                    break;
                }
                queue.push_back(t);
            }
        }
        if (target < 0) {
            if (current == m.ResetState()) break; // cannot happen: every open row is reachable
            current = m.ResetState();
            tour.steps.push_back({true, -1, current, current});
            continue;
        }
        std::vector<int> path;
        for (int s = target; s != current; s = m.Row(via[static_cast<std::size_t>(s)]).state)
            path.push_back(via[static_cast<std::size_t>(s)]);
        for (auto it = path.rbegin(); it != path.rend(); ++it)
            take(*it);
    }
    return tour;
}

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
    for (const auto& s : tour.steps)
        resets += s.reset ? 1 : 0;

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
               {Msg("-- Am Ende steht \"N Übergänge geprüft, F Fehler\"; der Simulator endet mit"),
                "-- Status 1, wenn F > 0 ist, sonst mit Status 0.", "library IEEE;",
                "use IEEE.STD_LOGIC_1164.ALL;", "", "entity " + tb + " is", "end " + tb + ";", "",
                "architecture Test of " + tb + " is", "   constant Periode : time := 10 ns;",
                "   signal clk : std_logic := '" + idle + "';",
                "   signal rst : std_logic := '" + rstOn + "';",
                "   signal x : std_logic_vector(" + std::to_string(b.xh) +
                    " downto 0) := (others => '0');",
                "   signal y : std_logic_vector(" + std::to_string(b.yh) + " downto 0);"});
    const bool zPort = !moore && coded;
    if (zPort)
        out.push_back("   signal z : std_logic_vector(" + std::to_string(b.zh) + " downto 0);");
    out.insert(
        out.end(),
        {"begin",
         "   dut: entity work." + entity + " port map (clk => clk, rst => rst, x => x, " +
             (zPort ? "z => z, " : "") + "y => y);",
         "",
         "   pruefung: process",
         "      variable geprueft : natural := 0;",
         "      variable fehler : natural := 0;",
         "",
         "      function Bits(v : std_logic_vector) return string is",
         "         variable s : string(1 to v'length);",
         "         variable i : positive := 1;",
         "      begin",
         "         for k in v'range loop",
         "            s(i) := std_logic'image(v(k))(2);",
         "            i := i + 1;",
         "         end loop;",
         "         return s;",
         "      end function;",
         "",
         "      procedure Pruefe(erwartet : std_logic_vector; wo : string) is",
         "      begin",
         "         geprueft := geprueft + 1;",
         "         if y /= erwartet then",
         "            fehler := fehler + 1;",
         "         end if;",
         "         assert y = erwartet",
         "            report wo & \": erwartet y = \" & Bits(erwartet) & \", gesehen y = \" & "
         "Bits(y)",
         "            severity error;",
         "      end procedure;",
         "",
         "      procedure Zuruecksetzen is",
         "      begin",
         "         rst <= '" + rstOn + "';",
         "         wait for Periode / 2;",
         "         rst <= '" + rstOff + "';",
         "         wait for Periode / 2;",
         "      end procedure;",
         ""});
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
                out.push_back("      Weiter(" + Quote(row.input) + ");");
            else
                out.push_back("      Schritt(" + Quote(row.input) + ", " +
                              stateOutputCheck(step.next, label));
        } else {
            out.push_back("      Schritt(" + Quote(row.input) + ", " + Quote(row.output) + ", \"" +
                          Literal(label) + ", Zustand " + Literal(m.StateName(step.state)) +
                          ", Ausgang " + Literal(row.outputName) + "\");");
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

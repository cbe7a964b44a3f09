// The testbench texts, line by line, from the scanned entity and its emitters.
#include "vhdl/testbench.h"

#include "common/ascii.h"
#include "common/paths.h"
#include "vhdl/keywords.h"

namespace korvalt {

std::string TestbenchFileName(const std::string& chosenPath) {
    const std::string name = FileNamePart(chosenPath);
    return FolderPart(chosenPath) + name.substr(0, name.find('.')) + ".wdl";
}

TStrings TestbenchLines(const TEntity& design) {
    auto add = [](TStrings& to, const TStrings& lines) {
        to.insert(to.end(), lines.begin(), lines.end());
    };
    TStrings out{"library IEEE;",
                 "use IEEE.STD_LOGIC_1164.ALL;",
                 "use IEEE.STD_LOGIC_ARITH.ALL;",
                 "use IEEE.STD_LOGIC_UNSIGNED.ALL;",
                 "use work.testpack.ALL;",
                 "",
                 "entity testbench is",
                 "end testbench;",
                 "",
                 "architecture behavioral of testbench is",
                 ""};
    add(out, ComponentDecl(design, 3));
    out.push_back("");
    add(out, InputSignals(design, 3));
    add(out, OutputSignals(design, 3));
    out.insert(out.end(), {"", "   constant tb_time : time:= 100 ns; -- Zeitkonstante definieren",
                           "", "BEGIN", ""});
    add(out, TestbenchMap(design, 3));
    out.push_back("");
    add(out, StimulusProcesses(design, 3));
    out.insert(out.end(), {"", "   ptest : PROCESS", "           BEGIN", "", "",
                           "           wait; -- Test beendet", "           END PROCESS ptest;", "",
                           "END behavioral;", ""});
    return out;
}

TResult<> BuildTestbench(const TEntity& design, const std::string& outputPath) {
    return SaveLines(outputPath, TestbenchLines(design));
}

std::string VhdlTestbenchFileName(const std::string& designPath, const TEntity& design) {
    return FolderPart(designPath) + design.name + "_tb.vhd";
}

TVhdlTestbenchRefusal CheckVhdlTestbench(const std::string& designPath, const TEntity& design) {
    if (design.name.empty()) return TVhdlTestbenchRefusal::NoEntityName;
    if (FileNamePart(designPath) == FileNamePart(VhdlTestbenchFileName(designPath, design)))
        return TVhdlTestbenchRefusal::OwnFile;
    return TVhdlTestbenchRefusal::None;
}

// Statements before the entity, split at ";"; a statement that is no context
// item (a package in the same file) starts the collection anew.
TStrings ContextClause(const TStrings& designLines) {
    std::string code;
    for (const std::string& line : designLines) {
        if (HasWord(CodeUpper(line), "ENTITY")) break;
        code.append(line, 0, CommentStart(line));
        code += ' ';
    }
    TStrings clause;
    std::size_t start = 0;
    for (std::size_t semi = code.find(';'); semi != std::string::npos;
         start = semi + 1, semi = code.find(';', start)) {
        std::string statement;
        for (const char c : std::string_view(code).substr(start, semi - start)) {
            const bool white = c == ' ' || c == '\t';
            if (!(white && (statement.empty() || statement.back() == ' ')))
                statement += white ? ' ' : c;
        }
        statement = TrimBlanks(statement);
        if (FirstWordIs(statement, "LIBRARY") || FirstWordIs(statement, "USE") ||
            FirstWordIs(statement, "CONTEXT"))
            clause.push_back(statement + ";");
        else if (!statement.empty())
            clause.clear();
    }
    return clause;
}

namespace {

// A port signal's initial value, for the types whose first value is no help.
std::string InitialValue(const std::string& type) {
    if (type.find(":=") != std::string::npos) return ""; // the port's own default stays
    std::string mark = UpperCase(type.substr(0, type.find_first_of("( \t")));
    if (const std::size_t dot = mark.rfind('.'); dot != std::string::npos)
        mark = mark.substr(dot + 1);
    if (mark == "STD_LOGIC" || mark == "STD_ULOGIC" || mark == "BIT") return " := '0'";
    if (mark == "BOOLEAN") return " := false";
    if ((mark == "STD_LOGIC_VECTOR" || mark == "STD_ULOGIC_VECTOR" || mark == "BIT_VECTOR" ||
         mark == "SIGNED" || mark == "UNSIGNED") &&
        type.find('(') != std::string::npos)
        return " := (others => '0')";
    return "";
}

} // namespace

TStrings VhdlTestbenchLines(const TEntity& design, const TStrings& context) {
    const std::string& e = design.name;
    TStrings out{"-- Testbench zu " + e + " (VHDL-2008), geschrieben von Korvalt"};
    // What the testbench assumed about clock and reset, for the designer to check.
    const TSignalRef& c = design.edgeClock;
    const TSignalRef& r = design.edgeReset;
    out.push_back("-- Takt: " + (c ? c.name + (c.high ? ", steigende Flanke" : ", fallende Flanke")
                                   : std::string("keiner erkannt")));
    const char* kinds[] = {"", "asynchron", "synchron", "nach dem Namen"};
    out.push_back("-- Reset: " + (r ? r.name + ", aktiv " + (r.high ? "'1', " : "'0', ") +
                                          kinds[static_cast<int>(design.resetKind)]
                                    : std::string("keiner erkannt")));
    // A design with a second reset (an asynchronous one and a synchronous
    // srst_n) would stay in that reset if it were held at '0' like the other
    // inputs: every input named like a reset is pulsed with the first.
    std::vector<TSignalRef> resets;
    if (r) resets.push_back(r);
    for (const TPort& p : design.ports) {
        bool high = true;
        bool known = SameText(p.name, c.name);
        for (const auto& k : resets)
            known = known || SameText(p.name, k.name);
        if (r && !known && IsBitPort(p) && NamedLikeReset(p.name, high)) {
            resets.push_back({p.name, p.name, high});
            out.push_back("-- Weiterer Reset: " + p.name + ", aktiv " + (high ? "'1'" : "'0'") +
                          ", nach dem Namen, zusammen mit " + r.name);
        }
    }
    out.insert(out.end(), context.begin(), context.end());
    out.insert(out.end(), {"", "entity " + e + "_tb is", "end entity " + e + "_tb;", "",
                           "architecture sim of " + e + "_tb is",
                           "   constant tb_periode : time := 20 ns; -- Taktperiode"});
    const TStrings functions = PlaceholderFunctions(design, 3);
    out.insert(out.end(), functions.begin(), functions.end());
    for (const TGeneric& g : design.generics)
        out.push_back("   constant " + g.name + " : " + g.type + " := " + GenericValue(g) + ";" +
                      (g.value.empty() ? " -- Wert muss gesetzt werden" : ""));

    // One signal per port under the port's name.
    TStrings names;
    for (const TPort& p : design.ports) {
        const std::string& name = p.name;
        bool seen = name.empty();
        for (const auto& n : names)
            seen = seen || SameText(n, name);
        if (seen) continue;
        names.push_back(name);
        bool guessed = false;
        const std::string type = SignalType(p.type, guessed);
        out.push_back("   signal " + name + " : " + type + InitialValue(type) + ";" +
                      (guessed ? WidthNote() : ""));
    }
    // The scan names clock and reset only among the inputs.
    const std::string clock = c.name, reset = r.name;

    out.insert(out.end(), {"begin", "", "   tb_dut : entity work." + e});
    if (!design.generics.empty()) {
        out.push_back("      generic map(");
        for (std::size_t i = 0; i < design.generics.size(); ++i) {
            const std::string& g = design.generics[i].name;
            out.push_back("         " + g + " => " + g +
                          (i + 1 < design.generics.size() ? "," : ""));
        }
        out.push_back(names.empty() ? "      );" : "      )");
    }
    if (!names.empty()) {
        out.push_back("      port map(");
        for (std::size_t i = 0; i < names.size(); ++i)
            out.push_back("         " + names[i] + " => " + names[i] +
                          (i + 1 < names.size() ? "," : ""));
        out.push_back("      );");
    }
    if (design.generics.empty() && names.empty()) out.back() += ";";

    auto level = [](const TSignalRef& recorded, bool active) {
        return recorded.high == active ? "'1'" : "'0'";
    };
    if (!clock.empty()) {
        // The first edge, the active one, comes after half a period.
        out.insert(out.end(), {"", "   tb_takt : process", "   begin",
                               "      " + clock + " <= " + level(c, false) + ";",
                               "      wait for tb_periode / 2;",
                               "      " + clock + " <= " + level(c, true) + ";",
                               "      wait for tb_periode / 2;", "   end process tb_takt;"});
    }
    if (!reset.empty()) {
        out.insert(out.end(), {"", "   tb_reset : process", "   begin"});
        for (const auto& k : resets)
            out.push_back("      " + k.name + " <= " + level(k, true) + ";");
        out.push_back("      wait for 3 * tb_periode;");
        for (const auto& k : resets)
            out.push_back("      " + k.name + " <= " + level(k, false) + ";");
        out.insert(out.end(), {"      wait;", "   end process tb_reset;"});
    }
    out.insert(out.end(),
               {"", "   tb_stimuli : process", "   begin",
                "      wait for 5 * tb_periode; -- Reset abwarten",
                "      -- Hier die eigenen Stimuli eintragen:", "",
                "      wait for 10 * tb_periode;",
                "      report \"Simulation beendet\" severity note;", "      std.env.stop;",
                "      wait;", "   end process tb_stimuli;", "", "end architecture sim;"});
    return out;
}

} // namespace korvalt

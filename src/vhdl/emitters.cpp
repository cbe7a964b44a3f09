// The emitters: each writes its fragment from the typed entity alone.
#include "vhdl/emitters.h"

#include <algorithm>

#include "common/ascii.h"
#include "common/cp1252.h"

namespace korvalt {

namespace {

// The declarations in the order of the component declaration: inputs, then outputs.
TStrings DeclaredPorts(const TEntity& e) {
    TStrings ports;
    for (const TPort& p : e.ports)
        if (IsInput(p)) ports.push_back(p.declaration);
    for (const TPort& p : e.ports)
        if (IsOutput(p)) ports.push_back(p.declaration);
    return ports;
}

// The text before the first ":" of a declaration as written, blanks before it kept.
std::string WrittenName(const std::string& declaration) {
    return TrimRightBlanks(std::string_view(declaration).substr(0, declaration.find(':')));
}

// A declaration with its ";": the source's last port has none when ");" stands
// on a line of its own, and it need not stay last once inputs go first.
std::string Terminated(const std::string& declaration) {
    const std::string text = TrimRightBlanks(declaration);
    return !text.empty() && text.back() == ';' ? declaration : text + ";";
}

} // namespace

TStrings PortClause(const TEntity& e, int n) {
    TStrings out;
    const std::string indent = Spaces(n);
    const TStrings ports = DeclaredPorts(e);
    if (ports.empty()) return out; // no ports, no port clause
    out.push_back(indent + "   PORT(");
    for (std::size_t i = 0; i < ports.size(); ++i) {
        std::string line = "         " + ports[i];
        if (i + 1 == ports.size())
            line = line.substr(0, line.find(';'));
        else
            line = Terminated(line);
        out.push_back(indent + line);
    }
    out.push_back(indent + "        );");
    return out;
}

TStrings InputSignals(const TEntity& e, int n) {
    TStrings out;
    for (const TPort& p : e.ports)
        if (IsInput(p)) out.push_back(Spaces(n) + "Signal " + Terminated(p.declaration));
    return out;
}

TStrings OutputSignals(const TEntity& e, int n) {
    TStrings out;
    for (const TPort& p : e.ports)
        if (IsOutput(p)) out.push_back(Spaces(n) + "Signal " + Terminated(p.declaration));
    return out;
}

TStrings GenericClause(const TEntity& e, int n) {
    TStrings out;
    if (e.generics.empty()) return out;
    const std::string I = Spaces(n);
    out.push_back(I + "   GENERIC(");
    for (std::size_t i = 0; i < e.generics.size(); ++i) {
        const TGeneric& g = e.generics[i];
        std::string line = I + "         " + g.name + " : " + g.type;
        if (!g.value.empty()) line += " := " + g.value;
        out.push_back(i + 1 < e.generics.size() ? line + ";" : line);
    }
    out.push_back(I + "        );");
    return out;
}

TStrings ComponentDecl(const TEntity& e, int n) {
    TStrings lines{Spaces(n) + "component " + e.name};
    const TStrings generics = GenericClause(e, n), ports = PortClause(e, n);
    lines.insert(lines.end(), generics.begin(), generics.end());
    lines.insert(lines.end(), ports.begin(), ports.end());
    lines.push_back(Spaces(n) + "end component;");
    return lines;
}

TStrings StimulusProcesses(const TEntity& e, int n) {
    TStrings out;
    const std::string I = Spaces(n), J = Spaces(n + 8);
    auto levels = [](const TSignalRef& signal) {
        return signal.high ? std::pair<std::string, std::string>{"'0'", "'1'"}
                           : std::pair<std::string, std::string>{"'1'", "'0'"};
    };
    if (e.reset) {
        // The active level first, for 50 ns, then the inactive one for the rest of the run.
        const auto [b, a] = levels(e.reset);
        const std::string& name = e.reset.written;
        out.push_back(I + "prst: PROCESS");
        out.push_back(I + "      BEGIN");
        out.push_back(J + name + " <= " + a + "; wait for 50 ns;");
        out.push_back(J + name + " <= " + b + "; wait;");
        out.push_back(I + "      END PROCESS prst;");
        out.push_back("");
    }
    if (e.clock) {
        const auto [a, b] = levels(e.clock);
        const std::string& name = e.clock.written;
        out.push_back(I + "pclk: PROCESS");
        out.push_back(I + "      BEGIN");
        out.push_back(J + name + " <= " + a + "; wait for tb_time;");
        out.push_back(J + name + " <= " + b + "; wait for tb_time;");
        out.push_back(I + "      END PROCESS pclk;");
    }
    return out;
}

// Positional association: the ports in the order the component declaration
// lists them, so each signal reaches the port of its name.
// Generics are associated by name, before the ports: with their defaults (a
// placeholder and a note where there is none) or with constants of their names.
TStrings InstanceMap(const TEntity& e, int n, bool withComments, bool namedGenerics,
                     const std::string& label, const TStrings& byValue) {
    TStrings out;
    TStrings ports;
    for (const auto& p : DeclaredPorts(e))
        if (p.find(':') != std::string::npos) ports.push_back(p);
    if (ports.empty() && e.generics.empty()) return out;
    const std::string lead = Spaces(n) + label + " : " + e.name + " ";
    std::string oneLine = lead, unset;
    if (!e.generics.empty()) {
        const std::string head = lead + "generic map(";
        const std::string C = Spaces(static_cast<int>(head.size()));
        out.push_back(head);
        oneLine = head;
        for (std::size_t i = 0; i < e.generics.size(); ++i) {
            const TGeneric& g = e.generics[i];
            const bool named = namedGenerics && std::find(byValue.begin(), byValue.end(),
                                                          UpperCase(g.name)) == byValue.end();
            std::string assoc = g.name + " => " + (named ? g.name : GenericValue(g));
            if (i + 1 < e.generics.size()) assoc += ",";
            oneLine += assoc;
            if (!named && g.value.empty()) {
                assoc += " -- Wert muss gesetzt werden";
                unset += (unset.empty() ? "" : ", ") + g.name;
            }
            out.push_back(C + assoc);
        }
        out.push_back(C + ")");
        oneLine += ")";
        if (ports.empty()) {
            out.back() += ";";
            if (!withComments)
                out.assign(1, oneLine + ";" +
                                  (unset.empty() ? "" : " -- Wert muss gesetzt werden: " + unset));
            return out;
        }
        oneLine += " ";
    }
    const std::string head =
        (e.generics.empty() ? lead : Spaces(static_cast<int>(lead.size()))) + "port map(";
    const std::string C = Spaces(static_cast<int>(head.size()));
    oneLine += "port map(";
    out.push_back(head);
    for (std::size_t i = 0; i < ports.size(); ++i) {
        const std::string& p = ports[i];
        std::string name = WrittenName(p);
        if (i + 1 < ports.size()) name += ",";
        if (withComments) {
            std::string comment = p.substr(p.find(':') + 1);
            if (!comment.empty() && comment.back() == ';') comment.pop_back();
            name += " -- " + comment;
        }
        out.push_back(C + name);
        oneLine += name;
    }
    out.push_back(C + ");");
    if (!withComments)
        out.assign(1, oneLine + ");" +
                          (unset.empty() ? "" : " -- Wert muss gesetzt werden: " + unset));
    return out;
}

TStrings TestbenchMap(const TEntity& e, int n) {
    TStrings out;
    TStrings ports;
    for (const TPort& p : e.ports)
        if (p.declaration.find(':') != std::string::npos) ports.push_back(p.declaration);
    if (ports.empty()) return out;
    const std::string head = Spaces(n) + "map_tb" + " : " + e.name + " port map(";
    const std::string C = Spaces(static_cast<int>(head.size()));
    std::string line = head;
    for (std::size_t i = 0; i < ports.size(); ++i) {
        if (line.size() > 50) {
            out.push_back(line);
            line = C;
        }
        const std::string name = WrittenName(ports[i]);
        line += name + "=>" + name;
        if (i + 1 < ports.size()) line += ",";
    }
    out.push_back(line + ");");
    return out;
}

std::string ConfigLine(const TEntity& e, int n) {
    if (e.name.empty()) return "";
    // Without an architecture the line names the entity alone: "work.x()" does not analyse.
    const std::string arch = e.architecture.empty() ? "" : "(" + e.architecture + ")";
    return Spaces(n) + "for all : " + e.name + " use entity work." + e.name + arch + ";";
}

TStrings PlaceholderFunctions(const TEntity& e, int n) {
    TStrings out;
    for (const TGeneric& g : e.generics)
        if (const std::string f = PlaceholderFunction(g); !f.empty()) out.push_back(Spaces(n) + f);
    return out;
}

TStrings GenericNotes(const TEntity& e) {
    TStrings out;
    auto list = [](const TStrings& names) {
        std::string text;
        for (const auto& n : names)
            text += (text.empty() ? "" : ", ") + n;
        return text;
    };
    TStrings unset;
    for (const TGeneric& g : e.generics)
        if (g.value.empty()) unset.push_back(g.name);
    if (!unset.empty())
        out.push_back(
            "Diese Generics brauchen einen Wert (Platzhalter eingetragen): " + list(unset) + ".");
    TStrings open = e.genericTypes;
    open.insert(open.end(), e.genericSubprograms.begin(), e.genericSubprograms.end());
    if (!open.empty())
        out.push_back("Diese Generics werden nicht zugeordnet: " + list(open) +
                      Utf8ToCp1252("; das Ergebnis muss von Hand ergänzt werden."));
    return out;
}

TStrings ScanListing(const TEntity& e) {
    // Clock and reset as "+" or "-" (edge or active level) and the name as written.
    auto role = [](const TSignalRef& r) {
        return r ? (r.high ? "+" : "-") + r.written : std::string();
    };
    TStrings out{"entity: " + e.name, "architecture: " + e.architecture, "clock: " + role(e.clock),
                 "reset: " + role(e.reset)};
    for (const auto& g : e.generics)
        out.push_back("generic: " + g.name + " : " + g.type +
                      (g.value.empty() ? "" : " := " + g.value));
    for (const TPort& p : e.ports)
        out.push_back("port: " + p.declaration);
    for (const TPort& p : e.ports)
        if (IsInput(p)) out.push_back("input: " + p.declaration);
    for (const TPort& p : e.ports)
        if (IsOutput(p)) out.push_back("output: " + p.declaration);
    return out;
}

} // namespace korvalt

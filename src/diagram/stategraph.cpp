#include "diagram/stategraph.h"

#include <map>
#include <set>
#include <unordered_map>

#include "common/ascii.h"
#include "common/cp1252.h"
#include "diagram/layoutoptions.h"
#include "fsm/grid.h"

namespace korvalt {

namespace {

constexpr const char* WarningColour = "#c00000";

class TNodeIndex {
  public:
    explicit TNodeIndex(TStateGraph& g) : g_(g) {}
    int Find(const std::string& name) const {
        const auto it = index_.find(UpperCase(name));
        return it == index_.end() ? -1 : it->second;
    }
    int Add(const std::string& name, bool known) {
        const auto [it, added] = index_.try_emplace(UpperCase(name), int(g_.nodes.size()));
        if (added) g_.nodes.push_back({name, "", known});
        return it->second;
    }

  private:
    TStateGraph& g_;
    std::unordered_map<std::string, int> index_;
};

// A DOT string: quoted, UTF-8, with quotes and backslashes escaped; "\n" breaks lines.
std::string Quote(const TStrings& lines) {
    std::string s = "\"";
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) s += "\\n";
        for (char c : Cp1252ToUtf8(lines[i])) {
            if (c == '"' || c == '\\') s += '\\';
            s += c;
        }
    }
    return s + "\"";
}

} // namespace

TStateGraph BuildStateGraph(const TMachine& a) {
    TStateGraph g;
    g.moore = a.Moore;
    TNodeIndex nodes(g);
    for (const auto& state : a.Zustaende)
        if (!state.Name.empty()) nodes.Add(state.Name, true);
    if (a.Moore)
        for (auto& n : g.nodes)
            n.output = a.OutputOf(n.name);
    if (!g.nodes.empty()) g.resetNode = nodes.Find(a.ResetName());

    std::map<std::pair<int, int>, int> edgeOf;
    for (std::size_t r = 0; r < a.Zeilen.size(); ++r) {
        const TTransition& row = a.Zeilen[r];
        if (!row.Complete) {
            ++g.leftOut;
            continue;
        }
        auto listed = [](const std::vector<TNamed>& list, const TRef& ref) {
            return FindNamed(list, ref.Name, TMatch::Listed) >= 0;
        };
        const bool knownStates =
            listed(a.Zustaende, row.Zustand) && listed(a.Zustaende, row.Folgezustand);
        const int from = nodes.Add(row.Zustand.Name, false);
        const int to = nodes.Add(row.Folgezustand.Name, false);
        const auto [it, added] = edgeOf.try_emplace({from, to}, int(g.edges.size()));
        if (added) g.edges.push_back({from, to, {}, {}, false});
        TGraphEdge& e = g.edges[std::size_t(it->second)];
        e.labels.push_back(a.Moore ? row.Bedingung.Name
                                   : row.Bedingung.Name + " / " + row.Ausgang.Name);
        e.rows.push_back(int(r));
        if (!knownStates || !listed(a.Eingaenge, row.Bedingung) ||
            (!a.Moore && !listed(a.Ausgaenge, row.Ausgang)))
            e.warning = true;
    }
    return g;
}

std::string DotNodeId(int node) {
    return node < 0 ? "r" : "n" + std::to_string(node);
}

TStrings DiagramDotLines(const TStateGraph& g) {
    std::size_t rows = 0;
    for (const TGraphEdge& e : g.edges)
        rows += e.labels.size();
    const std::string engine = LargeDiagram(g.nodes.size(), rows)
                                   ? std::string(", ") + LargeDiagramGraphOptions
                                   : std::string();
    TStrings out = {std::string("digraph ") + (g.moore ? "Moore" : "Mealy") + " {",
                    std::string("  graph [") + DiagramGraphOptions + engine + "];",
                    std::string("  node [") + DiagramNodeOptions + "];",
                    std::string("  edge [") + DiagramEdgeOptions + "];"};
    const std::string warn =
        std::string("color=\"") + WarningColour + "\", fontcolor=\"" + WarningColour + "\"";
    if (g.resetNode >= 0) out.push_back("  r [shape=point, width=0.1, label=\"\"];");
    for (std::size_t i = 0; i < g.nodes.size(); ++i) {
        const TGraphNode& n = g.nodes[i];
        TStrings label = {n.name};
        if (!n.output.empty()) label.push_back(n.output);
        out.push_back("  " + DotNodeId(int(i)) + " [label=" + Quote(label) +
                      (n.known ? "" : ", style=dashed, " + warn) + "];");
    }
    if (g.resetNode >= 0) out.push_back("  r -> " + DotNodeId(g.resetNode) + ";");
    // Straight arrows both ways between two states would lie on one line: the
    // arrow to the later node runs along the top, the one back along the bottom.
    std::set<std::pair<int, int>> pairs;
    for (const TGraphEdge& e : g.edges)
        pairs.insert({e.from, e.to});
    for (const TGraphEdge& e : g.edges) {
        std::string ports;
        if (e.from != e.to && pairs.count({e.to, e.from}))
            ports = e.from < e.to ? ", tailport=n, headport=n" : ", tailport=s, headport=s";
        out.push_back("  " + DotNodeId(e.from) + " -> " + DotNodeId(e.to) +
                      " [label=" + Quote(e.labels) + ports + (e.warning ? ", " + warn : "") + "];");
    }
    out.push_back("}");
    return out;
}

std::vector<int> NodeTableRows(const TStateGraph& g, int node, const CellTable& table) {
    std::vector<int> rows;
    if (node < 0 || node >= int(g.nodes.size())) return rows;
    for (int r = 1; r < table.RowCount(); ++r)
        if (SameText(table.Cell(0, r), g.nodes[std::size_t(node)].name)) rows.push_back(r);
    return rows;
}

std::vector<int> EdgeTableRows(const TMachine& a, const TStateGraph& g, int edge,
                               const CellTable& table) {
    std::vector<int> rows;
    if (edge < 0 || edge >= int(g.edges.size())) return rows;
    for (int entry : g.edges[std::size_t(edge)].rows) {
        const std::string& state = a.Zeilen[std::size_t(entry)].Zustand.Name;
        int place = 0; // rows of the same Zustand before this one
        for (int j = 0; j < entry; ++j)
            if (a.Zeilen[std::size_t(j)].TakesLine() &&
                a.Zeilen[std::size_t(j)].Zustand.Name == state)
                ++place;
        for (int r = 1; r < table.RowCount(); ++r)
            if (table.Cell(0, r) == state && place-- == 0) {
                rows.push_back(r);
                break;
            }
    }
    return rows;
}

} // namespace korvalt

#include "diagram/stategraph.h"

#include <map>
#include <set>
#include <unordered_map>
#include <unordered_set>

#include "common/ascii.h"
#include "common/cp1252.h"
#include "diagram/layoutoptions.h"
#include "fsm/synthesis.h"

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

std::unordered_set<std::string> UpperNames(const TStrings& matrix) {
    std::unordered_set<std::string> names;
    for (const auto& e : matrix)
        names.insert(UpperCase(EntryName(e)));
    return names;
}

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

TStateGraph BuildStateGraph(const TAutomat& a) {
    TStateGraph g;
    g.moore = a.Moore;
    TNodeIndex nodes(g);
    for (const auto& entry : a.Zustandsmatrix)
        if (const std::string name = EntryName(entry); !name.empty()) nodes.Add(name, true);
    if (a.Moore)
        for (auto& n : g.nodes)
            n.output = FindStateOutput(a.Ausgangstabelle, n.name);
    if (!g.nodes.empty()) g.resetNode = nodes.Find(ResetStateName(a));

    const auto inputs = UpperNames(a.Eingangsmatrix), outputs = UpperNames(a.Ausgangsmatrix);
    std::map<std::pair<int, int>, int> edgeOf;
    const int fields = a.Moore ? 3 : 4;
    for (std::size_t r = 0; r < a.Automatentabelle.size(); ++r) {
        const TStrings f = SplitTableRow(a.Automatentabelle[r], fields);
        if (f[0].empty()) {
            ++g.leftOut;
            continue;
        }
        auto known = [&](const std::string& name) {
            const int i = nodes.Find(name);
            return i >= 0 && g.nodes[std::size_t(i)].known;
        };
        const bool knownStates = known(f[0]) && known(f[1]);
        const int from = nodes.Add(f[0], false), to = nodes.Add(f[1], false);
        const auto [it, added] = edgeOf.try_emplace({from, to}, int(g.edges.size()));
        if (added) g.edges.push_back({from, to, {}, {}, false});
        TGraphEdge& e = g.edges[std::size_t(it->second)];
        e.labels.push_back(a.Moore ? f[2] : f[2] + " / " + f[3]);
        e.rows.push_back(int(r));
        if (!knownStates || !inputs.count(UpperCase(f[2])) ||
            (!a.Moore && !outputs.count(UpperCase(f[3]))))
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

std::vector<int> EdgeTableRows(const TAutomat& a, const TStateGraph& g, int edge,
                               const CellTable& table) {
    std::vector<int> rows;
    if (edge < 0 || edge >= int(g.edges.size())) return rows;
    for (int entry : g.edges[std::size_t(edge)].rows) {
        const std::string state = EntryName(a.Automatentabelle[std::size_t(entry)]);
        int place = 0; // rows of the same Zustand before this one
        for (int j = 0; j < entry; ++j)
            if (EntryName(a.Automatentabelle[std::size_t(j)]) == state) ++place;
        for (int r = 1; r < table.RowCount(); ++r)
            if (table.Cell(0, r) == state && place-- == 0) {
                rows.push_back(r);
                break;
            }
    }
    return rows;
}

} // namespace korvalt

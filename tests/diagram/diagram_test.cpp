#include <regex>
#include <sstream>

#include "common/textfile.h"
#include "diagram/layout.h"
#include "fsm/examples.h"
#include "fsm/workspace.h"
#include "support/testsupport.h"

using namespace korvalt;
using namespace korvalt::test;

namespace {

std::string Join(const std::vector<int>& v) {
    if (v.empty()) return "-";
    std::string s;
    for (int i : v)
        s += (s.empty() ? "" : ",") + std::to_string(i);
    return s;
}

// The graph as lines of text, with the grid rows a double-click selects.
TStrings Dump(const TAutomat& model) {
    TAutomat a = model;
    const TMachine m = ReadMachine(a);
    const TStateGraph g = BuildStateGraph(m);
    bool modified = false;
    const CellTable table = BuildGrid(a, TPart::Automatentabelle, modified);
    TStrings out;
    for (int i = 0; i < int(g.nodes.size()); ++i) {
        const TGraphNode& n = g.nodes[std::size_t(i)];
        out.push_back("node " + n.name + (n.output.empty() ? "" : " / " + n.output) +
                      (n.known ? "" : " unknown") + " grid " + Join(NodeTableRows(g, i, table)));
    }
    if (g.resetNode >= 0) out.push_back("reset " + g.nodes[std::size_t(g.resetNode)].name);
    for (int i = 0; i < int(g.edges.size()); ++i) {
        const TGraphEdge& e = g.edges[std::size_t(i)];
        std::string line = "edge " + g.nodes[std::size_t(e.from)].name + " -> " +
                           g.nodes[std::size_t(e.to)].name + ":";
        for (const auto& l : e.labels)
            line += " [" + l + "]";
        out.push_back(line + " rows " + Join(e.rows) + " grid " +
                      Join(EdgeTableRows(m, g, i, table)) + (e.warning ? " warning" : ""));
    }
    if (g.leftOut) out.push_back("left out " + std::to_string(g.leftOut));
    return out;
}

} // namespace

// tests/data/diagram/graphs.txt: "=== name moore|mealy", workspace lines,
// "---", then the expected dump.
TEST(StateGraph, NodesEdgesLabelsAndGridRowsAsInTheCaseFile) {
    TStrings lines;
    ASSERT_TRUE(ReadLines(DataPath("diagram/graphs.txt"), lines));
    lines.push_back("=== end");
    std::string name, input;
    TStrings expected;
    bool inExpected = false, moore = true;
    int cases = 0;
    for (const auto& line : lines) {
        if (line.starts_with("=== ")) {
            if (!name.empty()) {
                TAutomat a;
                a.Moore = moore;
                LoadWorkspaceText(a, input);
                EXPECT_EQ(Dump(a), expected) << name;
                ++cases;
            }
            name = line.substr(4);
            moore = !name.ends_with("mealy");
            input.clear();
            expected.clear();
            inExpected = false;
        } else if (line == "---") {
            inExpected = true;
        } else if (inExpected) {
            expected.push_back(line);
        } else {
            input += line + "\n";
        }
    }
    EXPECT_GE(cases, 8);
}

// The worked examples: DOT text as expected, and the laid-out drawing read back.
TEST(StateDiagram, WorkedExamplesExportLayOutAndRenderEveryNodeAndArrow) {
    for (const TAutomat& a : {MooreExample(), MealyExample()}) {
        const TStateGraph g = BuildStateGraph(ReadMachine(a));
        const std::string name = a.Moore ? "moore" : "mealy";
        TTempDir dir;
        ASSERT_TRUE(SaveDiagram(g, dir.File("x.dot"), DiagramFormatOf("X.DOT")));
        EXPECT_TRUE(MatchesExpected(ReadBytes(dir.File("x.dot")), "diagram/" + name + ".dot"));

        const auto layout = LayoutGraph(g);
        ASSERT_TRUE(layout) << name;
        ASSERT_TRUE(layout->reset && layout->resetEdge);
        for (const TNodePlace& n : layout->nodes) {
            EXPECT_GT(n.width, 10);
            EXPECT_TRUE(n.centre.x > 0 && n.centre.x < layout->width);
            EXPECT_TRUE(n.centre.y > 0 && n.centre.y < layout->height);
        }
        for (const TEdgePlace& e : layout->edges)
            EXPECT_TRUE(e.arrow && e.label && e.points.size() >= 4);

        ASSERT_TRUE(SaveDiagram(g, dir.File("x.svg"), DiagramFormatOf("x.svg")));
        const std::string svg = ReadBytes(dir.File("x.svg"));
        const auto count = [&](const char* cls) {
            const std::regex group(std::string("<g id=\"[^\"]*\" class=\"") + cls + "\">");
            return std::distance(std::sregex_iterator(svg.begin(), svg.end(), group),
                                 std::sregex_iterator());
        };
        EXPECT_EQ(count("node"), long(g.nodes.size() + 1)) << name;
        EXPECT_EQ(count("edge"), long(g.edges.size() + 1)) << name;
        for (const auto& e : g.edges)
            for (const auto& l : e.labels)
                EXPECT_NE(svg.find(">" + l + "<"), std::string::npos) << l;

        ASSERT_TRUE(SaveDiagram(g, dir.File("x.png"), TDiagramFormat::Png));
        EXPECT_EQ(ReadBytes(dir.File("x.png")).substr(0, 4), "\x89PNG");
        EXPECT_FALSE(SaveDiagram(g, dir.File("x.pdf"), DiagramFormatOf("x.pdf")));
    }
}

TEST(StateDiagram, LayoutTextOfAnotherGraphIsRefused) {
    const TStateGraph moore = BuildStateGraph(ReadMachine(MooreExample()));
    const TRenderResult xdot = RenderDot(DiagramDotLines(moore), "xdot");
    ASSERT_TRUE(xdot);
    EXPECT_FALSE(ReadLayout(xdot.data, BuildStateGraph(ReadMachine(MealyExample()))));
    EXPECT_FALSE(ReadLayout("digraph { a -> b }", moore));
    EXPECT_FALSE(ReadLayout(std::string(3000, '{'), moore));
}

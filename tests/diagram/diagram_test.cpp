#include <clocale>
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

// A ring of states, then rows from every state back to the first until there are rows rows.
TAutomat Ring(int states, int rows) {
    TAutomat a;
    a.Eingangsmatrix = {"x0|0", "x1|1"};
    for (int s = 0; s < states; ++s)
        a.Zustandsmatrix.push_back("Z" + std::to_string(s) + "|");
    for (int r = 0; r < rows; ++r)
        a.Automatentabelle.push_back("Z" + std::to_string(r % states) + "|Z" +
                                     (r < states ? std::to_string((r + 1) % states) : "0") +
                                     (r < states ? "|x0" : "|x1"));
    return a;
}

int Count(const std::string& text, const std::regex& pattern) {
    return int(std::distance(std::sregex_iterator(text.begin(), text.end(), pattern),
                             std::sregex_iterator()));
}

// Sets the C library's number locale for a test and puts the old one back.
class TNumberLocale {
  public:
    explicit TNumberLocale(const char* name)
        : saved_(std::setlocale(LC_NUMERIC, nullptr)), ok_(std::setlocale(LC_NUMERIC, name)) {}
    ~TNumberLocale() { std::setlocale(LC_NUMERIC, saved_.c_str()); }
    bool Ok() const { return ok_; }

  private:
    std::string saved_;
    bool ok_;
};

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
            return long(
                Count(svg, std::regex(std::string("<g id=\"[^\"]*\" class=\"") + cls + "\">")));
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
    const auto xdot = RenderDot(DiagramDotLines(moore), "xdot");
    ASSERT_TRUE(xdot);
    EXPECT_FALSE(ReadLayout(xdot.value, BuildStateGraph(ReadMachine(MealyExample()))));
    EXPECT_FALSE(ReadLayout("digraph { a -> b }", moore));
    EXPECT_FALSE(ReadLayout(std::string(3000, '{'), moore));
}

// Graphviz reads the DOT text's numbers and writes coordinates with the C
// library: under a German number locale (decimal comma) the layout must be
// the same as in the C locale, and be read back.
TEST(StateDiagram, GermanNumberLocaleGivesTheSameLayout) {
    const TStateGraph g = BuildStateGraph(ReadMachine(MealyExample()));
    const auto inC = RenderDot(DiagramDotLines(g), "xdot");
    ASSERT_TRUE(inC);
    TNumberLocale german("de_DE.UTF-8");
    ASSERT_TRUE(german.Ok())
        << "the locale de_DE.UTF-8 is missing: tools/ensure-locale de_DE.UTF-8";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    EXPECT_EQ(RenderDot(DiagramDotLines(g), "xdot").value, inC.value);
    std::string error;
    const auto layout = LayoutGraph(g, &error);
    ASSERT_TRUE(layout) << error;
    EXPECT_GT(layout->nodes[0].width, 10);
    EXPECT_STREQ(std::localeconv()->decimal_point, ",") << "locale not put back";
}

// A failure names its reason: unreadable text, a layout engine Graphviz lacks.
TEST(StateDiagram, FailuresNameTheirReason) {
    const struct {
        TStrings dot;
        const char* reason;
    } cases[] = {
        {{"digraph {"}, "syntax error"},
        {{"digraph { graph [layout=nosuch]; a -> b }"}, "nosuch"},
    };
    for (const auto& c : cases) {
        const auto r = RenderDot(c.dot, "svg");
        EXPECT_FALSE(r);
        EXPECT_NE(r.error.find(c.reason), std::string::npos) << r.error;
    }
}

// dot lays out up to 64 states and 256 rows; larger machines go to sfdp, whose
// DOT text says so, and still show every state, arrow and label.
TEST(StateDiagram, LargeMachinesAreLaidOutBySfdpWithEveryLabel) {
    const struct {
        int states, rows;
        bool sfdp;
    } cases[] = {{64, 64, false}, {65, 65, true}, {8, 256, false}, {8, 257, true}};
    for (const auto& c : cases) {
        const TStateGraph g = BuildStateGraph(ReadMachine(Ring(c.states, c.rows)));
        const TStrings dot = DiagramDotLines(g);
        EXPECT_EQ(dot[1].find("layout=sfdp, overlap=prism") != std::string::npos, c.sfdp)
            << c.states << " states, " << c.rows << " rows";
        if (!c.sfdp) continue;
        std::string error;
        const auto layout = LayoutGraph(g, &error);
        ASSERT_TRUE(layout) << error;
        for (const TEdgePlace& e : layout->edges)
            EXPECT_TRUE(e.arrow && e.label && e.points.size() >= 4);
        const auto svg = RenderDot(dot, "svg");
        ASSERT_TRUE(svg) << svg.error;
        EXPECT_EQ(Count(svg.value, std::regex("class=\"node\"")), c.states + 1);
        EXPECT_EQ(Count(svg.value, std::regex(">x0<")), c.states);
        EXPECT_EQ(Count(svg.value, std::regex(">x1<")), c.rows - c.states);
    }
}

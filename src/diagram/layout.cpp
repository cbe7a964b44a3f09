#include "diagram/layout.h"

#include <graphviz/cgraph.h>
#include <graphviz/gvc.h>

#include <cstdio>
#include <map>
#include <memory>

#include "common/ascii.h"

namespace korvalt {

namespace {

std::string graphvizError;

// Graphviz reports through a callback; keep the last message instead of printing it.
int KeepError(char* message) {
    graphvizError = message;
    while (!graphvizError.empty() && (graphvizError.back() == '\n' || graphvizError.back() == ' '))
        graphvizError.pop_back();
    return 0;
}

// One context for the program's life: creating one loads the plugin list.
GVC_t* Context() {
    static GVC_t* gvc = [] {
        agseterr(AGMAX);
        agseterrf(KeepError);
        return gvContext();
    }();
    return gvc;
}

struct TGraphCloser {
    void operator()(Agraph_t* g) const { agclose(g); }
};
using TGraphPtr = std::unique_ptr<Agraph_t, TGraphCloser>;

std::string Joined(const TStrings& lines) {
    std::string text;
    for (const auto& l : lines)
        text += l + "\n";
    return text;
}

std::string Attr(void* object, const char* name) {
    const char* v = agget(object, const_cast<char*>(name));
    return v ? v : "";
}

// "x,y" as a point; false when the text is not two numbers.
bool ReadPoint(const std::string& text, double bottom, TDiagramPoint& p) {
    double x = 0, y = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%lf,%lf%c", &x, &y, &tail) != 2) return false;
    p = {x, bottom - y};
    return true;
}

std::optional<TNodePlace> ReadNode(Agnode_t* n, double bottom) {
    TNodePlace place;
    if (!ReadPoint(Attr(n, "pos"), bottom, place.centre)) return std::nullopt;
    place.width = std::atof(Attr(n, "width").c_str()) * 72;
    place.height = std::atof(Attr(n, "height").c_str()) * 72;
    return place;
}

// An edge's "pos": optional "s,x,y" and "e,x,y" (arrow tips), then the control points.
std::optional<TEdgePlace> ReadEdge(Agedge_t* e, double bottom) {
    TEdgePlace place;
    std::string pos = Attr(e, "pos");
    for (std::size_t start = 0; start < pos.size();) {
        std::size_t end = pos.find_first_of(" ;", start);
        if (end == std::string::npos) end = pos.size();
        const std::string item = pos.substr(start, end - start);
        start = end + 1;
        if (item.empty()) continue;
        TDiagramPoint p;
        if (item.starts_with("e,") || item.starts_with("s,")) {
            if (!ReadPoint(item.substr(2), bottom, p)) return std::nullopt;
            if (item[0] == 'e') place.arrow = p;
        } else if (ReadPoint(item, bottom, p)) {
            place.points.push_back(p);
        } else {
            return std::nullopt;
        }
        if (end == pos.size()) break;
    }
    if (place.points.size() < 4 || (place.points.size() - 1) % 3 != 0) return std::nullopt;
    TDiagramPoint label;
    if (ReadPoint(Attr(e, "lp"), bottom, label)) place.label = label;
    return place;
}

} // namespace

TRenderResult RenderDot(const TStrings& dotLines, const char* format) {
    TRenderResult result;
    GVC_t* gvc = Context();
    graphvizError.clear();
    TGraphPtr g(agmemread(Joined(dotLines).c_str()));
    if (!g) {
        result.error = graphvizError.empty() ? "DOT-Text unlesbar" : graphvizError;
        return result;
    }
    if (gvLayout(gvc, g.get(), "dot") != 0) {
        result.error = graphvizError.empty() ? "Anordnung fehlgeschlagen" : graphvizError;
        return result;
    }
    char* data = nullptr;
    unsigned int length = 0;
    if (gvRenderData(gvc, g.get(), format, &data, &length) == 0 && data) {
        result.data.assign(data, length);
        result.ok = true;
    } else {
        result.error = graphvizError.empty()
                           ? std::string("Ausgabe als ") + format + " nicht möglich"
                           : graphvizError;
    }
    gvFreeRenderData(data);
    gvFreeLayout(gvc, g.get());
    return result;
}

std::optional<TDiagramLayout> ReadLayout(std::string_view xdot, const TStateGraph& g) {
    Context(); // error reporting set up
    TGraphPtr graph(agmemread(std::string(xdot).c_str()));
    if (!graph) return std::nullopt;
    double left = 0, bottom = 0, right = 0, top = 0;
    if (std::sscanf(Attr(graph.get(), "bb").c_str(), "%lf,%lf,%lf,%lf", &left, &bottom, &right,
                    &top) != 4)
        return std::nullopt;
    TDiagramLayout layout;
    layout.width = right;
    layout.height = top;
    std::map<std::string, int> nodeOf;
    for (int i = 0; i < int(g.nodes.size()); ++i)
        nodeOf[DotNodeId(i)] = i;
    nodeOf[DotNodeId(-1)] = -1;
    std::map<std::pair<int, int>, int> edgeOf;
    for (int i = 0; i < int(g.edges.size()); ++i)
        edgeOf[{g.edges[std::size_t(i)].from, g.edges[std::size_t(i)].to}] = i;

    layout.nodes.resize(g.nodes.size());
    layout.edges.resize(g.edges.size());
    std::size_t nodesRead = 0, edgesRead = 0;
    for (Agnode_t* n = agfstnode(graph.get()); n; n = agnxtnode(graph.get(), n)) {
        const auto id = nodeOf.find(agnameof(n));
        const auto place = ReadNode(n, top);
        if (id == nodeOf.end() || !place) return std::nullopt;
        if (id->second < 0) {
            layout.reset = place;
        } else {
            layout.nodes[std::size_t(id->second)] = *place;
            ++nodesRead;
        }
        for (Agedge_t* e = agfstout(graph.get(), n); e; e = agnxtout(graph.get(), e)) {
            const auto to = nodeOf.find(agnameof(aghead(e)));
            const auto edgePlace = ReadEdge(e, top);
            if (to == nodeOf.end() || !edgePlace) return std::nullopt;
            if (id->second < 0) {
                layout.resetEdge = edgePlace;
                continue;
            }
            const auto edge = edgeOf.find({id->second, to->second});
            if (edge == edgeOf.end()) return std::nullopt;
            layout.edges[std::size_t(edge->second)] = *edgePlace;
            ++edgesRead;
        }
    }
    if (nodesRead != g.nodes.size() || edgesRead != g.edges.size()) return std::nullopt;
    return layout;
}

std::optional<TDiagramLayout> LayoutGraph(const TStateGraph& g, std::string* error) {
    const TRenderResult r = RenderDot(DiagramDotLines(g), "xdot");
    if (!r) {
        if (error) *error = r.error;
        return std::nullopt;
    }
    return ReadLayout(r.data, g);
}

TDiagramFormat DiagramFormatOf(std::string_view fileName) {
    const auto dot = fileName.rfind('.');
    const std::string ext = dot == std::string_view::npos ? "" : LowerCase(fileName.substr(dot));
    if (ext == ".svg") return TDiagramFormat::Svg;
    if (ext == ".png") return TDiagramFormat::Png;
    if (ext == ".dot" || ext == ".gv") return TDiagramFormat::Dot;
    if (ext == ".xdot") return TDiagramFormat::Xdot;
    return TDiagramFormat::Unknown;
}

TWriteResult SaveDiagram(const TStateGraph& g, const std::string& path, TDiagramFormat format) {
    const TStrings dot = DiagramDotLines(g);
    if (format == TDiagramFormat::Dot) return SaveLines(path, dot);
    const char* name = format == TDiagramFormat::Svg    ? "svg"
                       : format == TDiagramFormat::Png  ? "png"
                       : format == TDiagramFormat::Xdot ? "xdot"
                                                        : nullptr;
    if (!name) return {false, "unbekanntes Dateiformat (erlaubt: .svg, .png, .dot)"};
    const TRenderResult r = RenderDot(dot, name);
    if (!r) return {false, r.error};
    return ReplaceFile(path, r.data);
}

} // namespace korvalt

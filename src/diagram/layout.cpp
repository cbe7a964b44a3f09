#include "diagram/layout.h"

#include <graphviz/cgraph.h>
#include <graphviz/gvc.h>

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cstdlib>
#include <map>
#include <memory>
#include <span>
#include <type_traits>

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
        agseterr(AGERR); // errors to KeepError, warnings kept quiet
        agseterrf(KeepError);
        return gvContext();
    }();
    return gvc;
}

// The layout engines Graphviz has installed. gvPluginList lost its unused
// fourth parameter in later Graphviz versions; either form is called.
template <typename TList> std::vector<std::string> InstalledEngines(TList list, GVC_t* gvc) {
    int count = 0;
    char** names = nullptr;
    if constexpr (std::is_invocable_v<TList, GVC_t*, const char*, int*>)
        names = list(gvc, "layout", &count);
    else
        names = list(gvc, "layout", &count, nullptr);
    std::vector<std::string> engines;
    for (int i = 0; names && i < count; ++i) {
        engines.push_back(names[i]);
        std::free(names[i]);
    }
    std::free(names);
    return engines;
}

// Why Graphviz cannot lay out with engine, or "" when it can.
std::string MissingEngine(GVC_t* gvc, const std::string& engine) {
    const auto engines = InstalledEngines(gvPluginList, gvc);
    if (std::find(engines.begin(), engines.end(), engine) != engines.end()) return "";
    std::string installed;
    for (const auto& e : engines)
        installed += (installed.empty() ? "" : ", ") + e;
    return "Graphviz fehlt das Anordnungsverfahren \"" + engine + "\" (" +
           (installed.empty() ? "keines installiert" : "installiert: " + installed) + ")";
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

// Graphviz reads the numbers of the DOT text (sizes, distances) and writes
// coordinates with the C library, which follows the process's number locale:
// under a German one "0.3" would be read as 0 and coordinates written with a
// decimal comma. Graphviz runs in the C locale, and is put back afterwards.
class TNumbersInCLocale {
  public:
    TNumbersInCLocale() {
        if (const char* current = std::setlocale(LC_NUMERIC, nullptr)) saved_ = current;
        std::setlocale(LC_NUMERIC, "C");
    }
    ~TNumbersInCLocale() { std::setlocale(LC_NUMERIC, saved_.c_str()); }
    TNumbersInCLocale(const TNumbersInCLocale&) = delete;
    TNumbersInCLocale& operator=(const TNumbersInCLocale&) = delete;

  private:
    std::string saved_ = "C";
};

std::string Attr(void* object, const char* name) {
    const char* v = agget(object, const_cast<char*>(name));
    return v ? v : "";
}

// Numbers of the layout text are read whatever the locale.
bool ReadNumber(std::string_view text, double& value) {
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && stop == end;
}

// Comma-separated numbers, exactly as many as values holds.
bool ReadNumbers(std::string_view text, std::span<double> values) {
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::size_t comma = i + 1 < values.size() ? text.find(',') : text.size();
        if (comma == std::string_view::npos || !ReadNumber(text.substr(0, comma), values[i]))
            return false;
        text.remove_prefix(std::min(comma + 1, text.size()));
    }
    return true;
}

// "x,y" as a point; false when the text is not two numbers.
bool ReadPoint(std::string_view text, double bottom, TDiagramPoint& p) {
    double xy[2];
    if (!ReadNumbers(text, xy)) return false;
    p = {xy[0], bottom - xy[1]};
    return true;
}

std::optional<TNodePlace> ReadNode(Agnode_t* n, double bottom) {
    TNodePlace place;
    if (!ReadPoint(Attr(n, "pos"), bottom, place.centre) ||
        !ReadNumber(Attr(n, "width"), place.width) || !ReadNumber(Attr(n, "height"), place.height))
        return std::nullopt;
    place.width *= 72;
    place.height *= 72;
    return place;
}

// An edge's "pos": optional "s,x,y" and "e,x,y" (arrow tips), then the control points.
std::optional<TEdgePlace> ReadEdge(Agedge_t* e, double bottom) {
    TEdgePlace place;
    std::string pos = Attr(e, "pos");
    for (std::size_t start = 0; start < pos.size();) {
        std::size_t end = pos.find_first_of(" ;", start);
        if (end == std::string::npos) end = pos.size();
        const std::string_view item = std::string_view(pos).substr(start, end - start);
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

TResult<std::string> RenderDot(const TStrings& dotLines, const char* format) {
    TResult<std::string> result{false}; // until Graphviz gave the bytes
    const TNumbersInCLocale numbers;
    GVC_t* gvc = Context();
    graphvizError.clear();
    TGraphPtr g(agmemread(Joined(dotLines).c_str()));
    if (!g) {
        result.error = graphvizError.empty() ? "DOT-Text unlesbar" : graphvizError;
        return result;
    }
    std::string engine = Attr(g.get(), "layout");
    if (engine.empty()) engine = "dot";
    if (result.error = MissingEngine(gvc, engine); !result.error.empty()) return result;
    if (gvLayout(gvc, g.get(), engine.c_str()) != 0) {
        result.error = "Anordnung mit Graphviz' " + engine + " fehlgeschlagen" +
                       (graphvizError.empty() ? "" : ": " + graphvizError);
        return result;
    }
    char* data = nullptr;
    unsigned int length = 0;
    if (gvRenderData(gvc, g.get(), format, &data, &length) == 0 && data) {
        result.value.assign(data, length);
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
    double box[4]; // left, bottom, right, top
    if (!ReadNumbers(Attr(graph.get(), "bb"), box)) return std::nullopt;
    const double top = box[3];
    TDiagramLayout layout;
    layout.width = box[2];
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
    const auto r = RenderDot(DiagramDotLines(g), "xdot");
    auto layout = r ? ReadLayout(r.value, g) : std::nullopt;
    if (!layout && error) *error = r ? UnreadableLayout : r.error;
    return layout;
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

TResult<> SaveDiagram(const TStateGraph& g, const std::string& path, TDiagramFormat format) {
    const TStrings dot = DiagramDotLines(g);
    if (format == TDiagramFormat::Dot) return SaveLines(path, dot);
    const char* name = format == TDiagramFormat::Svg    ? "svg"
                       : format == TDiagramFormat::Png  ? "png"
                       : format == TDiagramFormat::Xdot ? "xdot"
                                                        : nullptr;
    if (!name) return {false, "unbekanntes Dateiformat (erlaubt: .svg, .png, .dot)"};
    const auto r = RenderDot(dot, name);
    if (!r) return {false, r.error};
    return ReplaceFile(path, r.value);
}

} // namespace korvalt

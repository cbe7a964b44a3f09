// Laying out and rendering a state diagram with Graphviz: dot, or for a large
// machine the engine its DOT text names (layoutoptions.h).
//
// The graph's DOT text is handed to Graphviz as it is exported, so SVG and
// PNG files, the editor's drawing and a DOT file run through Graphviz all show
// the same picture. Numbers go to and come from Graphviz in the C locale's
// form whatever the program's locale. The laid-out graph travels as Graphviz's xdot text (the
// editor lets korvalt-cli lay out large machines in a child process); the
// editor reads node and edge positions back from it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/result.h"
#include "common/textfile.h"
#include "diagram/stategraph.h"

namespace korvalt {

// Coordinates in points, the origin at the top left, y growing downwards.
struct TDiagramPoint {
    double x = 0, y = 0;
};
struct TNodePlace {
    TDiagramPoint centre;
    double width = 0, height = 0;
};
struct TEdgePlace {
    std::vector<TDiagramPoint> points;  // cubic Bezier control points (3k + 1)
    std::optional<TDiagramPoint> arrow; // tip of the arrow head after the last point
    std::optional<TDiagramPoint> label; // centre of the label
};
struct TDiagramLayout {
    double width = 0, height = 0;
    std::vector<TNodePlace> nodes; // by graph node
    std::vector<TEdgePlace> edges; // by graph edge
    std::optional<TNodePlace> reset;
    std::optional<TEdgePlace> resetEdge;
};

// Lays out the DOT text and renders it: "svg", "png" or "xdot". A failure
// always says why (a missing engine, Graphviz's message).
// The result holds the file's bytes, or Graphviz's message.
TResult<std::string> RenderDot(const TStrings& dotLines, const char* format);

// Reads positions from laid-out xdot text of graph g; nullopt when the text
// is not the layout of such a graph.
std::optional<TDiagramLayout> ReadLayout(std::string_view xdot, const TStateGraph& g);
// Why LayoutGraph failed when Graphviz's layout cannot be read back.
inline constexpr const char* UnreadableLayout = "Die Anordnung von Graphviz ist unlesbar.";
// Lays out g here and now; error gets the reason of a failure.
std::optional<TDiagramLayout> LayoutGraph(const TStateGraph& g, std::string* error = nullptr);

// What a file name asks for, by its extension (ignoring case).
enum class TDiagramFormat { Unknown, Svg, Png, Dot, Xdot };
TDiagramFormat DiagramFormatOf(std::string_view fileName);
// Writes the diagram of g in the format; "Unknown" is refused with a German reason.
TResult<> SaveDiagram(const TStateGraph& g, const std::string& path, TDiagramFormat format);

} // namespace korvalt

// The fixed options every diagram is laid out with, and the choice of
// Graphviz's layout engine by the machine's size.
//
// Small machines go to dot: straight edges and low limits for ranking and
// crossing reduction keep a machine of 64 states and 256 rows near a quarter
// of a second (curved edges would take seconds). Beyond that dot's time grows
// steeply (a ring of 256 states with 768 labelled rows takes minutes), so
// larger machines go to sfdp, the force-directed engine for large graphs,
// which lays out 512 states with 4,096 rows in about a second. Their DOT text
// names the engine, so Graphviz shows the same picture when it reads the text.
#pragma once

#include <cstddef>

namespace korvalt {

inline constexpr const char* DiagramGraphOptions =
    "rankdir=LR, splines=line, nslimit=0.2, nslimit1=0.2, mclimit=0.2, searchsize=10, "
    "nodesep=0.3, ranksep=0.6, fontname=\"Helvetica\"";
inline constexpr const char* DiagramNodeOptions =
    "shape=circle, fontname=\"Helvetica\", fontsize=10, margin=0.04";
inline constexpr const char* DiagramEdgeOptions =
    "fontname=\"Helvetica\", fontsize=9, arrowsize=0.7";

// The largest machine dot lays out; a larger one gets the options below too.
inline constexpr std::size_t DotMaxStates = 64, DotMaxRows = 256;
// overlap=prism moves overlapping nodes (and labels) apart while keeping the
// shape of the layout.
inline constexpr const char* LargeDiagramGraphOptions = "layout=sfdp, overlap=prism";

// states: nodes of the graph; rows: rows drawn as arrows (label lines).
inline constexpr bool LargeDiagram(std::size_t states, std::size_t rows) {
    return states > DotMaxStates || rows > DotMaxRows;
}

} // namespace korvalt

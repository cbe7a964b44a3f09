// The fixed options every diagram is laid out with. Straight edges and low
// limits for ranking and crossing reduction keep a machine of 64 states and
// 256 rows near a quarter of a second; curved edges would take seconds.
#pragma once

namespace korvalt {

inline constexpr const char* DiagramGraphOptions =
    "rankdir=LR, splines=line, nslimit=0.2, nslimit1=0.2, mclimit=0.2, searchsize=10, "
    "nodesep=0.3, ranksep=0.6, fontname=\"Helvetica\"";
inline constexpr const char* DiagramNodeOptions =
    "shape=circle, fontname=\"Helvetica\", fontsize=10, margin=0.04";
inline constexpr const char* DiagramEdgeOptions =
    "fontname=\"Helvetica\", fontsize=9, arrowsize=0.7";

} // namespace korvalt

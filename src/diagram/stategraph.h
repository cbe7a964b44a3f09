// The state diagram of a machine as a graph, built from its description.
//
// Every state is a node (Moore: with the name of its output under its name);
// a small point node marks the reset state with an arrow. Every complete row
// of the transition table is an arrow from Zustand to Folgezustand, labelled
// "Bedingung" (Moore) or "Bedingung / Ausgang" (Mealy); rows between the same
// two states share one arrow with one label line each. A row that names a
// state missing from the state list gets a node of that name, and such rows
// (and rows naming an unknown input or output) are drawn in a warning colour.
// Rows with an empty field are not drawn but counted.
//
// The DOT text is the graph before layout, with the fixed layout options, so
// it is the same for every Graphviz version and can be compared as text. A
// large machine's text also names its layout engine (layoutoptions.h).
#pragma once

#include <string>
#include <vector>

#include "fsm/grid.h"
#include "fsm/machine.h"

namespace korvalt {

struct TGraphNode {
    std::string name;   // as in the state list, or as the first row wrote it
    std::string output; // Moore: the name of the state's output, may be empty
    bool known = true;  // false: named by a row only
    bool operator==(const TGraphNode&) const = default;
};

struct TGraphEdge {
    int from = 0, to = 0;  // node indices
    TStrings labels;       // one line per row, in table order
    std::vector<int> rows; // indices into the transition rows
    bool warning = false;  // some row names an unknown state, input or output
    bool operator==(const TGraphEdge&) const = default;
};

struct TStateGraph {
    bool moore = true;
    std::vector<TGraphNode> nodes;
    std::vector<TGraphEdge> edges;
    int resetNode = -1; // the node the reset arrow points to; -1 for none
    int leftOut = 0;    // rows with an empty field, not drawn
};

// Node names are matched ignoring ASCII case. The reset arrow points where the
// generated VHDL resets to: Resetzustand when it names a state, else the first state.
TStateGraph BuildStateGraph(const TMachine& a);

// DOT identifiers: "r" for the reset point, "n<index>" for node index.
std::string DotNodeId(int node);
// The graph in Graphviz's DOT language (UTF-8), without positions.
TStrings DiagramDotLines(const TStateGraph& g);

// Rows of the transition grid (CellTable numbering, as BuildGrid makes it)
// that hold a node's rows: every row whose Zustand is the node's name.
std::vector<int> NodeTableRows(const TStateGraph& g, int node, const CellTable& table);
// Rows of the transition grid that hold an edge's rows. A table row is found
// by its place among the rows of its Zustand, which building the grid keeps.
std::vector<int> EdgeTableRows(const TMachine& a, const TStateGraph& g, int edge,
                               const CellTable& table);

} // namespace korvalt

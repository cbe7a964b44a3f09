// The transition tour a self-checking testbench drives: a model of what the
// generated VHDL does state by state, which rows can be taken at all and which
// states the reset state reaches, and the walk that takes every takeable row
// at least once.
//
// The model follows the generated VHDL, not the editor: Moore rows form one
// if/elsif chain (the first row of a state whose input pattern matches wins;
// names ignore case as VHDL does), Mealy rows are looked up exactly by state
// and input name, first row first. An input pattern may hold don't-care bits
// ('-'): each row is driven with a concrete input it matches and no earlier
// row of its state matches (fsm/cube.h). A row that can never be taken (its
// state is unreachable from the reset state, or earlier rows of its state
// cover its whole input pattern) is listed with the reason, never silently
// skipped.
#pragma once

#include <string>
#include <vector>

#include "fsm/machine.h"

namespace korvalt {

// What the generated VHDL does, state by state. States are numbered in
// the order of the states; rows are indices into the transition rows.
class TMachineModel {
  public:
    explicit TMachineModel(const TMachine& a);

    int StateCount() const { return static_cast<int>(states_.size()); }
    const std::string& StateName(int s) const { return states_[static_cast<std::size_t>(s)]; }
    int ResetState() const { return reset_; }
    // The row the machine takes in state s with the concrete input value; -1
    // when none does (Moore: the state stays; Mealy: the VHDL leaves it open).
    int RowTaken(int s, const std::string& value) const;
    // Fields of a row resolved against the lists; state -1 when the row names nothing known.
    struct TRow {
        int state = -1, next = -1;
        std::string input;          // the input pattern as written (may hold '-')
        std::string stimulus;       // a concrete input that takes this row; empty when none
                                    // does, or when deciding it would take too long
        std::vector<int> coveredBy; // earlier rows of the state that take all its inputs; empty
                                    // when the row can be taken
        std::string output;         // Mealy: expected y; empty when the output name is unknown
        std::string outputName;     // Mealy
    };
    const TRow& Row(int r) const { return rows_[static_cast<std::size_t>(r)]; }
    // Moore: the outputs of state s and their name; empty when it has none.
    const std::string& StateOutput(int s) const {
        return stateOutput_[static_cast<std::size_t>(s)];
    }
    const std::string& StateOutputName(int s) const {
        return stateOutputName_[static_cast<std::size_t>(s)];
    }

  private:
    bool moore_;
    std::vector<std::string> states_;
    int reset_ = -1;
    std::vector<TRow> rows_;
    std::vector<std::vector<int>> rowsOfState_; // in table order
    std::vector<std::string> stateOutput_, stateOutputName_;
};

struct TTourStep {
    bool reset = false; // true: reset to the reset state (the first step always is one)
    int row = -1;       // the row taken; -1 for a reset
    int state = -1;     // the state the step starts in (reset: the reset state)
    int next = -1;      // the state reached
};

struct TTour {
    std::vector<TTourStep> steps;
    // Rows never taken, with the reason (UTF-8), in table order.
    struct TSkipped {
        int row;
        std::string reason;
    };
    std::vector<TSkipped> skipped;
    // Moore states without an output assignment: reached, but their outputs are not checked.
    std::vector<int> unchecked;
    int takeable = 0; // rows the tour takes at least once
};

// Which rows can be taken and which states the reset state reaches.
struct TReach {
    // per row: the row taken instead of it (itself when it wins), -1 for none or undecided
    std::vector<int> winner;
    std::vector<std::vector<int>> edges; // per state: its winning rows, in table order
    std::vector<bool> reached;           // per state: reachable from the reset state
};
TReach FindReachable(const TMachine& a, const TMachineModel& model);

// The tour: which rows are skipped and why, then the walk from the reset
// state, always to the nearest state that still has a row not taken
// (breadth-first search), a reset when none can be reached.
TTour PlanTour(const TMachine& a, const TMachineModel& model);

} // namespace korvalt

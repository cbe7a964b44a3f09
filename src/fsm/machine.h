// The typed state machine: inputs, outputs and states as named patterns,
// transition rows and output rows that refer to them by name, the widths, the
// reset state and the two levels. The checks, the VHDL and testbench writers,
// the diagram, the simulation and korvalt-cli read this and nothing else.
//
// ReadMachine builds it from the stored "|"-joined lists (TAutomat) in one
// pass; WriteMachine gives the very same lists back. Nothing is repaired on
// the way: a field that names nothing known keeps its text and an unresolved
// reference (index -1), an empty field stays empty, and an entry or row
// without "|" keeps its text, so every message can quote what the user wrote.
// How a name is looked up (exactly, or ignoring case as VHDL does) is decided
// here, once.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/strings.h"
#include "fsm/automat.h"

namespace korvalt {

// An input, an output or a state: its name and its bit pattern. A hand-edited
// entry without "|" has no name and is all pattern (HasBar false).
struct TNamed {
    std::string Name;
    std::string Bits;
    bool HasBar = true;
    // The identifier the VHDL file and the messages use: the name, or the
    // whole entry when it has no "|" (its text is all the user sees).
    const std::string& Written() const { return HasBar ? Name : Bits; }
    bool operator==(const TNamed&) const = default;
};

// A field of a row that names an input, output or state: the text as the row
// holds it and the entry it resolves to (-1: none, or the field is empty).
struct TRef {
    std::string Name;
    int Index = -1;
    bool Resolved() const { return Index >= 0; }
    bool operator==(const TRef&) const = default;
};

// A row of the transition table. A Moore row has three fields, its Bedingung
// the rest after the second "|"; a Mealy row four, its Ausgang the rest after
// the third. Missing fields are empty.
struct TTransition {
    int Zeile = 0;  // 1-based place in the stored table, as the editor's grid numbers it
    int Fields = 1; // "|"-separated fields the stored row has (at most 3 Moore, 4 Mealy)
    TRef Zustand, Folgezustand, Bedingung, Ausgang;
    // The kind's fields are all there and none is empty.
    bool Complete = false;
    // Every field after the first holds text (a row without "|" must hold some).
    bool Filled = false;
    // The row as stored; the checks and the testbench quote it.
    std::string Stored() const;
    // False for a row without "|" or with an empty Zustand: the grid shows no line for it.
    bool TakesLine() const { return Fields >= 2 && !Zustand.Name.empty(); }
    // A field is empty, or a row the grid shows lacks fields of its kind ("S0|S1"
    // in a Moore table): the description is incomplete, nothing can be generated.
    bool Incomplete() const { return !Filled || (TakesLine() && !Complete); }
};

// A row of the output table (Moore): a state and the name of its output.
struct TOutputRow {
    TNamed Entry; // Name: the state as written; Bits: the output's name
    TRef Zustand; // Entry.Written(), among the states ignoring case
    TRef Ausgang; // Entry.Bits, among the outputs ignoring case
    bool Filled = false;
    std::string Stored() const;
};

// How a field's text is looked up in a list.
enum class TMatch {
    Exact,      // as written: the Mealy generator finds its rows this way
    IgnoreCase, // as VHDL compares identifiers (the written names)
    Listed,     // among the names the editor lists (text before "|"), ignoring case
};
// The first entry the name stands for; -1 for none (an empty name never matches Listed).
int FindNamed(const std::vector<TNamed>& list, std::string_view name, TMatch match);

struct TMachine {
    bool Moore = true;
    std::vector<TNamed> Eingaenge, Ausgaenge, Zustaende;
    std::vector<TTransition> Zeilen;
    std::vector<TOutputRow> Ausgangszeilen;
    std::int32_t Eingangsbitbreite = 0;
    std::int32_t Ausgangsbitbreite = 0;
    std::string Resetzustand;
    std::string ResetAktiv = "1";
    std::string TaktAktiv = "1";
    TOptionen Optionen;

    // How rows name states and inputs: Moore ignoring case, Mealy exactly
    // (its generator looks rows up by exact names).
    TMatch RowMatch() const { return Moore ? TMatch::IgnoreCase : TMatch::Exact; }
    // The reset state as written: Resetzustand when it names a state (ignoring
    // case), else the first state.
    std::string ResetName() const;
    // The output name of the first output row naming the state (ignoring case); empty for none.
    std::string OutputOf(std::string_view state) const;
    // Mealy: the first row of exactly this Zustand and Bedingung; -1 for none.
    int MealyRow(std::string_view state, std::string_view input) const;
    // True when some state code holds a "1" (the coded form).
    bool Coded() const;
};

// The typed description of the stored lists.
TMachine ReadMachine(const TAutomat& a);
// The stored lists of a description: ReadMachine(WriteMachine(m)) == m's lists.
TAutomat WriteMachine(const TMachine& m);

} // namespace korvalt

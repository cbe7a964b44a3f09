// The state-machine description and its conversions to and from the editor's
// views. The description is five ordered string lists whose entries join
// fields with "|" (the first "|" always ends the name):
//   matrices (inputs, outputs, states)  name|bits        e.g. start|01, go|1-0
//                                        ('-' a don't-care bit: inputs and outputs only)
//   transition table                    Zustand|Folgezustand|Bedingung[|Ausgang]
//   output table (Moore)                Zustand|Ausgangsvektor
// plus two bit widths, the reset state and the active levels of reset and clock.
//
// This is the stored form: the workspace file holds it and the editor edits
// it. The identifier-list views show one name per line; the grid views and
// their context menu are in fsm/grid.h. Everything that reads a description
// to check it or write from it reads the typed TMachine (fsm/machine.h).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/strings.h"
#include "fsm/options.h"

namespace korvalt {

// Widths beyond this are taken as this: a grid of millions of columns would hang.
inline constexpr std::int32_t MaxBitWidth = 256;
std::int32_t ClampBitWidth(std::int64_t width);

struct TAutomat {
    bool Moore = true;
    TStrings Eingangsmatrix;
    TStrings Ausgangsmatrix;
    TStrings Zustandsmatrix;
    TStrings Automatentabelle;
    TStrings Ausgangstabelle;
    std::int32_t Eingangsbitbreite = 0;
    std::int32_t Ausgangsbitbreite = 0;
    std::string Resetzustand;
    std::string ResetAktiv = "1"; // "0": reset active low
    std::string TaktAktiv = "1";  // "0": falling clock edge
    TOptionen Optionen;           // the code style of the VHDL file

    bool operator==(const TAutomat&) const = default;
};

// The parts of a description the editor shows one at a time.
enum class TPart {
    Eingangsmatrix,
    Ausgangsmatrix,
    Zustandsmatrix,
    TaktReset, // the levels of clock and reset; no list
    Automatentabelle,
    Ausgangstabelle,
};
// The three lists of names, the parts whose names rename table fields.
inline bool IsMatrix(TPart part) {
    return part == TPart::Eingangsmatrix || part == TPart::Ausgangsmatrix ||
           part == TPart::Zustandsmatrix;
}

// The characters a matrix cell may hold: "01-" in the input and output
// matrices ('-' a don't-care bit), "01" in the state matrix.
std::string_view PatternChars(TPart part);

// The list a part edits (TaktReset: the output table, which it never changes).
TStrings& PartList(TAutomat& a, TPart part);

// Bits that number n identifiers: 0 for n <= 0, 1 for n = 1, else the binary digits of n - 1.
int BitsNeeded(std::int64_t n);
// A matrix entry or an output-table row: a name, "|", the rest. A hand-edited
// entry may lack the "|": its name is then empty and the rest is all of it.
struct TEntry {
    std::string Name;
    std::string Bits; // the pattern; in the output table the Ausgangsvektor
    bool HasBar = false;
};
TEntry ParseEntry(std::string_view entry);
std::string FormatEntry(const TEntry& e);
// The name of an entry: the text before the first "|"; empty when there is none.
std::string EntryName(std::string_view entry);
// Text after the first "|"; the whole entry when there is none.
std::string EntryBits(std::string_view entry);
// The identifier an entry stands for where it is written into VHDL, offered as
// a reset state or named in a message: its name, or the whole entry when it
// holds no "|" (such an entry has no name, but its text is all the user sees).
std::string WrittenName(std::string_view entry);

// A row of Automatentabelle: Zustand|Folgezustand|Bedingung, for Mealy
// machines followed by |Ausgang. Missing fields are empty.
struct TTransitionRow {
    std::string Zustand, Folgezustand, Bedingung;
    std::string Ausgang; // the rest of the row after the third "|", further "|" included
    int Fields = 1;      // fields the stored row has (1 to 4)
    bool operator==(const TTransitionRow&) const = default;
};
// Splits a stored row at its first three "|"; a row without "|" is all Zustand.
TTransitionRow ParseTransitionRow(std::string_view row);
// The stored form: the first Fields fields joined by "|" (parsing it gives the row back).
std::string FormatTransitionRow(const TTransitionRow& row);
// A row as the grid stores it: three fields for Moore, four for Mealy.
TTransitionRow MakeTransitionRow(bool moore, std::string zustand, std::string folgezustand,
                                 std::string bedingung, std::string ausgang = {});
// Keeps the first of entries equal as whole strings ignoring ASCII case.
void RemoveDuplicateEntries(TStrings& list);
// True when two lines are equal ignoring ASCII case (two empty lines included).
bool HasDuplicateIdentifiers(const TStrings& lines);

// What an identifier-list view shows.
struct TIdentifierView {
    TStrings lines;        // the matrices: the names
    std::string widthText; // Eingangsmatrix, Ausgangsmatrix
    TStrings resetChoices; // Zustandsmatrix
    int resetIndex = -1;   // Zustandsmatrix: the choice equal to Resetzustand, -1 for none
    bool resetLow = false; // TaktReset
    bool clockLow = false; // TaktReset
};

// A typed bit width: a decimal number (0 when it is not one) held to 0..MaxBitWidth.
std::int32_t WidthOf(std::string_view widthText);
// The width storing a view gives: the typed one, or what the lines (blank ones
// included) need when that is more.
std::int32_t AppliedWidth(const TStrings& lines, std::string_view widthText);
// A pattern held to a width: a shorter one gets zeros on the left, a longer
// one loses its leftmost bits (an empty one becomes all zeros).
std::string FitPattern(std::string_view bits, std::int64_t width);
// The width to show while names are typed: BitsNeeded of the non-empty lines
// when that is more than the typed width, else nothing (the text stays).
std::optional<int> RaisedWidth(const TStrings& lines, std::string_view widthText);

// May raise the part's width to what its names need.
TIdentifierView ShowIdentifierList(TAutomat& a, TPart part);
// Stores a view into the model. Blank lines are removed from lines (the
// caller's list), but the width is computed from the lines before that.
// resetChoice: the selected reset-state text, empty when none is selected.
// When the (non-blank) lines are as many as the part's entries, a line whose
// text changed renames its entry, and every table row that named the entry
// follows (see RenameEntries). Otherwise each line takes the pattern of the
// entry of its name (exactly, else ignoring case; a new name gets an empty
// pattern), and a Moore state its output row. A pattern keeps its bits when
// the width changes (FitPattern); an empty one stays empty.
void ApplyIdentifierLines(TAutomat& a, TPart part, TStrings& lines, std::string_view widthText,
                          std::string_view resetChoice, bool resetLow, bool clockLow);
// How many of the part's patterns would lose a "1" or a "-" if the view were stored
// with these lines and this width text (the input and output matrices; 0 for the others).
int PatternsLosingOnes(const TAutomat& a, TPart part, const TStrings& lines,
                       std::string_view widthText);
// Renames the part's names oldNames[i] to newNames[i], all at once (two names
// can swap): in the transition table Zustand and Folgezustand (states),
// Bedingung (inputs) or Ausgang (outputs, Mealy); in the output table the
// state or the Ausgangsvektor. A field takes the new name of the first old
// name it equals exactly, else of the first it equals ignoring case. The part's
// own list and Resetzustand (the view's reset choice) are not changed here.
void RenameEntries(TAutomat& a, TPart part, const TStrings& oldNames, const TStrings& newNames);

// Aligns Ausgangstabelle with Zustandsmatrix by position.
void SyncAusgangstabelle(TAutomat& a);

} // namespace korvalt

// The checks a state-machine description must pass before its VHDL file is
// written, and the report the error window shows when it does not.
//
// Seven fixed checks come first, each one bit of AutomatErrors, in this order.
// Further checks catch descriptions whose VHDL no simulator would accept
// (illegal or clashing identifiers, bit patterns that do not fit their vector,
// duplicate case choices, table rows that name nothing, rows that earlier
// rows of their state take away through don't-care bits, levels other than 0
// and 1); each of their messages names the offending identifier or entry.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/vhdlname.h"
#include "fsm/machine.h"
#include "vhdl/keywords.h"

namespace korvalt {

using AutomatErrors = int;
enum : AutomatErrors {
    ErrNoInputs = 1,
    ErrNoOutputs = 2,
    ErrTooFewStates = 4,
    ErrInputMatrix = 8,
    ErrOutputMatrix = 16,
    ErrTableIncomplete = 32,
    ErrOutputsMissing = 64,
};

// True when some entry's bit pattern holds a "1" or a don't-care bit (a possible 1).
bool HasOneBit(const std::vector<TNamed>& matrix);
// Names (upper case) the generated file declares or uses itself: no input,
// output or state may take them.
bool DeclaredByGeneratedFile(std::string_view upper);
// Library, package and type names (upper case) the generated file's header names.
bool NamesLibraryOrPackage(std::string_view upper);
// The seven fixed checks; 0 when all pass.
AutomatErrors ValidateAutomat(const TMachine& a);

// One message line (UTF-8) per problem the further checks find.
TStrings CheckVhdlRules(const TMachine& a);

// Why an entity name (file text) cannot be used (UTF-8), or empty when it can: it
// must be an identifier, and not one of the library or package names the file
// itself uses (IEEE, STD, WORK, STD_LOGIC, ..., any letter case).
std::string EntityNameProblem(std::string_view entity);

// A row of the transition or output table a message is about, numbered as
// the editor's grid shows it, so the user can find it there.
struct TTableRow {
    TPart Table = TPart::Automatentabelle;
    int GridRow = 0;  // counted from 1; 0 when the grid shows no line for the row
    std::string Text; // the row as stored (file text)
    bool operator==(const TTableRow&) const = default;
};

// Every problem of a description: the fixed checks and the further ones,
// with the table rows behind them.
struct TAutomatReport {
    AutomatErrors errors = 0;
    TStrings further;
    std::vector<TTableRow> incomplete;     // the rows behind ErrTableIncomplete
    std::vector<TTableRow> outputsMissing; // the rows behind ErrOutputsMissing
    // Further messages about one row: the message's place in further, and the row.
    std::vector<std::pair<std::size_t, TTableRow>> furtherRows;
    bool Ok() const { return errors == 0 && further.empty(); }
};
TAutomatReport CheckAutomat(const TMachine& a);

// One line of the error report (UTF-8); a line naming a table row carries it.
struct TReportLine {
    std::string Text;
    std::optional<TTableRow> Row;
};
// Rows listed under one message; the rest are counted ("und N weitere").
inline constexpr std::size_t ReportRowsShown = 20;
// The error window's lines: two header lines, an empty line, then one line
// per failed fixed check and one per further problem, each table message
// followed by its rows ("  Zeile 3: „S0|S1|“").
std::vector<TReportLine> ErrorReport(const TAutomatReport& report);
// The texts of ErrorReport.
TStrings ErrorReportLines(const TAutomatReport& report);

} // namespace korvalt

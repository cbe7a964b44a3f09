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

#include <string>
#include <string_view>

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
// The seven fixed checks; 0 when all pass.
AutomatErrors ValidateAutomat(const TMachine& a);

// One message line (UTF-8) per problem the further checks find.
TStrings CheckVhdlRules(const TMachine& a);

// Why an entity name (file text) cannot be used (UTF-8), or empty when it can: it
// must be an identifier, and not one of the library or package names the file
// itself uses (IEEE, STD, WORK, STD_LOGIC, ..., any letter case).
std::string EntityNameProblem(std::string_view entity);

// Every problem of a description: the fixed checks and the further ones.
struct TAutomatReport {
    AutomatErrors errors = 0;
    TStrings further;
    bool Ok() const { return errors == 0 && further.empty(); }
};
TAutomatReport CheckAutomat(const TMachine& a);

// The error window's lines (UTF-8): two header lines, an empty line,
// then one line per failed fixed check and one per further problem.
TStrings ErrorReportLines(const TAutomatReport& report);

} // namespace korvalt

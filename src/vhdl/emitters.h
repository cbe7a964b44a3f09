// The VHDL fragments written from a scanned entity: port and generic clauses,
// signal declarations, the component declaration, instances, the stimulus
// processes of the testbench skeleton and the configuration line. Each takes
// the entity and returns its lines; n is the indentation in blanks.
#pragma once

#include <string>

#include "vhdl/entity.h"

namespace korvalt {

TStrings PortClause(const TEntity& e, int n);
TStrings InputSignals(const TEntity& e, int n);
TStrings OutputSignals(const TEntity& e, int n);
TStrings GenericClause(const TEntity& e, int n);
TStrings ComponentDecl(const TEntity& e, int n);
// The skeleton's reset pulse and clock, for the clock and reset the scan found.
TStrings StimulusProcesses(const TEntity& e, int n);
// namedGenerics: each generic is associated with a constant of its own name,
// except those named in byValue (upper case), whose names are taken otherwise.
TStrings InstanceMap(const TEntity& e, int n, bool withComments, bool namedGenerics = false,
                     const std::string& label = "map_XXX", const TStrings& byValue = {});
TStrings TestbenchMap(const TEntity& e, int n);
std::string ConfigLine(const TEntity& e, int n);
// The placeholder functions of the generics whose type this program does not know.
TStrings PlaceholderFunctions(const TEntity& e, int n);
// What the designer must complete after a testbench or an insertion, one German
// line each in the code page of the scanned files: the generics that need a value, and those no
// value can be associated with (generic types, subprograms without a default).
TStrings GenericNotes(const TEntity& e);

// What the scan recorded, one "label: value" line each: entity, architecture,
// clock, reset, then every generic, port, input and output.
TStrings ScanListing(const TEntity& e);

} // namespace korvalt

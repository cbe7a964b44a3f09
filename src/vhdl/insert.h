// Component insertion: a design of the working folder is inserted into a
// target VHDL file as a configuration line (before the first BEGIN), a
// component declaration (after the architecture header) and an instance
// map_XXX (after the architecture's BEGIN). Everything else in the target
// stays line for line as it was; the target is replaced atomically, so a
// failed write leaves it intact.
#pragma once

#include <string>

#include "common/result.h"
#include "common/textfile.h"
#include "vhdl/entity.h"

namespace korvalt {

// The target's lines with the insertions made, the component scanned from its lines.
// withSignals: the component's generics become constants and its ports signals of
// the target, each only where the target does not declare the name yet, and the
// generic map associates each generic with its constant.
TStrings InsertedLines(const TStrings& componentLines, const TStrings& targetLines,
                       bool withComments, bool withSignals = false);

// Inserts the component into the target file; the result holds the component as
// scanned, or why nothing was inserted (German). A target that holds no CR LF
// keeps LF line ends; any other is written with CR LF.
TResult<TEntity> InsertComponent(const std::string& componentPath, const std::string& targetPath,
                                 bool withComments, bool withSignals = false);

// The .vhd files of folder (the extension in any case), without the one named
// like the target's file, sorted by name ignoring case.
TStrings ListComponents(const std::string& folder, const std::string& targetPath);

} // namespace korvalt

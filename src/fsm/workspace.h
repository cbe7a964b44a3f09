// The workspace file: the current state-machine work, one file per machine
// kind in the program's folder ("Moore.txt" or "Mealy.txt").
//
// Written in this order, each line ended by CR LF:
//   #IB<input width>  #OB<output width>
//   #IN  inputs   #OUT  outputs   #Z  states   #AUTOMAT  transitions
//   #AUSGTAB  output table (also for Mealy, then normally empty)
//   #RST<reset state>  #BRST<reset level>  #BCLK<clock level>  (each only when not empty)
//   #OPTIONEN key=value ...  (only when an option differs from the default; fsm/options.h)
// Data lines are the model's entries as they are (patterns of inputs and
// outputs may hold '-', a don't-care bit). A file without the options
// line gives the default options. Reading accepts CR LF and
// bare LF, ignores empty lines, and finds the markers anywhere in a line
// ignoring case (#in, #INPUTS); values are taken from fixed positions.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/textfile.h"
#include "fsm/automat.h"

namespace korvalt {

// "Moore.txt" or "Mealy.txt".
std::string WorkspaceFileName(bool moore);
// The lines of the file for a model.
TStrings WorkspaceLines(const TAutomat& a);

// Writes the file for the model's kind into directory (ending in a separator).
TResult<> SaveWorkspace(const TAutomat& a, const std::string& directory);
TResult<> SaveWorkspaceFile(const TAutomat& a, const std::string& path);

// True when path holds a file that saving the model would change; false for
// a missing file or one that cannot be read (saving reports why).
bool WorkspaceFileDiffers(const TAutomat& a, const std::string& path);

// Reads the file for the model's kind from directory into the model. A file
// that is missing (result.value.missing) or cannot be read (a folder, a read error:
// the reason in result.error) leaves the model as it is: it is read whole
// before anything of it is taken.
// The words of the options line the program does not know go into ignored.
TResult<TFileRead> LoadWorkspace(TAutomat& a, const std::string& directory,
                                 TStrings* ignored = nullptr);
TResult<TFileRead> LoadWorkspaceFile(TAutomat& a, const std::string& path,
                                     TStrings* ignored = nullptr);
// Reads file text into the model: the five lists and the options are
// replaced; widths, reset state and levels change only where the text has their line.
void LoadWorkspaceText(TAutomat& a, std::string_view text, TStrings* ignored = nullptr);
// The German message (UTF-8) naming options words that were skipped; empty for none.
std::string IgnoredOptionenMessage(const TStrings& ignored);

// The kind of machine a description text was written for: transition rows of
// three fields are Moore's, of four Mealy's; without rows an output table
// tells Moore. Nothing when the text does not tell or its rows disagree.
std::optional<bool> DescribesMoore(std::string_view text);

} // namespace korvalt

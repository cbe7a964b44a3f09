// Where Korvalt keeps its files. Two layouts, told apart by where the shipped
// templates are:
//   portable  - a Template folder beside the program (the build folder, an
//               unpacked copy): KORVALT.INI, Moore.txt and Mealy.txt live
//               beside the program too;
//   installed - the program in <prefix>/bin, the templates in
//               <prefix>/share/korvalt/Template: KORVALT.INI goes to the user's
//               configuration folder, the state-machine work and the user's own
//               templates to the user's data folder. Nothing is written under
//               the prefix.
// The per-user folders are handed in by the caller; this module asks the
// system for nothing but files.
#pragma once

#include <string>
#include <vector>

#include "common/strings.h"
#include "common/textfile.h"

namespace korvalt {

struct TFolders {
    bool installed = false;
    std::string programDir;  // folder of the program file
    std::string settingsDir; // holds KORVALT.INI
    std::string dataDir;     // holds Moore.txt and Mealy.txt
    TStrings templateDirs;   // the shipped templates first, then the user's own
    std::string workingDir;  // the working folder until KORVALT.INI says otherwise
};

// Every folder ends in the path separator.
TFolders PortableFolders(const std::string& programDir);
// The layout for a program in programDir: installed when it has no Template
// folder beside it but <prefix>/share/korvalt/Template exists; portable
// otherwise. The user folders are those of Korvalt itself (…/korvalt/).
TFolders DecideFolders(const std::string& programDir, const std::string& userConfigDir,
                       const std::string& userDataDir, const std::string& homeDir);

inline constexpr const char* UserTemplateNote = "LIESMICH.txt";
// Installed layout: creates the settings and data folders and, on the first
// start, the user's Template folder with a note saying how to add a template.
// Portable layout: does nothing. Returns the first failure, if any.
TResult<> PrepareUserFolders(const TFolders& folders);

} // namespace korvalt

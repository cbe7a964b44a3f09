// The template catalogue: which files of the Template folder are offered under
// "Neues Modul", and under which caption.
//
// A file qualifies when the three characters after its first "." (the first
// three of the name when it has none) read "VHD" in any case and the name
// before that "." is not empty. Entries are "display#filename", display being
// the base name with "_" shown as a blank and "-" as ",".
#pragma once

#include <string>
#include <vector>

#include "common/strings.h"

namespace korvalt {

// Entry for one file name, or empty when the file does not qualify.
std::string CatalogueEntry(const std::string& fileName);
// Entries for the given names, sorted ignoring case with the user's collation.
TStrings BuildCatalogue(const TStrings& fileNames);
// Entries for the plain files of a folder.
TStrings ScanTemplates(const std::string& templateDir);
// Entries for the templates of several folders (the shipped ones, then the
// user's own). A file name found in more than one folder is listed once.
TStrings ScanTemplateFolders(const TStrings& templateDirs);
// Full path of the file an entry stands for: the last folder that holds a file
// of that name wins, so the user's copy replaces a shipped template.
std::string TemplatePath(const TStrings& templateDirs, const std::string& entry);
// Menu caption of an entry: the text before "#", without blanks at either end.
std::string CatalogueCaption(const std::string& entry);
// File name of an entry: the text after the first "#".
std::string CatalogueFile(const std::string& entry);

} // namespace korvalt

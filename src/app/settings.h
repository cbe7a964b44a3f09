// KORVALT.INI beside the program: one line, the working folder exactly as the
// file system spells it (normally ending in the path separator). Reading takes
// the first line, whatever it holds; writing recreates the file with that one
// line and CR LF.
#pragma once

#include <optional>
#include <string>

#include "common/textfile.h"

namespace korvalt {

inline constexpr const char* IniFileName = "KORVALT.INI";

// The first line of the INI file, or nothing when it is missing, unreadable or
// holds no line at all.
std::optional<std::string> ReadIni(const std::string& programDir);
TResult<> WriteIni(const std::string& programDir, const std::string& workingDir);

} // namespace korvalt

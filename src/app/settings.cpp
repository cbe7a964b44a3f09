#include "app/settings.h"

namespace korvalt {

std::optional<std::string> ReadIni(const std::string& programDir) {
    TStrings lines;
    if (!ReadLines(programDir + IniFileName, lines) || lines.empty()) return std::nullopt;
    return lines.front();
}

TResult<> WriteIni(const std::string& programDir, const std::string& workingDir) {
    return SaveLines(programDir + IniFileName, {workingDir});
}

} // namespace korvalt

// The list of lines every module passes around: file lines, messages, names.
#pragma once

#include <string>
#include <vector>

namespace korvalt {

using TStrings = std::vector<std::string>;

} // namespace korvalt

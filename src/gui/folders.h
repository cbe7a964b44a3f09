// The folders of this run: the layout for the program's folder, with the
// user's configuration, data and home folders as the desktop names them
// (XDG_CONFIG_HOME, XDG_DATA_HOME and HOME are honoured).
#pragma once

#include <string>

#include "app/folders.h"

namespace korvalt {

TFolders UserFolders(const std::string& programDir);

} // namespace korvalt

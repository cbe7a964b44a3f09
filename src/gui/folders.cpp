#include "gui/folders.h"

#include <QStandardPaths>

#include "common/paths.h"
#include "gui/qtext.h"

namespace korvalt {

TFolders UserFolders(const std::string& programDir) {
    auto where = [](QStandardPaths::StandardLocation location) {
        return WithTrailingSep(PathFromQ(QStandardPaths::writableLocation(location)));
    };
    const std::string own = std::string("korvalt") + PathSep;
    return DecideFolders(programDir, where(QStandardPaths::GenericConfigLocation) + own,
                         where(QStandardPaths::GenericDataLocation) + own,
                         where(QStandardPaths::HomeLocation));
}

} // namespace korvalt

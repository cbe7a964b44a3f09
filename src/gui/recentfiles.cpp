#include "gui/recentfiles.h"

#include <QSettings>

#include "gui/qtext.h"

namespace korvalt {

namespace {

constexpr int GeneratedCount = 8;
const char* const GeneratedKey = "Erzeugt/Zuletzt";

QSettings UserSettings() {
    return QSettings(QSettings::UserScope, "Korvalt", "Korvalt");
}

} // namespace

void RememberGeneratedFile(const std::string& path) {
    QStringList files = GeneratedFiles();
    files.removeAll(PathToQ(path));
    files.prepend(PathToQ(path));
    while (files.size() > GeneratedCount)
        files.removeLast();
    UserSettings().setValue(GeneratedKey, files);
}

QStringList GeneratedFiles() {
    return UserSettings().value(GeneratedKey).toStringList();
}

QStringList RecentAutomatFiles(bool moore) {
    return UserSettings()
        .value(moore ? "Automat/ZuletztMoore" : "Automat/ZuletztMealy")
        .toStringList();
}

} // namespace korvalt

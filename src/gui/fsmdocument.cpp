#include "gui/fsmdocument.h"

#include <QSettings>

#include "common/paths.h"
#include "fsm/workspace.h"
#include "gui/qtext.h"

namespace korvalt {

namespace {

constexpr int RecentCount = 5;

QSettings UserSettings() {
    return QSettings(QSettings::UserScope, "Korvalt", "Korvalt");
}

QString RecentKey(bool moore) {
    return moore ? "Automat/ZuletztMoore" : "Automat/ZuletztMealy";
}

} // namespace

std::string TAutomatDocument::SavePath() const {
    return File.empty() ? ProgramDir + WorkspaceFileName(Automat.Moore) : File;
}

QString TAutomatDocument::Caption() const {
    QString caption = Automat.Moore ? "Moore - Automat" : "Mealy - Automat";
    if (!File.empty()) caption += " - " + PathToQ(FileNamePart(File));
    return caption;
}

QStringList TAutomatDocument::RecentFiles() const {
    return UserSettings().value(RecentKey(Automat.Moore)).toStringList();
}

void TAutomatDocument::Remember(const std::string& path) {
    QStringList recent = RecentFiles();
    recent.removeAll(PathToQ(path));
    recent.prepend(PathToQ(path));
    while (recent.size() > RecentCount)
        recent.removeLast();
    UserSettings().setValue(RecentKey(Automat.Moore), recent);
}

void TAutomatDocument::Forget(const QString& path) {
    QStringList recent = RecentFiles();
    recent.removeAll(path);
    UserSettings().setValue(RecentKey(Automat.Moore), recent);
}

} // namespace korvalt

#include "gui/recentfiles.h"

#include <QSettings>

#include "gui/qtext.h"

namespace korvalt {

namespace {

QSettings UserSettings() {
    return QSettings(QSettings::UserScope, "Korvalt", "Korvalt");
}

QString AutomatKey(bool moore) {
    return moore ? "Automat/ZuletztMoore" : "Automat/ZuletztMealy";
}

const char* const GeneratedKey = "Erzeugt/Zuletzt";

// Puts path first in the list under key, keeping at most count entries.
void PutFirst(const QString& key, const std::string& path, int count) {
    QStringList files = UserSettings().value(key).toStringList();
    files.removeAll(PathToQ(path));
    files.prepend(PathToQ(path));
    while (files.size() > count)
        files.removeLast();
    UserSettings().setValue(key, files);
}

} // namespace

void RememberGeneratedFile(const std::string& path) {
    PutFirst(GeneratedKey, path, 8);
}

QStringList GeneratedFiles() {
    return UserSettings().value(GeneratedKey).toStringList();
}

QStringList RecentAutomatFiles(bool moore) {
    return UserSettings().value(AutomatKey(moore)).toStringList();
}

void RememberAutomatFile(bool moore, const std::string& path) {
    PutFirst(AutomatKey(moore), path, 5);
}

void ForgetAutomatFile(bool moore, const QString& path) {
    QStringList files = RecentAutomatFiles(moore);
    files.removeAll(path);
    UserSettings().setValue(AutomatKey(moore), files);
}

} // namespace korvalt

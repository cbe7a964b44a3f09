#include "gui/fsmdocument.h"

#include "common/paths.h"
#include "fsm/workspace.h"
#include "gui/qtext.h"
#include "gui/recentfiles.h"

namespace korvalt {

std::string TAutomatDocument::SavePath() const {
    return File.empty() ? ProgramDir + WorkspaceFileName(Automat.Moore) : File;
}

QString TAutomatDocument::Caption() const {
    QString caption = Automat.Moore ? "Moore - Automat" : "Mealy - Automat";
    if (!File.empty()) caption += " - " + PathToQ(FileNamePart(File));
    return caption;
}

QStringList TAutomatDocument::RecentFiles() const {
    return RecentAutomatFiles(Automat.Moore);
}

void TAutomatDocument::Remember(const std::string& path) {
    RememberAutomatFile(Automat.Moore, path);
}

void TAutomatDocument::Forget(const QString& path) {
    ForgetAutomatFile(Automat.Moore, path);
}

} // namespace korvalt

#include "app/folders.h"

#include <filesystem>
#include <system_error>

#include "common/paths.h"

namespace korvalt {

namespace fs = std::filesystem;

namespace {

std::string Normal(const std::string& folder) {
    return WithTrailingSep(fs::path(folder).lexically_normal().string());
}

// Kept free of umlauts so that it reads the same in any editor's encoding.
const TStrings NoteLines = {
    "Eigene Korvalt-Vorlagen",
    "=======================",
    "",
    "Legen Sie eigene Vorlagendateien mit der Endung .vhd in diesen Ordner.",
    "Korvalt zeigt sie nach einem Neustart unter \"Datei > Neues Modul\" an,",
    "zusammen mit den mitgelieferten Vorlagen. Hat eine eigene Datei denselben",
    "Namen wie eine mitgelieferte Vorlage, verwendet Korvalt die eigene.",
    "",
    "Im Namen wird \"_\" als Leerzeichen und \"-\" als Komma angezeigt.",
    "Vorlagen sind Textdateien im Zeichensatz Windows-1252. Aufbau und",
    "Platzhalter beschreibt die Hilfe von Korvalt (Taste F1).",
    "",
    "Als Ausgangspunkt eignet sich eine Kopie einer mitgelieferten Vorlage aus",
};

} // namespace

TFolders PortableFolders(const std::string& programDir) {
    TFolders f;
    f.programDir = f.settingsDir = f.dataDir = f.workingDir = programDir;
    f.templateDirs = {programDir + "Template" + PathSep};
    return f;
}

TFolders DecideFolders(const std::string& programDir, const std::string& userConfigDir,
                       const std::string& userDataDir, const std::string& homeDir) {
    const std::string shipped =
        Normal(programDir + ".." + PathSep + "share" + PathSep + "korvalt" + PathSep + "Template");
    if (IsDirectory(programDir + "Template") || !IsDirectory(shipped))
        return PortableFolders(programDir);
    TFolders f;
    f.installed = true;
    f.programDir = programDir;
    f.settingsDir = WithTrailingSep(userConfigDir);
    f.dataDir = WithTrailingSep(userDataDir);
    f.templateDirs = {shipped, f.dataDir + "Template" + PathSep};
    f.workingDir = WithTrailingSep(homeDir);
    return f;
}

TResult<> PrepareUserFolders(const TFolders& folders) {
    if (!folders.installed) return {};
    std::error_code ec;
    for (const auto& dir : {folders.settingsDir, folders.dataDir})
        if (fs::create_directories(dir, ec); ec) return {false, ec.message()};
    const std::string own = folders.templateDirs.back();
    if (IsDirectory(own)) return {};
    if (fs::create_directories(own, ec); ec) return {false, ec.message()};
    TStrings note = NoteLines;
    note.push_back(folders.templateDirs.front());
    return SaveLines(own + UserTemplateNote, note);
}

} // namespace korvalt

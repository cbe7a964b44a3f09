// The description a state-machine editor window works on and where it
// lives: the machine, whether it changed since it was last loaded or saved,
// the file it was opened from or saved under (none for the current work in
// the workspace file), and the files of its kind used last, which the user's
// settings keep across sessions.
#pragma once

#include <QString>
#include <QStringList>
#include <string>

#include "fsm/automat.h"

namespace korvalt {

class TAutomatDocument {
  public:
    TAutomat Automat;
    bool Modified = false;
    std::string File; // opened or saved under a name; empty for the current work
    // Begun with "&Neu" and not saved since: its first save asks before it
    // replaces a file holding something else.
    bool UnsavedNew = false;
    // Folders end in the path separator; the workspace file lives in ProgramDir.
    std::string ProgramDir, WorkingDir;

    // The file "Speichern" writes: File, else the workspace file of the kind.
    std::string SavePath() const;
    // The window title: the kind, and the file's name when there is one.
    QString Caption() const;
    // The files last opened or saved under a name, the latest first.
    QStringList RecentFiles() const;
    // Puts path first among the recent files (at most five are kept).
    void Remember(const std::string& path);
    // Drops a file that no longer exists from the recent files.
    void Forget(const QString& path);
};

} // namespace korvalt

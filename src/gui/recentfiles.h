// The files the user met last, kept in the user's settings across sessions:
// the state-machine files each editor kind opened or saved under a name (the
// editor keeps that list), and the files the commands generated.
#pragma once

#include <QStringList>
#include <string>

namespace korvalt {

// Puts a file a command has just written first among the generated files
// (at most eight are kept). Every command that writes a file calls it.
void RememberGeneratedFile(const std::string& path);
// The generated files, the latest first.
QStringList GeneratedFiles();
// The state-machine files of one kind used last, the latest first.
QStringList RecentAutomatFiles(bool moore);
// Puts a state-machine file opened or saved under a name first among those of
// its kind (at most five are kept).
void RememberAutomatFile(bool moore, const std::string& path);
// Drops a state-machine file that no longer exists from its kind's list.
void ForgetAutomatFile(bool moore, const QString& path);

} // namespace korvalt

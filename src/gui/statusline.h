// The main window's status bar: the status text the commands set ("Fertig",
// "Erzeuge Testbench", ...), beside it what the last command came to (the
// full path it wrote, a failure, a refusal, a corrected value), and at the
// right the working folder, always in sight.
#pragma once

#include <QString>
#include <string>

#include "app/commands.h"

class QLabel;
class QStatusBar;

namespace korvalt {

class TStatusLine {
  public:
    explicit TStatusLine(QStatusBar* bar);
    void SetStatus(const QString& text);
    QString Status() const;
    // What happened; a failure is shown in red.
    void Say(const QString& text, bool failure = false);
    QString Said() const;
    void ShowWorkingDir(const std::string& folder);
    // Says what a writing command came to and remembers a written file among
    // the generated ones; path: the file it was to write, when known. True when written.
    bool Report(const TResult<TWritten>& outcome, const std::string& path = {});
    // A prompt or a file choice left: nothing was written.
    void SayCancelled();

  private:
    QLabel* StatusLabel;
    QLabel* MeldungLabel;
    QLabel* OrdnerLabel;
};

} // namespace korvalt

// Every question, message, file or folder choice, pop-up menu and modal
// window of the program goes through TDialogs, so that tests can answer them
// without a person. The default implementation shows the real dialogs.
#pragma once

#include <QPoint>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "common/textfile.h"

class QAction;
class QDialog;
class QMenu;
class QWidget;

namespace korvalt {

struct TWritten;

class TDialogs {
  public:
    virtual ~TDialogs() = default;
    // A Yes/No question box; true for Yes.
    virtual bool AskYesNo(QWidget* parent, const QString& caption, const QString& text,
                          bool defaultYes);
    // A question box with Ja, Nein and Abbrechen; Escape means Abbrechen.
    enum TAnswer { Yes, No, Cancel };
    virtual TAnswer AskYesNoCancel(QWidget* parent, const QString& caption, const QString& text);
    // A message with an OK button (used for failures the user must know of).
    virtual void ShowMessage(QWidget* parent, const QString& caption, const QString& text);
    // The file-name prompt: the (lower-cased) name as typed, or nothing when the
    // user left it (Abbrechen, Escape, the close button). check, when given,
    // refuses names with a message and keeps the prompt open.
    virtual std::optional<QString>
    PromptFileName(QWidget* parent, const QString& proposal,
                   const std::function<QString(const QString&)>& check = {});
    // The same for callers that take an empty name as "nothing to write": empty
    // when the prompt was left.
    QString AskFileName(QWidget* parent, const QString& proposal,
                        const std::function<QString(const QString&)>& check = {});
    // A folder chooser; empty when cancelled.
    virtual QString ChooseFolder(QWidget* parent, const QString& title, const QString& start);
    // A file-open dialog with one filter ("Beschreibung (*.vhd)"); empty when cancelled.
    virtual QString ChooseFile(QWidget* parent, const QString& title, const QString& folder,
                               const QString& fileName, const QString& filter);
    // A file-save dialog with filters separated by ";;"; empty when cancelled. A
    // name without extension takes the chosen filter's. It does not ask about
    // overwriting: the caller does, with its own question.
    virtual QString ChooseSaveFile(QWidget* parent, const QString& title, const QString& folder,
                                   const QString& fileName, const QString& filter);
    // Opens a file in the application the desktop has for it.
    virtual void OpenExternally(QWidget* parent, const QString& path);
    // Shows a pop-up menu at a screen position; the chosen action or nullptr.
    virtual QAction* PopupMenu(QMenu* menu, const QPoint& globalPos);
    // Shows a window modally until it closes; its result code.
    virtual int ExecModal(QDialog* dialog);
};

TDialogs& Dialogs();
// Tells the user, in a "Fehler" box, that a file could not be written and the system's reason.
void ShowWriteError(QWidget* parent, const std::string& path, const std::string& reason);
// When a file that exists could not be read (a folder, a read error), tells the
// user, in a "Fehler" box, with the system's reason, and returns true. A
// missing file is no failure: callers take it as empty.
bool ReportReadFailure(QWidget* parent, const std::string& path, const TResult<TFileRead>& result);
// Refuses a folder chosen as an output file with a "Fehler" box; true when refused.
bool RefuseFolderAsOutput(QWidget* parent, const std::string& path);
// Shows a command's message, if it has one, in a "Fehler" box; whether it succeeded.
bool ShowOutcome(QWidget* parent, const TResult<TWritten>& outcome);
// The overwrite question "Datei überschreiben?" (default Nein), for the commands,
// with the file's full path beneath it.
bool AskOverwrite(QWidget* parent, const std::string& path = {});
// Installs the dialogs to use (tests); nullptr restores the real ones.
void SetDialogs(TDialogs* dialogs);

} // namespace korvalt

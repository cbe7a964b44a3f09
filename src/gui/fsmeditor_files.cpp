// The state-machine editor's commands on files: a new description, the
// current work, opening, saving, the files used last, and writing the VHDL
// file and the testbench after the checks.
#include "gui/fsmeditor.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTabBar>

#include "app/commands.h"
#include "common/paths.h"
#include "fsm/automat_tb.h"
#include "fsm/checks.h"
#include "fsm/synthesis.h"
#include "fsm/workspace.h"
#include "gui/codestil.h"
#include "gui/diagramview.h"
#include "gui/dialogs.h"
#include "gui/errorwindow.h"
#include "gui/help.h"
#include "gui/helptopics.h"
#include "gui/qtext.h"
#include "gui/simulationwindow.h"
#include "gui/synthesiswindow.h"

#include "gui/fsmeditor_parts.h"

namespace korvalt {

namespace {

const char* const DescriptionFilter = "Automatenbeschreibung (*.txt)";

} // namespace

// "&Neu" starts a new description as a freshly opened editor has it; the
// workspace file is not touched. Unsaved work is offered for saving first.
void TAutomatForm::Neu1Click() {
    if (!ConfirmDiscard()) return;
    Doc_.Automat = TAutomat{.Moore = Doc_.Automat.Moore};
    Doc_.Modified = false;
    Doc_.File.clear();
    Doc_.UnsavedNew = true;
    UpdateCaption();
    SetMemoLines({});
    SetView(ViewVorgaben, false);
    UpdateMenus();
    ShowVorgaben(TabEingangsmatrix); // a new description begins with its inputs
}

// A file that cannot be read is reported and nothing of it is taken; a missing
// file leaves the description as it is.
void TAutomatForm::aktuelleArbeit1Click() {
    if (!ConfirmDiscard()) return;
    TStrings ignored;
    const TResult<TFileRead> read = LoadWorkspace(Doc_.Automat, Doc_.ProgramDir, &ignored);
    if (ReportReadFailure(this, Doc_.ProgramDir + WorkspaceFileName(Doc_.Automat.Moore), read))
        return;
    Doc_.File.clear(); // "Speichern" writes the current work again
    Doc_.UnsavedNew = false;
    UpdateCaption();
    if (read) Doc_.Modified = false;         // the description is the file's
    VarMemo->document()->setModified(false); // the lines shown are older than the file
    SetView(ViewVorgaben, false);
    UpdateMenus();
    ShowVorgaben(std::min(shownTab_, 3));
    SetStatusText(QString::fromStdString(IgnoredOptionenMessage(ignored)));
}

// Writes the current work, or the file the description was opened from or
// saved under. A description begun with "&Neu" has no file yet: before its
// first save replaces another description, the user is asked.
bool TAutomatForm::Speichern1Click() {
    StoreShownView();
    const std::string path = Doc_.SavePath();
    if (Doc_.UnsavedNew && WorkspaceFileDiffers(Doc_.Automat, path) && !AskOverwrite(this, path))
        return false;
    return SaveTo(path);
}

bool TAutomatForm::SaveTo(const std::string& path) {
    const TResult<> result = SaveWorkspaceFile(Doc_.Automat, path);
    UpdateMenus();
    if (!result) {
        ShowWriteError(this, path, result.error);
        return false;
    }
    Doc_.Modified = false;
    Doc_.UnsavedNew = false;
    return true;
}

void TAutomatForm::Oeffnen1Click() {
    const QString folder = PathToQ(Doc_.File.empty() ? Doc_.WorkingDir : FolderPart(Doc_.File));
    const QString path =
        Dialogs().ChooseFile(this, QString::fromUtf8("\u00d6ffnen"), folder, "", DescriptionFilter);
    if (!path.isEmpty()) OpenFile(path);
}

// A description of the other kind of machine is refused: its tables would
// lose or lack the outputs of the rows.
bool TAutomatForm::OpenFile(const QString& qpath) {
    if (!ConfirmDiscard()) return false;
    const std::string path = PathFromQ(qpath);
    std::string bytes;
    const TResult<TFileRead> read = ReadFileBytes(path, bytes);
    if (read.value.missing) {
        Dialogs().ShowMessage(this, "Fehler", "Die Datei " + qpath + " gibt es nicht.");
        Doc_.Forget(qpath);
        RebuildRecentMenu();
        return false;
    }
    if (ReportReadFailure(this, path, read)) return false;
    if (const auto moore = DescribesMoore(bytes); moore && *moore != Doc_.Automat.Moore) {
        Dialogs().ShowMessage(this, "Fehler",
                              "Die Datei " + qpath + " beschreibt einen " +
                                  (*moore ? "Moore" : "Mealy") + "-Automaten; hier wird ein " +
                                  (Doc_.Automat.Moore ? "Moore" : "Mealy") +
                                  "-Automat bearbeitet.\nDie Datei wurde nicht ge\u00f6ffnet.");
        return false;
    }
    Doc_.Automat = TAutomat{.Moore = Doc_.Automat.Moore};
    TStrings ignored;
    LoadWorkspaceText(Doc_.Automat, bytes, &ignored);
    Doc_.File = path;
    Doc_.UnsavedNew = false;
    Doc_.Modified = false;
    VarMemo->document()->setModified(false);
    RememberFile(path);
    UpdateCaption();
    SetView(ViewVorgaben, false);
    UpdateMenus();
    ShowVorgaben(std::min(shownTab_, 3));
    SetStatusText(QString::fromStdString(IgnoredOptionenMessage(ignored)));
    return true;
}

bool TAutomatForm::SpeichernUnter1Click() {
    const std::string proposal =
        Doc_.File.empty() ? WorkspaceFileName(Doc_.Automat.Moore) : Doc_.File;
    const QString chosen =
        Dialogs().ChooseSaveFile(this, "Speichern unter", PathToQ(FolderPart(proposal)),
                                 PathToQ(FileNamePart(proposal)), DescriptionFilter);
    if (chosen.isEmpty()) return false;
    const std::string path = PathFromQ(chosen);
    if (RefuseFolderAsOutput(this, path)) return false;
    if (FileExists(path) && !AskOverwrite(this, path)) return false;
    StoreShownView();
    if (!SaveTo(path)) return false;
    Doc_.File = path;
    RememberFile(path);
    UpdateCaption();
    return true;
}

void TAutomatForm::UpdateCaption() {
    setWindowTitle(Doc_.Caption());
}

void TAutomatForm::RememberFile(const std::string& path) {
    Doc_.Remember(path);
    RebuildRecentMenu();
}

void TAutomatForm::RebuildRecentMenu() {
    Zuletzt1->clear();
    const QStringList recent = RecentFiles();
    for (int i = 0; i < recent.size(); ++i) {
        QAction* a = Zuletzt1->addAction(QString("&%1 %2").arg(i + 1).arg(recent[i]));
        a->setObjectName(QString("Zuletzt%1").arg(i + 1));
        const QString path = recent[i];
        connect(a, &QAction::triggered, this, [this, path] { OpenFile(path); });
    }
    Zuletzt1->menuAction()->setEnabled(!recent.isEmpty());
}

// Saves the work, checks it, and writes the VHDL file into the working
// folder; a failed check lists every problem in the error window instead.
// The status bar tells the full path written, or why nothing was.
void TAutomatForm::ErzeugeVHDLDatei1Click() {
    if (!SaveAndCheck()) return; // the user was told why; nothing is written
    const std::string name = PathFromQ(Dialogs().AskFileName(this, PathToQ(ProposedName(".vhd"))));
    if (name.empty()) return ReportNotWritten("abgebrochen.");
    const std::string path = Doc_.WorkingDir + name;
    ReportOutcome(
        path, WriteStateMachine(ReadMachine(Doc_.Automat), path, [this](const std::string& file) {
            return AskOverwrite(this, file);
        }));
}

// A double-click on a row the error window names shows that row in its table.
bool TAutomatForm::SaveAndCheck() {
    if (!Speichern1Click()) {
        ReportNotWritten("die Arbeit konnte nicht gespeichert werden.");
        return false;
    }
    const TAutomatReport report = CheckAutomat(ReadMachine(Doc_.Automat));
    if (report.Ok()) return true;
    TErrorForm errors(this);
    errors.FillErrorReport(report);
    Dialogs().ExecModal(&errors);
    if (errors.ChosenRow()) ShowTableRow(*errors.ChosenRow());
    ReportNotWritten("die Automatenbeschreibung hat Fehler.");
    return false;
}

// Writes ENTITY_tb.vhd for the entity the VHDL file of the same name holds.
void TAutomatForm::TestbenchErzeugen1Click() {
    if (!SaveAndCheck()) return;
    const std::string name = PathFromQ(Dialogs().AskFileName(this, PathToQ(ProposedName(".vhd"))));
    if (name.empty()) return ReportNotWritten("abgebrochen.");
    const std::string entity = EntityOfFile(name);
    const std::string path = Doc_.WorkingDir + FolderPart(name) + AutomatTestbenchFileName(entity);
    ReportOutcome(path, WriteStateMachineTestbench(
                            ReadMachine(Doc_.Automat), entity, path,
                            [this](const std::string& file) { return AskOverwrite(this, file); }));
}

void TAutomatForm::Simulieren1Click() {
    if (SaveAndCheck()) OpenSimulation(this, ReadMachine(Doc_.Automat));
}

void TAutomatForm::Hilfe1Click() {
    HelpJump(Doc_.Automat.Moore ? HelpMoore : HelpMealy);
}

// "Daten speichern?" for unsaved work: Ja saves (a failed save keeps the work
// and says no), Nein discards, Abbrechen (and Escape) keeps everything as it is.
bool TAutomatForm::ConfirmDiscard() {
    if (!Doc_.Modified) return true;
    switch (Dialogs().AskYesNoCancel(this, "Frage", "Daten speichern?")) {
    case TDialogs::Yes:
        return Speichern1Click();
    case TDialogs::No:
        Doc_.Modified = false; // the user chose to discard the changes
        return true;
    default:
        return false;
    }
}

void TAutomatForm::closeEvent(QCloseEvent* event) {
    if (!ConfirmDiscard()) {
        event->ignore();
        return;
    }
    closing_ = true;
    QDialog::closeEvent(event);
    closing_ = false;
}

// Escape closes like the close box.
void TAutomatForm::reject() {
    if (closing_ || ConfirmDiscard()) QDialog::reject();
}

} // namespace korvalt

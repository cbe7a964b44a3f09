// The state-machine editor: one Moore or Mealy machine described in named
// identifier lists ("Vorgaben") and in grids (the three matrices, the
// transition table and, for Moore, the output table), over one tab bar. The
// current work is saved to and loaded from the workspace file in the
// program's folder. A view is stored into the model whenever it is left.
#pragma once

#include <QDialog>
#include <QTableWidget>
#include <functional>
#include <optional>
#include <string>

#include "app/commands.h"
#include "fsm/automat.h"
#include "fsm/checks.h"
#include "fsm/grid.h"
#include "gui/fsmdocument.h"
#include "gui/fsmgrid.h"

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QStatusBar;
class QTabBar;

namespace korvalt {

class TDiagramView;

class TAutomatForm : public QDialog {
    Q_OBJECT
  public:
    enum TView { ViewNone, ViewVorgaben, ViewTabellen };

    explicit TAutomatForm(QWidget* parent = nullptr);
    ~TAutomatForm() override;

    // Folders end in the path separator; the workspace file lives in programDir.
    void Init(const std::string& programDir, const std::string& workingDir, bool isMoore);
    // Switches the view family; the view shown is stored first when store is true.
    void SetView(TView view, bool store = true);
    // True when the grid menus are enabled (all three identifier lists have entries).
    bool UpdateMenus();
    // Stores the view shown into the model (identifier lines or grid).
    void StoreShownView();

    TAutomat& Automat() { return Doc_.Automat; }
    const std::string& ProgramDir() const { return Doc_.ProgramDir; }
    const std::string& WorkingDir() const { return Doc_.WorkingDir; }
    TView View() const { return View_; }
    int CurrentTab() const { return shownTab_; }
    // The part of the description the tab shown edits.
    TPart ShownPart() const;
    bool Modified() const { return Doc_.Modified; }
    void SetModified(bool modified) { Doc_.Modified = modified; }
    QString StatusText() const;
    // The description file opened or saved under a name; empty for the current work.
    const std::string& FileName() const { return Doc_.File; }
    // The files last opened or saved under a name, the latest first.
    QStringList RecentFiles() const { return Doc_.RecentFiles(); }
    // Opens a description file; false when it was not opened (the user was told why).
    bool OpenFile(const QString& path);
    // Captions of the context menu for the grid's current cell.
    QStringList PopupCaptions() const;
    // The name proposed for a file written from the description ("ampel.txt"
    // gives "ampel" + extension; the current work "moore" or "mealy").
    std::string ProposedName(const char* extension) const;
    // Shows the table a checks' message names, with its row selected.
    void ShowTableRow(const TTableRow& row);

  signals:
    // A file was written (the full path): the main window shows it too.
    void Geschrieben(const QString& path);

  public slots:
    void Neu1Click();
    void aktuelleArbeit1Click();
    // False when the workspace file could not be written (the user was told why).
    bool Speichern1Click();
    void Oeffnen1Click();
    bool SpeichernUnter1Click();
    // A KISS2 file read as the description, and the description written as one.
    void ImportKiss2Click();
    void ExportKiss2Click();
    // Ctrl+Tab and Ctrl+Shift+Tab: the next or previous tab of the view shown.
    void StepTab(int step);
    // Undo and redo of the edits of the grid shown.
    void UndoGridEdit(bool redo);
    void CodesVergebenClick(TCodeArt art);
    void Beenden2Click() { close(); }
    void ErzeugeVHDLDatei1Click();
    // The self-checking testbench ENTITY_tb.vhd, and its run in the simulation window.
    void TestbenchErzeugen1Click();
    void Simulieren1Click();
    void Hilfe1Click();
    void VorgabenClick(int tab);
    void TabellenClick(int tab);
    // The last grid tab: the state diagram of the stored model.
    void ZustandsdiagrammClick();
    // Right click or Enter on a table: the context menu at a screen position.
    void AutomatGridPopup(const QPoint& globalPos);
    void reject() override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CreateControls();
    void CreateMenu();
    void ShowVorgaben(int tab);
    void ShowTabellen(int tab);
    void ShowDiagramm();
    void DiagrammDoubleClick(int node, int edge);
    void TabControl1Change(int tab);
    void RebuildTabs();
    void StoreIdentifierView();
    bool ConfirmDiscard();
    bool VarMemoKeyPress(const QKeyEvent* e);
    void BitEditKeyPress(const QKeyEvent* e);
    void VarMemoChange();
    bool AutomatGridKeyPress(const QKeyEvent* e);
    void RaiseBitEdit();
    TStrings MemoLines() const;
    void SetMemoLines(const TStrings& lines);
    void SetStatusText(const QString& text);
    std::vector<TPopupItem> CurrentPopupItems() const;
    void UpdateCaption();
    void RememberFile(const std::string& path);
    void RebuildRecentMenu();
    // Shows a table in the grid (no edit of the user), then the filter.
    void ShowGridTable(const CellTable& table);
    void ApplyFilter();
    void GridEdited();
    // Writes the description to path; false (the user was told why) when that fails.
    bool SaveTo(const std::string& path);
    // Saves the work and runs the checks; false (error window shown) when one fails.
    bool SaveAndCheck();
    // Says in the status bar what a command that writes a file did: the full
    // path written, or that and why nothing was written.
    void ReportOutcome(const std::string& path, const TResult<TWritten>& outcome);
    void ReportWritten(const std::string& path);
    void ReportNotWritten(const QString& why);
    // "Bezeichner doppelt", or a name another list uses, or nothing.
    void UpdateNameStatus();
    void FilterChanged();

    TAutomatDocument Doc_;
    TView View_ = ViewNone;
    int shownTab_ = 0;
    int resetRow_ = -1;    // position of the reset state among the state lines shown
    bool filling_ = false; // controls are being filled by the program, not typed into
    bool closing_ = false;
    TGridHistory history_; // edits of the grid shown
    CellTable lastTable_;  // the grid as it was after the last edit
    bool showingTable_ = false;
    // Grid rows inserted since the filter changed: shown whatever the filter says.
    std::vector<int> pinnedRows_;

    QMenuBar* MainMenu1;
    QAction *Neu1, *aktuelleArbeit1, *Speichern1, *Beenden2;
    QMenu *Statemaschine1, *Vorgaben1, *Bearbeiten1, *Automatenbeschreibung;
    QAction *Ausgangstabelle1, *Zustandsdiagramm1, *ErzeugeVHDLDatei1, *Hilfe1;
    QAction *TestbenchErzeugen1, *Simulieren1;
    QAction *Oeffnen1, *SpeichernUnter1, *NaechsterTab1, *VorherigerTab1;
    QAction *Rueckgaengig1, *Wiederherstellen1;
    QAction *ImportKiss2, *ExportKiss2;
    QMenu* Zuletzt1;
    QLineEdit* FilterEdit;
    QFrame* HintergrundPNL;
    QStatusBar* StatusBar1;
    QLabel* StatusLabel;
    QWidget* TabPanel;
    QTabBar* TabControl1;
    TAutomatGrid* AutomatGrid;
    TDiagramView* Zustandsdiagramm;
    QGroupBox* NamenGB;
    QPlainTextEdit* VarMemo;
    QFrame* SeitenPNL;
    QLabel *EingangsbreiteLBL, *ResetzustandLBL, *AusgangsbreiteLBL;
    QLineEdit* BitEdit;
    QComboBox* RSTCBox;
    QCheckBox *ResetCheckBox, *CLKCheckBox;
    class TCodestilGB* CodestilGB;
    QMenu* CodesVergeben1;
    QAction* SynthesePruefen1;
    QMenu* AutomatPopupMenu;
};

} // namespace korvalt

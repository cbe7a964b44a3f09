// The state-machine editor: one Moore or Mealy machine described in named
// identifier lists ("Vorgaben") and in grids (the three matrices, the
// transition table and, for Moore, the output table), over one tab bar. The
// current work is saved to and loaded from the workspace file in the
// program's folder. A view is stored into the model whenever it is left.
#pragma once

#include <QDialog>
#include <QTableWidget>
#include <functional>
#include <string>

#include "fsm/automat.h"

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

// The grid of the editor. CellTable row 0 is the horizontal header, so widget
// row r shows CellTable row r + 1; columns are the same. A fixed first column
// is an ordinary column that cannot be edited.
class TAutomatGrid : public QTableWidget {
    Q_OBJECT
  public:
    explicit TAutomatGrid(QWidget* parent);
    void SetTable(const CellTable& table);
    CellTable Table() const;
    // The current cell in CellTable numbering; row 0 when there is none.
    int CurrentTableCol() const { return currentColumn(); }
    int CurrentTableRow() const { return currentRow() + 1; }
    void SetCurrentTableCell(int col, int row) { setCurrentCell(row - 1, col); }
    // Commits an open cell editor, as leaving the cell would.
    void CommitEdit();
    // Sees every key typed into the grid or its cell editor; true drops it.
    std::function<bool(const QKeyEvent*)> KeyFilter;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    int fixedCols_ = 1;
    bool editable_ = true;
};

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

    TAutomat& Automat() { return Automat_; }
    const std::string& ProgramDir() const { return ProgramDir_; }
    const std::string& WorkingDir() const { return WorkingDir_; }
    TView View() const { return View_; }
    int CurrentTab() const { return shownTab_; }
    bool Modified() const { return Modified_; }
    void SetModified(bool modified) { Modified_ = modified; }
    QString StatusText() const;
    // Captions of the context menu for the grid's current cell.
    QStringList PopupCaptions() const;

  public slots:
    void Neu1Click();
    void aktuelleArbeit1Click();
    // False when the workspace file could not be written (the user was told why).
    bool Speichern1Click();
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
    // Saves the work and runs the checks; false (error window shown) when one fails.
    bool SaveAndCheck();

    TAutomat Automat_;
    TView View_ = ViewNone;
    bool Modified_ = false;
    std::string ProgramDir_, WorkingDir_;
    int shownTab_ = 0;
    int resetRow_ = -1;    // position of the reset state among the state lines shown
    bool filling_ = false; // controls are being filled by the program, not typed into
    bool closing_ = false;

    QMenuBar* MainMenu1;
    QAction *Neu1, *aktuelleArbeit1, *Speichern1, *Beenden2;
    QMenu *Statemaschine1, *Vorgaben1, *Bearbeiten1, *Automatenbeschreibung;
    QAction *Ausgangstabelle1, *Zustandsdiagramm1, *ErzeugeVHDLDatei1, *Hilfe1;
    QAction *TestbenchErzeugen1, *Simulieren1;
    QFrame* Panel2;
    QStatusBar* StatusBar1;
    QLabel* StatusLabel;
    QWidget* TabPanel;
    QTabBar* TabControl1;
    TAutomatGrid* AutomatGrid;
    TDiagramView* Zustandsdiagramm;
    QGroupBox* GB1;
    QPlainTextEdit* VarMemo;
    QFrame* Panel1;
    QLabel *Label1, *Label2, *Label3;
    QLineEdit* BitEdit;
    QComboBox* RSTCBox;
    QCheckBox *ResetCheckBox, *CLKCheckBox;
    QMenu* AutomatPopupMenu;
};

} // namespace korvalt

#include "gui/fsmeditor.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTabBar>
#include <QVBoxLayout>

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

const char* const VorgabenCaptions[] = {"Eingangssignale", "Ausgangssignale",
                                        "Automatenzust\u00e4nde", "Takt und Reset"};

} // namespace

TAutomatForm::TAutomatForm(QWidget* parent) : QDialog(parent) {
    setObjectName("AutomatForm");
    setWindowTitle("Automatenbeschreibung");
    UseDesignFont(this);
    CreateControls();
    CreateMenu();
    resize(582, 641);
    SetView(ViewNone, false);
}

TPart TAutomatForm::ShownPart() const {
    return PartOfTab(View_ == ViewTabellen, shownTab_);
}

TAutomatForm::~TAutomatForm() {
    // Focus changes while the children go must not reach this half-destroyed window.
    for (QObject* o : findChildren<QObject*>()) {
        o->removeEventFilter(this);
        o->disconnect(this);
    }
    AutomatGrid->KeyFilter = nullptr;
}

void TAutomatForm::Init(const std::string& programDir, const std::string& workingDir,
                        bool isMoore) {
    Doc_.ProgramDir = programDir;
    Doc_.WorkingDir = workingDir;
    Doc_.Automat.Moore = isMoore;
    SetView(ViewNone);
    UpdateCaption();
    RebuildRecentMenu();
    SetHelpContext(this, isMoore ? HelpMoore : HelpMealy);
    SetHelpContext(AutomatGrid, isMoore ? HelpMooreMatrizen : HelpMealyMatrizen);
}

QString TAutomatForm::StatusText() const {
    return StatusLabel->text();
}

void TAutomatForm::SetStatusText(const QString& text) {
    StatusLabel->setText(text);
}

void TAutomatForm::SetView(TView view, bool store) {
    SetStatusText("");
    if (store && view != View_) StoreShownView();
    View_ = view;
    TabPanel->setVisible(view != ViewNone);
    NamenGB->setVisible(view == ViewVorgaben);
    AutomatGrid->setVisible(view == ViewTabellen);
    Zustandsdiagramm->hide();
    FilterEdit->setVisible(view == ViewTabellen);
    // Generating stores the view shown first, so it serves from every view.
    ErzeugeVHDLDatei1->setEnabled(view != ViewNone);
    Speichern1->setEnabled(view != ViewNone);
    SpeichernUnter1->setEnabled(view != ViewNone);
    ExportKiss2->setEnabled(view != ViewNone);
    Statemaschine1->menuAction()->setEnabled(view != ViewNone);
    if (view != ViewNone) Ausgangstabelle1->setVisible(Doc_.Automat.Moore);
    const bool moore = Doc_.Automat.Moore;
    if (view == ViewVorgaben)
        SetHelpContext(AutomatGrid, moore ? HelpMooreMatrizen : HelpMealyMatrizen);
    if (view == ViewTabellen) {
        SetHelpContext(AutomatGrid, moore ? HelpMooreTabellen : HelpMealyTabellen);
        SetHelpContext(AutomatPopupMenu, moore ? HelpMooreTabellen : HelpMealyTabellen);
    }
    RebuildTabs();
}

void TAutomatForm::RebuildTabs() {
    QStringList tabs = {"Eingangsmatrix", "Ausgangsmatrix", "Zustandsmatrix"};
    if (View_ == ViewTabellen) {
        tabs << "Automatentabelle";
        if (Doc_.Automat.Moore) tabs << "Ausgangstabelle";
        tabs << "Zustandsdiagramm";
    } else {
        tabs << "Takt und Reset";
    }
    const QSignalBlocker block(TabControl1);
    const int index = View_ == ViewTabellen ? 0 : std::min<int>(shownTab_, 3);
    while (TabControl1->count() > 0)
        TabControl1->removeTab(0);
    for (const QString& t : tabs)
        TabControl1->addTab(t);
    TabControl1->setCurrentIndex(index);
}

bool TAutomatForm::UpdateMenus() {
    if (View_ == ViewVorgaben && VarMemo->document()->isModified()) StoreIdentifierView();
    const bool on = !Doc_.Automat.Eingangsmatrix.empty() && !Doc_.Automat.Ausgangsmatrix.empty() &&
                    !Doc_.Automat.Zustandsmatrix.empty();
    Bearbeiten1->menuAction()->setEnabled(on);
    Automatenbeschreibung->menuAction()->setEnabled(on);
    Zustandsdiagramm1->setEnabled(on);
    CodesVergeben1->menuAction()->setEnabled(View_ == ViewTabellen &&
                                             shownTab_ == TabZustandsmatrix);
    return on;
}

void TAutomatForm::CodesVergebenClick(TCodeArt art) {
    if (View_ != ViewTabellen || shownTab_ != TabZustandsmatrix) return;
    AutomatGrid->CommitEdit();
    const CellTable t = AssignCodes(AutomatGrid->Table(), art);
    history_.Record(lastTable_);
    Doc_.Modified = true;
    ShowGridTable(t);
}

TStrings TAutomatForm::MemoLines() const {
    // A last line end opens no line of its own, as in any list of names.
    const QString text = VarMemo->toPlainText();
    TStrings lines;
    if (text.isEmpty()) return lines;
    for (const QString& l : text.split(u'\n'))
        lines.push_back(FromQ(l));
    if (lines.back().empty()) lines.pop_back();
    return lines;
}

void TAutomatForm::SetMemoLines(const TStrings& lines) {
    QStringList text;
    for (const auto& l : lines)
        text << ToQ(l);
    filling_ = true;
    VarMemo->setPlainText(text.join(u'\n'));
    VarMemo->document()->setModified(false);
    filling_ = false;
}

void TAutomatForm::StoreIdentifierView() {
    TStrings lines = MemoLines();
    const TStrings typed = lines;
    // A narrower width drops the left bits of every pattern; when that loses a
    // 1 the user decides, and Nein keeps the old width.
    if (const int losing =
            PatternsLosingOnes(Doc_.Automat, ShownPart(), lines, FromQ(BitEdit->text()))) {
        const int width = AppliedWidth(lines, FromQ(BitEdit->text()));
        // A dropped - loses as much as a dropped 1: the machine's behaviour changes.
        bool dashes = false;
        for (const auto& line : lines)
            dashes = dashes || EntryBits(line).find('-') != std::string::npos;
        const QString lost = dashes ? "eine 1 oder ein -" : "eine 1";
        const QString text =
            losing == 1 ? QString::fromUtf8("Mit der Bitbreite %1 verliert 1 Bitmuster %2.")
                              .arg(width)
                              .arg(lost)
                        : QString::fromUtf8("Mit der Bitbreite %1 verlieren %2 Bitmuster %3.")
                              .arg(width)
                              .arg(losing)
                              .arg(lost);
        if (!Dialogs().AskYesNo(this, "Frage", text + QString::fromUtf8("\nBitbreite \u00e4ndern?"),
                                false))
            BitEdit->setText(QString::number(shownTab_ == TabEingangsmatrix
                                                 ? Doc_.Automat.Eingangsbitbreite
                                                 : Doc_.Automat.Ausgangsbitbreite));
    }
    const std::string reset = RSTCBox->currentIndex() >= 0 ? FromQ(RSTCBox->currentText()) : "";
    ApplyIdentifierLines(Doc_.Automat, ShownPart(), lines, FromQ(BitEdit->text()), reset,
                         ResetCheckBox->isChecked(), CLKCheckBox->isChecked());
    if (shownTab_ <= TabZustandsmatrix && lines != typed) SetMemoLines(lines);
    if (shownTab_ == TabZustandsmatrix) resetRow_ = RSTCBox->currentIndex();
    VarMemo->document()->setModified(false);
}

void TAutomatForm::StoreShownView() {
    if (View_ == ViewVorgaben) StoreIdentifierView();
    if (View_ == ViewTabellen && shownTab_ != TabDiagramm) {
        AutomatGrid->CommitEdit();
        StoreGrid(Doc_.Automat, ShownPart(), AutomatGrid->Table());
    }
}

void TAutomatForm::ShowVorgaben(int tab) {
    SetView(ViewVorgaben, false);
    shownTab_ = tab;
    {
        const QSignalBlocker block(TabControl1);
        TabControl1->setCurrentIndex(tab);
    }
    NamenGB->setTitle(QString::fromUtf8(VorgabenCaptions[tab]));
    const TIdentifierView v = ShowIdentifierList(Doc_.Automat, PartOfTab(false, tab));
    SetMemoLines(v.lines);
    VarMemo->setVisible(tab != TabTaktReset);
    filling_ = true;
    if (tab <= TabAusgangsmatrix) {
        BitEdit->setText(ToQ(v.widthText));
        SetHelpContext(BitEdit,
                       tab == TabEingangsmatrix ? HelpEingangsbitbreite : HelpAusgangsbitbreite);
    }
    if (tab == TabZustandsmatrix) {
        RSTCBox->clear();
        for (const auto& c : v.resetChoices)
            RSTCBox->addItem(ToQ(c));
        RSTCBox->setCurrentIndex(v.resetIndex);
        resetRow_ = v.resetIndex;
    }
    if (tab == TabTaktReset) {
        ResetCheckBox->setChecked(v.resetLow);
        CLKCheckBox->setChecked(v.clockLow);
        CodestilGB->SetOptionen(Doc_.Automat.Optionen, Doc_.Automat.Moore);
    }
    filling_ = false;
    EingangsbreiteLBL->setVisible(tab == TabEingangsmatrix);
    AusgangsbreiteLBL->setVisible(tab == TabAusgangsmatrix);
    BitEdit->setVisible(tab <= TabAusgangsmatrix);
    const bool reset = tab == TabZustandsmatrix && Doc_.Automat.Moore;
    ResetzustandLBL->setVisible(reset);
    RSTCBox->setVisible(reset);
    ResetCheckBox->setVisible(tab == TabTaktReset);
    CLKCheckBox->setVisible(tab == TabTaktReset);
    CodestilGB->setVisible(tab == TabTaktReset);
    // Typing goes straight into the name list.
    if (tab != TabTaktReset && isVisible()) VarMemo->setFocus();
}

void TAutomatForm::ShowTabellen(int tab) {
    if (tab == TabAusgangstabelle && !Doc_.Automat.Moore) return;
    SetView(ViewTabellen, false);
    shownTab_ = tab;
    {
        const QSignalBlocker block(TabControl1);
        TabControl1->setCurrentIndex(tab);
    }
    bool modified = false;
    const CellTable t = BuildGrid(Doc_.Automat, PartOfTab(true, tab), modified);
    if (modified) Doc_.Modified = true;
    AutomatGrid->BitChars = QString::fromLatin1(PatternChars(PartOfTab(true, tab)));
    history_.Clear(); // undo goes back no further than the view shown
    pinnedRows_.clear();
    ShowGridTable(t);
    AutomatGrid->SetCurrentTableCell(t.ColCount() > t.FixedCols ? t.FixedCols : 0, 1);
    AutomatGrid->setFocus();
}

// Lays out the stored model; the diagram never changes it.
void TAutomatForm::ShowDiagramm() {
    SetView(ViewTabellen, false);
    shownTab_ = TabDiagramm;
    {
        const QSignalBlocker block(TabControl1);
        TabControl1->setCurrentIndex(TabControl1->count() - 1);
    }
    AutomatGrid->hide();
    Zustandsdiagramm->show();
    Zustandsdiagramm->ShowAutomat(Doc_.Automat, Doc_.WorkingDir, ProposedName(".svg"));
    Zustandsdiagramm->setFocus();
}

void TAutomatForm::ZustandsdiagrammClick() {
    StoreShownView();
    ShowDiagramm();
}

// A double-clicked state or arrow: its rows selected in the Automatentabelle.
void TAutomatForm::DiagrammDoubleClick(int node, int edge) {
    TabellenClick(TabAutomatentabelle);
    SelectTableRows(AutomatGrid, Zustandsdiagramm->TableRows(node, edge, AutomatGrid->Table()));
}

// Menu entries store the view shown even when they stay in the same view
// family, so that switching matrices through the menu never drops edits.
void TAutomatForm::VorgabenClick(int tab) {
    StoreShownView();
    ShowVorgaben(tab);
}

void TAutomatForm::TabellenClick(int tab) {
    StoreShownView();
    ShowTabellen(tab);
}

void TAutomatForm::TabControl1Change(int tab) {
    if (tab < 0 || View_ == ViewNone) return;
    StoreShownView();
    if (View_ == ViewTabellen && tab == TabControl1->count() - 1)
        ShowDiagramm();
    else if (View_ == ViewVorgaben)
        ShowVorgaben(tab);
    else
        ShowTabellen(tab);
}

void TAutomatForm::StepTab(int step) {
    const int count = TabControl1->count();
    if (View_ == ViewNone || count == 0) return;
    TabControl1->setCurrentIndex((TabControl1->currentIndex() + step + count) % count);
}

void TAutomatForm::ShowGridTable(const CellTable& table) {
    {
        const QSignalBlocker block(AutomatGrid);
        AutomatGrid->SetTable(table);
    }
    lastTable_ = table;
    ApplyFilter();
}

// Every change of a cell by the user is one step to undo.
void TAutomatForm::GridEdited() {
    if (View_ != ViewTabellen) return;
    history_.Record(lastTable_);
    lastTable_ = AutomatGrid->Table();
    Doc_.Modified = true;
}

void TAutomatForm::UndoGridEdit(bool redo) {
    if (View_ != ViewTabellen) return;
    AutomatGrid->CommitEdit();
    CellTable t = AutomatGrid->Table();
    const int col = AutomatGrid->CurrentTableCol(), row = AutomatGrid->CurrentTableRow();
    if (!(redo ? history_.Redo(t) : history_.Undo(t))) return;
    Doc_.Modified = true;
    pinnedRows_.clear(); // the rows shown follow the filter again
    ShowGridTable(t);
    AutomatGrid->SetCurrentTableCell(col, std::min(row, t.RowCount() - 1));
}

void TAutomatForm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (width() < VarMemo->width() || height() < MinHeight)
        resize(std::max(width(), VarMemo->width()), std::max(height(), MinHeight));
}

bool TAutomatForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == VarMemo && event->type() == QEvent::KeyPress)
        return VarMemoKeyPress(static_cast<QKeyEvent*>(event));
    if (watched == VarMemo && event->type() == QEvent::FocusOut) UpdateMenus();
    if (watched == BitEdit && event->type() == QEvent::KeyPress)
        BitEditKeyPress(static_cast<QKeyEvent*>(event));
    return QDialog::eventFilter(watched, event);
}

void TAutomatForm::RaiseBitEdit() {
    if (const auto width = RaisedWidth(MemoLines(), FromQ(BitEdit->text())))
        BitEdit->setText(QString::number(*width));
}

bool TAutomatForm::VarMemoKeyPress(const QKeyEvent* e) {
    if (!KeepsDuplicateWarning(e)) UpdateNameStatus();
    if (!TypesCharacter(e)) return false;
    Doc_.Modified = true;
    RaiseBitEdit(); // counts the lines before this key takes effect
    if (IsEnter(e) || e->key() == Qt::Key_Backspace) return false;
    const QString text = e->text();
    return !(text.size() == 1 && IsNameChar(text[0]));
}

void TAutomatForm::BitEditKeyPress(const QKeyEvent* e) {
    if (!TypesCharacter(e)) return;
    Doc_.Modified = true;
    if (IsEnter(e)) RaiseBitEdit();
}

// Any change of the names (typing, paste, cut, undo, Delete) is unsaved work.
// The reset choices follow the lines. While the states keep their number (a
// rename), the reset state keeps its place; otherwise the first state is
// chosen, unless the user picks another.
void TAutomatForm::VarMemoChange() {
    if (filling_) return;
    Doc_.Modified = true;
    const bool hadChoices = RSTCBox->count() > 0;
    const TStrings lines = MemoLines();
    RSTCBox->clear();
    for (const auto& line : lines)
        RSTCBox->addItem(ToQ(line));
    const bool renamed = shownTab_ == TabZustandsmatrix && resetRow_ >= 0 &&
                         lines.size() == Doc_.Automat.Zustandsmatrix.size() &&
                         resetRow_ < RSTCBox->count();
    RSTCBox->setCurrentIndex(renamed ? resetRow_ : hadChoices && RSTCBox->count() > 0 ? 0 : -1);
}

bool TAutomatForm::AutomatGridKeyPress(const QKeyEvent* e) {
    if (!TypesCharacter(e)) return false;
    Doc_.Modified = true;
    if (View_ != ViewTabellen) return false;
    if (shownTab_ <= TabZustandsmatrix) {
        if (IsEnter(e)) return false;
        // A typed bit is the cell's content at once, so undo and redo act on the grid.
        if (e->text().size() == 1 && AutomatGrid->BitChars.contains(e->text()[0]))
            AutomatGrid->SetCurrentText(e->text());
        return true;
    }
    // An open cell editor takes the key; Enter there commits the typed name.
    if (AutomatGrid->Editing()) return false;
    if (IsEnter(e)) {
        AutomatGridPopup(QCursor::pos());
        return true;
    }
    // A letter or digit starts typing a name into a cell that takes one.
    const QString text = e->text();
    return !(NameCell(Doc_.Automat, ShownPart(), AutomatGrid->CurrentTableCol()) &&
             text.size() == 1 && IsNameChar(text[0]));
}

std::vector<TPopupItem> TAutomatForm::CurrentPopupItems() const {
    if (View_ != ViewTabellen || AutomatGrid->CurrentTableRow() < 1) return {};
    return PopupItems(Doc_.Automat, ShownPart(), AutomatGrid->Table(),
                      AutomatGrid->CurrentTableCol(), AutomatGrid->CurrentTableRow());
}

QStringList TAutomatForm::PopupCaptions() const {
    QStringList captions;
    for (const auto& item : CurrentPopupItems()) {
        switch (item.action) {
        case TPopupAction::InsertRow:
            captions << "Zeile &einfügen";
            break;
        case TPopupAction::DeleteRow:
            captions << "Zeile &löschen";
            break;
        case TPopupAction::ClearCell:
            captions << "Feld &löschen";
            break;
        case TPopupAction::EnterName:
            captions << ToQ(item.name);
            break;
        }
    }
    return captions;
}

void TAutomatForm::AutomatGridPopup(const QPoint& globalPos) {
    const auto items = CurrentPopupItems();
    if (items.empty()) return;
    AutomatPopupMenu->clear();
    const QStringList captions = PopupCaptions();
    for (int i = 0; i < captions.size(); ++i)
        AutomatPopupMenu->addAction(captions[i])->setData(i);
    QAction* chosen = Dialogs().PopupMenu(AutomatPopupMenu, globalPos);
    if (!chosen) return;
    Doc_.Modified = true;
    const int col = AutomatGrid->CurrentTableCol(), row = AutomatGrid->CurrentTableRow();
    CellTable t = AutomatGrid->Table();
    const TPopupItem& item = items[static_cast<std::size_t>(chosen->data().toInt())];
    const int rowsBefore = t.RowCount();
    ApplyPopupItem(t, col, row, item);
    // The rows pinned below a row inserted or deleted move with it.
    if (t.RowCount() != rowsBefore) {
        const int shift = t.RowCount() - rowsBefore, from = shift > 0 ? row + 1 : row;
        std::erase(pinnedRows_, shift < 0 ? row : -1);
        for (int& r : pinnedRows_)
            if (r >= from) r += shift;
        if (shift > 0) pinnedRows_.push_back(row + 1);
    }
    history_.Record(lastTable_);
    ShowGridTable(t);
    AutomatGrid->SetCurrentTableCell(col, row);
}

} // namespace korvalt

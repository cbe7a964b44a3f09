#include "gui/fsmeditor.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QCursor>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSettings>
#include <QStatusBar>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QVBoxLayout>
#include <QValidator>

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
#include "gui/qtext.h"
#include "gui/simulationwindow.h"
#include "gui/synthesiswindow.h"

namespace korvalt {

namespace {

constexpr int MemoWidth = 230;
constexpr int MinHeight = 300;
// Tab numbers of the editor. Tab 3 is "Takt und Reset" among the identifier
// lists and "Automatentabelle" among the grids; tab 4 exists for grids only.
// The diagram tab comes last among the grids; it stores nothing when left.
enum : int {
    TabEingangsmatrix = 0,
    TabAusgangsmatrix = 1,
    TabZustandsmatrix = 2,
    TabTaktReset = 3,
    TabAutomatentabelle = 3,
    TabAusgangstabelle = 4,
    TabDiagramm = 5,
};

// The part of the description a tab of the view family shows.
TPart PartOfTab(bool grids, int tab) {
    if (tab <= TabZustandsmatrix) return static_cast<TPart>(tab);
    if (!grids) return TPart::TaktReset;
    return tab == TabAutomatentabelle ? TPart::Automatentabelle : TPart::Ausgangstabelle;
}

bool IsEnter(const QKeyEvent* e) {
    return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}

// A key that types a character; shortcuts and keys such as Escape, Tab or Delete do not.
bool TypesCharacter(const QKeyEvent* e) {
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    if (IsEnter(e) || e->key() == Qt::Key_Backspace) return true;
    const QString text = e->text();
    return !text.isEmpty() && text[0].isPrint();
}

bool IsNameChar(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

// Keys that leave the duplicate warning as it is: digits, letters, keypad 1-9
// and operators, F1-F11. Every other key (Enter, Backspace, cursor keys...) checks.
bool KeepsDuplicateWarning(const QKeyEvent* e) {
    const int k = e->key();
    const bool keypad = e->modifiers() & Qt::KeypadModifier;
    if (k >= Qt::Key_A && k <= Qt::Key_Z) return true;
    if (k >= Qt::Key_F1 && k <= Qt::Key_F11) return true;
    if (k >= Qt::Key_0 && k <= Qt::Key_9) return !(keypad && k == Qt::Key_0);
    return keypad && (k == Qt::Key_Asterisk || k == Qt::Key_Plus || k == Qt::Key_Minus ||
                      k == Qt::Key_Period || k == Qt::Key_Comma || k == Qt::Key_Slash);
}

// Pasted text is held to what can be typed: letters, digits and line ends.
class TVarMemo : public QPlainTextEdit {
  public:
    using QPlainTextEdit::QPlainTextEdit;

  protected:
    void insertFromMimeData(const QMimeData* source) override {
        QString text;
        for (QChar c : source->text())
            if (IsNameChar(c) || c == u'\n') text += c;
        insertPlainText(text);
    }
};

// Only matrix cells can be edited, and they hold bits: text pasted into a cell
// editor (Ctrl+V or its own context menu) keeps only the 0 and 1 that keys allow.
class TBitsValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override {
        const auto before = input.size();
        input.remove(QRegularExpression("[^01]"));
        pos = std::clamp<int>(pos - static_cast<int>(before - input.size()), 0,
                              static_cast<int>(input.size()));
        return Acceptable;
    }
};

class TGridDelegate : public QStyledItemDelegate {
  public:
    TGridDelegate(TAutomatGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        auto* line = qobject_cast<QLineEdit*>(editor);
        if (!line) return editor;
        if (const auto names = Names(index)) {
            QStringList list;
            for (const auto& n : *names)
                list << ToQ(n);
            auto* completer = new QCompleter(list, line);
            completer->setCaseSensitivity(Qt::CaseInsensitive);
            line->setCompleter(completer);
        } else {
            line->setValidator(new TBitsValidator(line));
        }
        return editor;
    }
    // A name cell takes only a name it offers; a refused text leaves the cell as it was.
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        const auto names = Names(index);
        auto* line = qobject_cast<QLineEdit*>(editor);
        if (!names || !line) return QStyledItemDelegate::setModelData(editor, model, index);
        const QString typed = line->text().trimmed();
        if (const auto name = ResolveTypedName(*names, FromQ(typed)))
            model->setData(index, ToQ(*name));
        else if (grid_->NameRefused)
            grid_->NameRefused(typed);
    }

  protected:
    bool eventFilter(QObject* editor, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && grid_->KeyFilter &&
            grid_->KeyFilter(static_cast<QKeyEvent*>(event)))
            return true;
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) &&
                grid_->StepBitCell(key == Qt::Key_Tab))
                return true;
        }
        return QStyledItemDelegate::eventFilter(editor, event);
    }

  private:
    std::optional<TStrings> Names(const QModelIndex& index) const {
        if (!grid_->NameColumn || !grid_->NameColumn(index.column())) return std::nullopt;
        return grid_->CellNamesAt(index.column(), index.row() + 1);
    }
    TAutomatGrid* grid_;
};

constexpr int RecentCount = 5;

QSettings UserSettings() {
    return QSettings(QSettings::UserScope, "Korvalt", "Korvalt");
}

QString RecentKey(bool moore) {
    return moore ? "Automat/ZuletztMoore" : "Automat/ZuletztMealy";
}

const char* const DescriptionFilter = "Automatenbeschreibung (*.txt)";

const char* const VorgabenCaptions[] = {"Eingangssignale", "Ausgangssignale",
                                        "Automatenzust\u00e4nde", "Takt und Reset"};

} // namespace

TAutomatGrid::TAutomatGrid(QWidget* parent) : QTableWidget(parent) {
    setItemDelegate(new TGridDelegate(this));
    verticalHeader()->hide();
    horizontalHeader()->setDefaultSectionSize(80);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    verticalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(DoubleClicked | EditKeyPressed | AnyKeyPressed);
    setShowGrid(true);
}

void TAutomatGrid::SetTable(const CellTable& table) {
    fixedCols_ = table.FixedCols;
    editable_ = table.Editable;
    setColumnCount(table.ColCount());
    setRowCount(std::max(table.RowCount() - 1, 0));
    for (int c = 0; c < table.ColCount(); ++c) {
        setHorizontalHeaderItem(c, new QTableWidgetItem(ToQ(table.Cell(c, 0))));
        for (int r = 1; r < table.RowCount(); ++r) {
            auto* item = new QTableWidgetItem(ToQ(table.Cell(c, r)));
            const bool fixed = c < fixedCols_;
            const bool named = !fixed && NameColumn && NameColumn(c);
            if ((!editable_ && !named) || fixed)
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            if (fixed) item->setBackground(palette().button());
            setItem(r - 1, c, item);
        }
    }
    // Wide enough for the headers and the names shown, and for a name picked later.
    resizeColumnsToContents();
    for (int c = 0; c < columnCount(); ++c)
        setColumnWidth(c, std::max(columnWidth(c), 64));
}

CellTable TAutomatGrid::Table() const {
    CellTable t;
    t.SetSize(columnCount(), rowCount() + 1);
    t.FixedCols = fixedCols_;
    t.Editable = editable_;
    for (int c = 0; c < columnCount(); ++c) {
        if (const auto* h = horizontalHeaderItem(c)) t.SetCell(c, 0, FromQ(h->text()));
        for (int r = 0; r < rowCount(); ++r)
            if (const auto* i = item(r, c)) t.SetCell(c, r + 1, FromQ(i->text()));
    }
    return t;
}

void TAutomatGrid::CommitEdit() {
    if (state() != QAbstractItemView::EditingState) return;
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void TAutomatGrid::SetCurrentText(const QString& text) {
    if (QWidget* editor = indexWidget(currentIndex()))
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    if (QTableWidgetItem* i = currentItem(); i && (i->flags() & Qt::ItemIsEditable))
        i->setText(text);
}

// Only the grids of bits can be typed into; their name column is skipped.
QModelIndex TAutomatGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    if (!editable_ || (action != MoveNext && action != MovePrevious))
        return QTableWidget::moveCursor(action, modifiers);
    const int step = action == MoveNext ? 1 : -1;
    const int first = fixedCols_, last = columnCount() - 1;
    int row = currentRow(), col = currentColumn() + step;
    if (row < 0 || last < first) return {};
    if (col < first || col > last) {
        col = step > 0 ? first : last;
        row += step;
    }
    while (row >= 0 && row < rowCount() && isRowHidden(row))
        row += step;
    if (row < 0 || row >= rowCount()) return {};
    return model()->index(row, col);
}

bool TAutomatGrid::StepBitCell(bool forward) {
    if (!editable_) return false;
    CommitEdit();
    const QModelIndex to = moveCursor(forward ? MoveNext : MovePrevious, Qt::NoModifier);
    if (!to.isValid()) return QWidget::focusNextPrevChild(forward);
    setCurrentIndex(to);
    return true;
}

bool TAutomatGrid::focusNextPrevChild(bool next) {
    return StepBitCell(next) || QTableWidget::focusNextPrevChild(next);
}

void TAutomatGrid::keyPressEvent(QKeyEvent* event) {
    if (KeyFilter && KeyFilter(event)) {
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

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

void TAutomatForm::CreateControls() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    HintergrundPNL = new QFrame(this);
    HintergrundPNL->setObjectName("HintergrundPNL");
    layout->addWidget(HintergrundPNL, 1);
    auto* panel2Layout = new QVBoxLayout(HintergrundPNL);
    panel2Layout->setContentsMargins(0, 0, 0, 0);

    TabPanel = new QWidget(HintergrundPNL);
    TabPanel->setObjectName("TabPanel");
    panel2Layout->addWidget(TabPanel);
    auto* tabLayout = new QVBoxLayout(TabPanel);
    tabLayout->setContentsMargins(2, 2, 2, 2);
    tabLayout->setSpacing(0);
    TabControl1 = new QTabBar(TabPanel);
    TabControl1->setObjectName("TabControl1");
    TabControl1->setExpanding(false);
    tabLayout->addWidget(TabControl1);
    connect(TabControl1, &QTabBar::currentChanged, this, &TAutomatForm::TabControl1Change);
    FilterEdit = new QLineEdit(TabPanel);
    FilterEdit->setObjectName("FilterEdit");
    FilterEdit->setPlaceholderText("Zeilen filtern");
    FilterEdit->setClearButtonEnabled(true);
    SetHelpContext(FilterEdit, 2170);
    connect(FilterEdit, &QLineEdit::textChanged, this, &TAutomatForm::ApplyFilter);
    tabLayout->addWidget(FilterEdit);

    AutomatGrid = new TAutomatGrid(TabPanel);
    AutomatGrid->setObjectName("AutomatGrid");
    AutomatGrid->setContextMenuPolicy(Qt::CustomContextMenu);
    AutomatGrid->KeyFilter = [this](const QKeyEvent* e) { return AutomatGridKeyPress(e); };
    AutomatGrid->NameColumn = [this](int col) {
        return View_ == ViewTabellen && NameCell(Automat_, ShownPart(), col);
    };
    AutomatGrid->CellNamesAt = [this](int col, int row) {
        return CellNames(Automat_, ShownPart(), AutomatGrid->Table(), col, row);
    };
    AutomatGrid->NameRefused = [this](const QString& typed) {
        SetStatusText("Kein angebotener Name: " + typed);
    };
    connect(AutomatGrid, &QTableWidget::itemChanged, this, &TAutomatForm::GridEdited);
    connect(AutomatGrid, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        AutomatGridPopup(AutomatGrid->viewport()->mapToGlobal(pos));
    });
    tabLayout->addWidget(AutomatGrid, 1);
    Zustandsdiagramm = new TDiagramView(TabPanel);
    Zustandsdiagramm->hide();
    connect(Zustandsdiagramm, &TDiagramView::ItemDoubleClicked, this,
            &TAutomatForm::DiagrammDoubleClick);
    tabLayout->addWidget(Zustandsdiagramm, 1);

    NamenGB = new QGroupBox(TabPanel);
    NamenGB->setObjectName("NamenGB");
    tabLayout->addWidget(NamenGB, 1);
    auto* gbLayout = new QHBoxLayout(NamenGB);
    gbLayout->setContentsMargins(0, 0, 0, 0);
    gbLayout->setSpacing(0);
    VarMemo = new TVarMemo(NamenGB);
    VarMemo->setObjectName("VarMemo");
    VarMemo->setFixedWidth(MemoWidth);
    VarMemo->setTabChangesFocus(true);
    VarMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    SetHelpContext(VarMemo, 2100);
    VarMemo->installEventFilter(this);
    connect(VarMemo, &QPlainTextEdit::textChanged, this, &TAutomatForm::VarMemoChange);
    gbLayout->addWidget(VarMemo);
    SeitenPNL = new QFrame(NamenGB);
    SeitenPNL->setObjectName("SeitenPNL");
    SetHelpContext(SeitenPNL, 2000);
    gbLayout->addWidget(SeitenPNL, 1);

    auto label = [this](const char* name, const char* text) {
        auto* l = new QLabel(text, SeitenPNL);
        l->setObjectName(name);
        l->setGeometry(8, 16, 150, 17);
        return l;
    };
    EingangsbreiteLBL = label("EingangsbreiteLBL", "Eingangsbitbreite:");
    AusgangsbreiteLBL = label("AusgangsbreiteLBL", "Ausgangsbitbreite:");
    ResetzustandLBL = label("ResetzustandLBL", "Resetzustand:");
    BitEdit = new QLineEdit(SeitenPNL);
    BitEdit->setObjectName("BitEdit");
    BitEdit->setGeometry(8, 36, 100, 21);
    BitEdit->installEventFilter(this);
    RSTCBox = new QComboBox(SeitenPNL);
    RSTCBox->setObjectName("RSTCBox");
    RSTCBox->setEditable(false);
    RSTCBox->setGeometry(8, 36, 150, 21);
    SetHelpContext(RSTCBox, 2110);
    // A choice or a switch changed by the user is unsaved work like a typed key.
    connect(RSTCBox, &QComboBox::activated, this, [this](int index) {
        Modified_ = true;
        resetRow_ = index;
        if (index >= 0) Automat_.Resetzustand = FromQ(RSTCBox->itemText(index));
    });
    ResetCheckBox = new QCheckBox("Reset L-aktiv (0)", SeitenPNL);
    ResetCheckBox->setObjectName("ResetCheckBox");
    ResetCheckBox->setGeometry(8, 16, 200, 17);
    SetHelpContext(ResetCheckBox, 2120);
    CLKCheckBox = new QCheckBox("&Takt L-aktiv (0)", SeitenPNL);
    CLKCheckBox->setObjectName("CLKCheckBox");
    CLKCheckBox->setGeometry(8, 40, 200, 17);
    SetHelpContext(CLKCheckBox, 2130);
    for (QCheckBox* box : {ResetCheckBox, CLKCheckBox})
        connect(box, &QCheckBox::clicked, this, [this] { Modified_ = true; });
    // The options are kept with the machine as soon as they change.
    CodestilGB = new TCodestilGB(SeitenPNL);
    CodestilGB->setGeometry(8, 68, 330, 150);
    connect(CodestilGB, &TCodestilGB::Changed, this, [this](const TOptionen& o) {
        Modified_ = true;
        Automat_.Optionen = o;
    });

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    StatusLabel = new QLabel(StatusBar1);
    StatusLabel->setObjectName("StatusText");
    StatusBar1->addWidget(StatusLabel, 1);
    layout->addWidget(StatusBar1);

    AutomatPopupMenu = new QMenu(this);
    AutomatPopupMenu->setObjectName("AutomatPopupMenu");
}

void TAutomatForm::CreateMenu() {
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName("MainMenu1");
    layout()->setMenuBar(MainMenu1);
    auto action = [this](QMenu* menu, const char* caption, const char* name, int context) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(name);
        if (context) SetHelpContext(a, context);
        return a;
    };
    auto submenu = [this](QMenu* parent, const char* caption, const char* name, int context) {
        QMenu* m = parent ? parent->addMenu(caption) : MainMenu1->addMenu(caption);
        m->setObjectName(name);
        m->menuAction()->setObjectName(QString(name) + "Item");
        if (context) {
            SetHelpContext(m, context);
            SetHelpContext(m->menuAction(), context);
        }
        return m;
    };

    QMenu* datei = submenu(nullptr, "&Datei", "Beenden1", 0);
    Neu1 = action(datei, "&Neu", "Neu1", 0);
    Neu1->setShortcut(QKeySequence("Ctrl+N"));
    datei->addSeparator();
    aktuelleArbeit1 = action(datei, "&aktuelle Arbeit laden", "aktuelleArbeit1", 2020);
    Oeffnen1 = action(datei, "&\u00d6ffnen\u2026", "Oeffnen1", 2160);
    Oeffnen1->setShortcut(QKeySequence("Ctrl+O"));
    Zuletzt1 = submenu(datei, "&Zuletzt ge\u00f6ffnet", "Zuletzt1", 2160);
    Speichern1 = action(datei, "&Speichern", "Speichern1", 0);
    Speichern1->setShortcut(QKeySequence("Ctrl+S"));
    SpeichernUnter1 = action(datei, "Speichern &unter\u2026", "SpeichernUnter1", 2160);
    connect(Oeffnen1, &QAction::triggered, this, &TAutomatForm::Oeffnen1Click);
    connect(SpeichernUnter1, &QAction::triggered, this, &TAutomatForm::SpeichernUnter1Click);
    datei->addSeparator();
    Beenden2 = action(datei, "Be&enden", "Beenden2", 0);
    connect(Neu1, &QAction::triggered, this, &TAutomatForm::Neu1Click);
    connect(aktuelleArbeit1, &QAction::triggered, this, &TAutomatForm::aktuelleArbeit1Click);
    connect(Speichern1, &QAction::triggered, this, &TAutomatForm::Speichern1Click);
    connect(Beenden2, &QAction::triggered, this, &TAutomatForm::Beenden2Click);

    Statemaschine1 = submenu(nullptr, "&Statemaschine", "Statemaschine1", 0);
    connect(Statemaschine1, &QMenu::aboutToShow, this, &TAutomatForm::UpdateMenus);
    Vorgaben1 = submenu(Statemaschine1, "&Vorgaben", "Vorgaben1", 2030);
    const char* vorgaben[][2] = {{"&Eingangsmatrix", "Eingangsmatrix1"},
                                 {"&Ausgangsmatrix", "Ausgangsmatrix1"},
                                 {"&Zustandsmatrix", "Zustandsmatrix1"},
                                 {"Takt und Reset", "CLKRST"}};
    for (int tab = 0; tab < 4; ++tab)
        connect(action(Vorgaben1, vorgaben[tab][0], vorgaben[tab][1], 2030), &QAction::triggered,
                this, [this, tab] { VorgabenClick(tab); });
    Bearbeiten1 = submenu(Statemaschine1, "&Matrix Bearbeiten", "Bearbeiten1", 2040);
    const char* matrizen[][2] = {{"&Eingangsmatrix", "Eingangsmatrix2"},
                                 {"&Ausgangsmatrix", "Ausgangsmatrix2"},
                                 {"&Zustandsmatrix", "Zustandsmatrix2"}};
    for (int tab = 0; tab < 3; ++tab)
        connect(action(Bearbeiten1, matrizen[tab][0], matrizen[tab][1], 2040), &QAction::triggered,
                this, [this, tab] { TabellenClick(tab); });
    // Fills the state matrix's grid shown, as one edit that undo takes back.
    CodesVergeben1 = submenu(Statemaschine1, "&Codes vergeben", "CodesVergeben1", 2045);
    struct TCodeItem {
        const char *caption, *name;
        TCodeArt art;
    };
    for (const TCodeItem& c : {TCodeItem{"&Bin\u00e4r", "CodesBinaer1", TCodeArt::Binaer},
                               TCodeItem{"&Gray", "CodesGray1", TCodeArt::Gray},
                               TCodeItem{"&One-Hot", "CodesOneHot1", TCodeArt::OneHot}})
        connect(action(CodesVergeben1, c.caption, c.name, 2045), &QAction::triggered, this,
                [this, art = c.art] { CodesVergebenClick(art); });
    Automatenbeschreibung =
        submenu(Statemaschine1, "Automaten&beschreibung", "Automatenbeschreibung", 2050);
    connect(action(Automatenbeschreibung, "Automaten&tabelle", "Automatentabelle1", 2050),
            &QAction::triggered, this, [this] { TabellenClick(TabAutomatentabelle); });
    Ausgangstabelle1 = action(Automatenbeschreibung, "&Ausgangstabelle", "Ausgangstabelle1", 2050);
    connect(Ausgangstabelle1, &QAction::triggered, this,
            [this] { TabellenClick(TabAusgangstabelle); });
    Zustandsdiagramm1 = action(Statemaschine1, "&Zustandsdiagramm", "Zustandsdiagramm1", 2070);
    connect(Zustandsdiagramm1, &QAction::triggered, this, &TAutomatForm::ZustandsdiagrammClick);
    ErzeugeVHDLDatei1 = action(Statemaschine1, "&Erzeuge VHDL-Datei", "ErzeugeVHDLDatei1", 2060);
    ErzeugeVHDLDatei1->setShortcut(QKeySequence(Qt::Key_F5));
    connect(ErzeugeVHDLDatei1, &QAction::triggered, this, &TAutomatForm::ErzeugeVHDLDatei1Click);
    // Both need what "Erzeuge VHDL-Datei" needs, so they are enabled with it.
    TestbenchErzeugen1 = action(Statemaschine1, "&Testbench erzeugen", "TestbenchErzeugen1", 2080);
    Simulieren1 = action(Statemaschine1, "&Simulieren", "Simulieren1", 2090);
    for (QAction* a : {TestbenchErzeugen1, Simulieren1})
        connect(ErzeugeVHDLDatei1, &QAction::enabledChanged, a, &QAction::setEnabled);
    connect(TestbenchErzeugen1, &QAction::triggered, this, &TAutomatForm::TestbenchErzeugen1Click);
    connect(Simulieren1, &QAction::triggered, this, &TAutomatForm::Simulieren1Click);
    SynthesePruefen1 = action(Statemaschine1, "Synthese &pr\u00fcfen", "SynthesePruefen1", 2095);
    connect(ErzeugeVHDLDatei1, &QAction::enabledChanged, SynthesePruefen1, &QAction::setEnabled);
    connect(SynthesePruefen1, &QAction::triggered, this, [this] {
        if (SaveAndCheck()) OpenSynthese(this, ReadMachine(Automat_));
    });

    // Keyboard habits of a desktop editor; no mnemonics, so no Alt key changes.
    Statemaschine1->addSeparator();
    Rueckgaengig1 = action(Statemaschine1, "R\u00fcckg\u00e4ngig", "Rueckgaengig1", 2180);
    Rueckgaengig1->setShortcut(QKeySequence("Ctrl+Z"));
    Wiederherstellen1 = action(Statemaschine1, "Wiederherstellen", "Wiederherstellen1", 2180);
    Wiederherstellen1->setShortcut(QKeySequence("Ctrl+Y"));
    NaechsterTab1 = action(Statemaschine1, "N\u00e4chste Registerkarte", "NaechsterTab1", 2180);
    NaechsterTab1->setShortcut(QKeySequence("Ctrl+Tab"));
    VorherigerTab1 = action(Statemaschine1, "Vorherige Registerkarte", "VorherigerTab1", 2180);
    VorherigerTab1->setShortcuts(
        {QKeySequence("Ctrl+Shift+Tab"), QKeySequence("Ctrl+Shift+Backtab")});
    for (QAction* a : {Rueckgaengig1, Wiederherstellen1, NaechsterTab1, VorherigerTab1})
        a->setShortcutContext(Qt::WindowShortcut);
    connect(Rueckgaengig1, &QAction::triggered, this, [this] { UndoGridEdit(false); });
    connect(Wiederherstellen1, &QAction::triggered, this, [this] { UndoGridEdit(true); });
    connect(NaechsterTab1, &QAction::triggered, this, [this] { StepTab(1); });
    connect(VorherigerTab1, &QAction::triggered, this, [this] { StepTab(-1); });

    Hilfe1 = MainMenu1->addAction("&Hilfe");
    Hilfe1->setObjectName("Hilfe1");
    SetHelpContext(Hilfe1, 2000);
    connect(Hilfe1, &QAction::triggered, this, &TAutomatForm::Hilfe1Click);
}

void TAutomatForm::Init(const std::string& programDir, const std::string& workingDir,
                        bool isMoore) {
    ProgramDir_ = programDir;
    WorkingDir_ = workingDir;
    Automat_.Moore = isMoore;
    SetView(ViewNone);
    UpdateCaption();
    RebuildRecentMenu();
    SetHelpContext(this, isMoore ? 3000 : 4000);
    SetHelpContext(AutomatGrid, isMoore ? 3100 : 4100);
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
    Statemaschine1->menuAction()->setEnabled(view != ViewNone);
    if (view != ViewNone) Ausgangstabelle1->setVisible(Automat_.Moore);
    const int kind = Automat_.Moore ? 3000 : 4000;
    if (view == ViewVorgaben) SetHelpContext(AutomatGrid, kind + 100);
    if (view == ViewTabellen) {
        SetHelpContext(AutomatGrid, kind + 110);
        SetHelpContext(AutomatPopupMenu, kind + 110);
    }
    RebuildTabs();
}

void TAutomatForm::RebuildTabs() {
    QStringList tabs = {"Eingangsmatrix", "Ausgangsmatrix", "Zustandsmatrix"};
    if (View_ == ViewTabellen) {
        tabs << "Automatentabelle";
        if (Automat_.Moore) tabs << "Ausgangstabelle";
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
    const bool on = !Automat_.Eingangsmatrix.empty() && !Automat_.Ausgangsmatrix.empty() &&
                    !Automat_.Zustandsmatrix.empty();
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
    Modified_ = true;
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
            PatternsLosingOnes(Automat_, ShownPart(), lines, FromQ(BitEdit->text()))) {
        const int width = AppliedWidth(lines, FromQ(BitEdit->text()));
        const QString text =
            losing == 1
                ? QString::fromUtf8("Mit der Bitbreite %1 verliert 1 Bitmuster eine 1.").arg(width)
                : QString::fromUtf8("Mit der Bitbreite %1 verlieren %2 Bitmuster eine 1.")
                      .arg(width)
                      .arg(losing);
        if (!Dialogs().AskYesNo(this, "Frage", text + QString::fromUtf8("\nBitbreite \u00e4ndern?"),
                                false))
            BitEdit->setText(QString::number(shownTab_ == TabEingangsmatrix
                                                 ? Automat_.Eingangsbitbreite
                                                 : Automat_.Ausgangsbitbreite));
    }
    const std::string reset = RSTCBox->currentIndex() >= 0 ? FromQ(RSTCBox->currentText()) : "";
    ApplyIdentifierLines(Automat_, ShownPart(), lines, FromQ(BitEdit->text()), reset,
                         ResetCheckBox->isChecked(), CLKCheckBox->isChecked());
    if (shownTab_ <= TabZustandsmatrix && lines != typed) SetMemoLines(lines);
    if (shownTab_ == TabZustandsmatrix) resetRow_ = RSTCBox->currentIndex();
    VarMemo->document()->setModified(false);
}

void TAutomatForm::StoreShownView() {
    if (View_ == ViewVorgaben) StoreIdentifierView();
    if (View_ == ViewTabellen && shownTab_ != TabDiagramm) {
        AutomatGrid->CommitEdit();
        StoreGrid(Automat_, ShownPart(), AutomatGrid->Table());
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
    const TIdentifierView v = ShowIdentifierList(Automat_, PartOfTab(false, tab));
    SetMemoLines(v.lines);
    VarMemo->setVisible(tab != TabTaktReset);
    filling_ = true;
    if (tab <= TabAusgangsmatrix) {
        BitEdit->setText(ToQ(v.widthText));
        SetHelpContext(BitEdit, tab == TabEingangsmatrix ? 2140 : 2150);
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
        CodestilGB->SetOptionen(Automat_.Optionen, Automat_.Moore);
    }
    filling_ = false;
    EingangsbreiteLBL->setVisible(tab == TabEingangsmatrix);
    AusgangsbreiteLBL->setVisible(tab == TabAusgangsmatrix);
    BitEdit->setVisible(tab <= TabAusgangsmatrix);
    const bool reset = tab == TabZustandsmatrix && Automat_.Moore;
    ResetzustandLBL->setVisible(reset);
    RSTCBox->setVisible(reset);
    ResetCheckBox->setVisible(tab == TabTaktReset);
    CLKCheckBox->setVisible(tab == TabTaktReset);
    CodestilGB->setVisible(tab == TabTaktReset);
    // Typing goes straight into the name list.
    if (tab != TabTaktReset && isVisible()) VarMemo->setFocus();
}

void TAutomatForm::ShowTabellen(int tab) {
    if (tab == TabAusgangstabelle && !Automat_.Moore) return;
    SetView(ViewTabellen, false);
    shownTab_ = tab;
    {
        const QSignalBlocker block(TabControl1);
        TabControl1->setCurrentIndex(tab);
    }
    bool modified = false;
    const CellTable t = BuildGrid(Automat_, PartOfTab(true, tab), modified);
    if (modified) Modified_ = true;
    history_.Clear(); // undo goes back no further than the view shown
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
    Zustandsdiagramm->ShowAutomat(Automat_, WorkingDir_);
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

// "&Neu" starts a new description as a freshly opened editor has it; the
// workspace file is not touched. Unsaved work is offered for saving first.
void TAutomatForm::Neu1Click() {
    if (!ConfirmDiscard()) return;
    Automat_ = TAutomat{.Moore = Automat_.Moore};
    Modified_ = false;
    File_.clear();
    unsavedNew_ = true;
    UpdateCaption();
    SetMemoLines({});
    SetView(ViewVorgaben, false);
    UpdateMenus();
    ShowVorgaben(std::min(shownTab_, 3));
}

// A file that cannot be read is reported and nothing of it is taken; a missing
// file leaves the description as it is.
void TAutomatForm::aktuelleArbeit1Click() {
    if (!ConfirmDiscard()) return;
    TStrings ignored;
    const TResult<TFileRead> read = LoadWorkspace(Automat_, ProgramDir_, &ignored);
    if (ReportReadFailure(this, ProgramDir_ + WorkspaceFileName(Automat_.Moore), read)) return;
    File_.clear(); // "Speichern" writes the current work again
    unsavedNew_ = false;
    UpdateCaption();
    if (read) Modified_ = false;             // the description is the file's
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
    const std::string path =
        File_.empty() ? ProgramDir_ + WorkspaceFileName(Automat_.Moore) : File_;
    if (unsavedNew_ && WorkspaceFileDiffers(Automat_, path) &&
        !Dialogs().AskYesNo(
            this, "Frage", QString::fromUtf8("Datei \u00fcberschreiben?\n") + PathToQ(path), false))
        return false;
    const TResult<> result = SaveWorkspaceFile(Automat_, path);
    UpdateMenus();
    if (!result) {
        ShowWriteError(this, path, result.error);
        return false;
    }
    Modified_ = false;
    unsavedNew_ = false;
    return true;
}

void TAutomatForm::Oeffnen1Click() {
    const QString folder = PathToQ(File_.empty() ? WorkingDir_ : FolderPart(File_));
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
        QStringList recent = RecentFiles();
        recent.removeAll(qpath);
        UserSettings().setValue(RecentKey(Automat_.Moore), recent);
        RebuildRecentMenu();
        return false;
    }
    if (ReportReadFailure(this, path, read)) return false;
    if (const auto moore = DescribesMoore(bytes); moore && *moore != Automat_.Moore) {
        Dialogs().ShowMessage(this, "Fehler",
                              "Die Datei " + qpath + " beschreibt einen " +
                                  (*moore ? "Moore" : "Mealy") + "-Automaten; hier wird ein " +
                                  (Automat_.Moore ? "Moore" : "Mealy") +
                                  "-Automat bearbeitet.\nDie Datei wurde nicht ge\u00f6ffnet.");
        return false;
    }
    Automat_ = TAutomat{.Moore = Automat_.Moore};
    TStrings ignored;
    LoadWorkspaceText(Automat_, bytes, &ignored);
    File_ = path;
    unsavedNew_ = false;
    Modified_ = false;
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
    const std::string proposal = File_.empty() ? WorkspaceFileName(Automat_.Moore) : File_;
    const QString chosen =
        Dialogs().ChooseSaveFile(this, "Speichern unter", PathToQ(FolderPart(proposal)),
                                 PathToQ(FileNamePart(proposal)), DescriptionFilter);
    if (chosen.isEmpty()) return false;
    const std::string path = PathFromQ(chosen);
    if (RefuseFolderAsOutput(this, path)) return false;
    if (FileExists(path) && !AskOverwrite(this)) return false;
    StoreShownView();
    const TResult<> result = SaveWorkspaceFile(Automat_, path);
    UpdateMenus();
    if (!result) {
        ShowWriteError(this, path, result.error);
        return false;
    }
    File_ = path;
    Modified_ = false;
    unsavedNew_ = false;
    RememberFile(path);
    UpdateCaption();
    return true;
}

void TAutomatForm::UpdateCaption() {
    QString caption = Automat_.Moore ? "Moore - Automat" : "Mealy - Automat";
    if (!File_.empty()) caption += " - " + PathToQ(FileNamePart(File_));
    setWindowTitle(caption);
}

QStringList TAutomatForm::RecentFiles() const {
    return UserSettings().value(RecentKey(Automat_.Moore)).toStringList();
}

void TAutomatForm::RememberFile(const std::string& path) {
    QStringList recent = RecentFiles();
    recent.removeAll(PathToQ(path));
    recent.prepend(PathToQ(path));
    while (recent.size() > RecentCount)
        recent.removeLast();
    UserSettings().setValue(RecentKey(Automat_.Moore), recent);
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
    Modified_ = true;
}

void TAutomatForm::UndoGridEdit(bool redo) {
    if (View_ != ViewTabellen) return;
    AutomatGrid->CommitEdit();
    CellTable t = AutomatGrid->Table();
    const int col = AutomatGrid->CurrentTableCol(), row = AutomatGrid->CurrentTableRow();
    if (!(redo ? history_.Redo(t) : history_.Undo(t))) return;
    Modified_ = true;
    ShowGridTable(t);
    AutomatGrid->SetCurrentTableCell(col, std::min(row, t.RowCount() - 1));
}

// Hides the rows without the filter's text; the rows stay in the grid, so
// editing a row shown edits that row of the description.
void TAutomatForm::ApplyFilter() {
    if (View_ != ViewTabellen) return;
    const CellTable t = AutomatGrid->Table();
    const std::string text = FromQ(FilterEdit->text().trimmed());
    for (int r = 1; r < t.RowCount(); ++r)
        AutomatGrid->setRowHidden(r - 1, !RowMatches(t, r, text));
}

// Saves the work, checks it, and writes the VHDL file into the working
// folder; a failed check lists every problem in the error window instead.
void TAutomatForm::ErzeugeVHDLDatei1Click() {
    if (!SaveAndCheck()) return; // the user was told why; nothing is written
    const std::string name =
        PathFromQ(Dialogs().AskFileName(this, PathToQ(DefaultVhdlFileName(Automat_.Moore))));
    if (name.empty()) return;
    ShowOutcome(this, WriteStateMachine(ReadMachine(Automat_), WorkingDir_ + name,
                                        [this](const std::string&) { return AskOverwrite(this); }));
}

bool TAutomatForm::SaveAndCheck() {
    if (!Speichern1Click()) return false;
    const TAutomatReport report = CheckAutomat(ReadMachine(Automat_));
    if (report.Ok()) return true;
    TErrorForm errors(this);
    errors.FillErrorReport(report);
    Dialogs().ExecModal(&errors);
    return false;
}

// Writes ENTITY_tb.vhd for the entity the VHDL file of the same name holds.
void TAutomatForm::TestbenchErzeugen1Click() {
    if (!SaveAndCheck()) return;
    const std::string name =
        PathFromQ(Dialogs().AskFileName(this, PathToQ(DefaultVhdlFileName(Automat_.Moore))));
    if (name.empty()) return;
    const std::string entity = EntityOfFile(name);
    ShowOutcome(this, WriteStateMachineTestbench(
                          ReadMachine(Automat_), entity,
                          WorkingDir_ + FolderPart(name) + AutomatTestbenchFileName(entity),
                          [this](const std::string&) { return AskOverwrite(this); }));
}

void TAutomatForm::Simulieren1Click() {
    if (SaveAndCheck()) OpenSimulation(this, ReadMachine(Automat_));
}

void TAutomatForm::Hilfe1Click() {
    HelpJump(Automat_.Moore ? "3000" : "4000");
}

// "Daten speichern?" for unsaved work: Ja saves (a failed save keeps the work
// and says no), Nein discards, Abbrechen (and Escape) keeps everything as it is.
bool TAutomatForm::ConfirmDiscard() {
    if (!Modified_) return true;
    switch (Dialogs().AskYesNoCancel(this, "Frage", "Daten speichern?")) {
    case TDialogs::Yes:
        return Speichern1Click();
    case TDialogs::No:
        Modified_ = false; // the user chose to discard the changes
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
    if (!KeepsDuplicateWarning(e))
        SetStatusText(HasDuplicateIdentifiers(MemoLines()) ? "Bezeichner doppelt" : "");
    if (!TypesCharacter(e)) return false;
    Modified_ = true;
    RaiseBitEdit(); // counts the lines before this key takes effect
    if (IsEnter(e) || e->key() == Qt::Key_Backspace) return false;
    const QString text = e->text();
    return !(text.size() == 1 && IsNameChar(text[0]));
}

void TAutomatForm::BitEditKeyPress(const QKeyEvent* e) {
    if (!TypesCharacter(e)) return;
    Modified_ = true;
    if (IsEnter(e)) RaiseBitEdit();
}

// Any change of the names (typing, paste, cut, undo, Delete) is unsaved work.
// The reset choices follow the lines. While the states keep their number (a
// rename), the reset state keeps its place; otherwise the first state is
// chosen, unless the user picks another.
void TAutomatForm::VarMemoChange() {
    if (filling_) return;
    Modified_ = true;
    const bool hadChoices = RSTCBox->count() > 0;
    const TStrings lines = MemoLines();
    RSTCBox->clear();
    for (const auto& line : lines)
        RSTCBox->addItem(ToQ(line));
    const bool renamed = shownTab_ == TabZustandsmatrix && resetRow_ >= 0 &&
                         lines.size() == Automat_.Zustandsmatrix.size() &&
                         resetRow_ < RSTCBox->count();
    RSTCBox->setCurrentIndex(renamed ? resetRow_ : hadChoices && RSTCBox->count() > 0 ? 0 : -1);
}

bool TAutomatForm::AutomatGridKeyPress(const QKeyEvent* e) {
    if (!TypesCharacter(e)) return false;
    Modified_ = true;
    if (View_ != ViewTabellen) return false;
    if (shownTab_ <= TabZustandsmatrix) {
        if (IsEnter(e)) return false;
        // A typed bit is the cell's content at once, so undo and redo act on the grid.
        if (e->text() == "0" || e->text() == "1") AutomatGrid->SetCurrentText(e->text());
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
    return !(NameCell(Automat_, ShownPart(), AutomatGrid->CurrentTableCol()) && text.size() == 1 &&
             IsNameChar(text[0]));
}

std::vector<TPopupItem> TAutomatForm::CurrentPopupItems() const {
    if (View_ != ViewTabellen || AutomatGrid->CurrentTableRow() < 1) return {};
    return PopupItems(Automat_, ShownPart(), AutomatGrid->Table(), AutomatGrid->CurrentTableCol(),
                      AutomatGrid->CurrentTableRow());
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
    Modified_ = true;
    const int col = AutomatGrid->CurrentTableCol(), row = AutomatGrid->CurrentTableRow();
    CellTable t = AutomatGrid->Table();
    ApplyPopupItem(t, col, row, items[static_cast<std::size_t>(chosen->data().toInt())]);
    history_.Record(lastTable_);
    ShowGridTable(t);
    AutomatGrid->SetCurrentTableCell(col, row);
}

} // namespace korvalt

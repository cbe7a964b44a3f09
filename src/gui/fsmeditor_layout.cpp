// The controls and menus of the state-machine editor window.
#include "gui/fsmeditor.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
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

// Pasted text is held to what can be typed: letters, digits, "_" and line ends.
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

} // namespace

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
    SetHelpContext(FilterEdit, HelpFilter);
    connect(FilterEdit, &QLineEdit::textChanged, this, &TAutomatForm::FilterChanged);
    tabLayout->addWidget(FilterEdit);

    AutomatGrid = new TAutomatGrid(TabPanel);
    AutomatGrid->setObjectName("AutomatGrid");
    AutomatGrid->setContextMenuPolicy(Qt::CustomContextMenu);
    AutomatGrid->KeyFilter = [this](const QKeyEvent* e) { return AutomatGridKeyPress(e); };
    AutomatGrid->NameColumn = [this](int col) {
        return View_ == ViewTabellen && NameCell(Doc_.Automat, ShownPart(), col);
    };
    AutomatGrid->CellNamesAt = [this](int col, int row) {
        return CellNames(Doc_.Automat, ShownPart(), AutomatGrid->Table(), col, row);
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
    connect(Zustandsdiagramm, &TDiagramView::Geschrieben, this,
            [this](const QString& path) { ReportWritten(PathFromQ(path)); });
    connect(Zustandsdiagramm, &TDiagramView::NichtGeschrieben, this,
            &TAutomatForm::ReportNotWritten);
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
    SetHelpContext(VarMemo, HelpBezeichnerliste);
    VarMemo->installEventFilter(this);
    connect(VarMemo, &QPlainTextEdit::textChanged, this, &TAutomatForm::VarMemoChange);
    gbLayout->addWidget(VarMemo);
    SeitenPNL = new QFrame(NamenGB);
    SeitenPNL->setObjectName("SeitenPNL");
    SetHelpContext(SeitenPNL, HelpAutomateneditor);
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
    SetHelpContext(RSTCBox, HelpResetzustand);
    // A choice or a switch changed by the user is unsaved work like a typed key.
    connect(RSTCBox, &QComboBox::activated, this, [this](int index) {
        Doc_.Modified = true;
        resetRow_ = index;
        if (index >= 0) Doc_.Automat.Resetzustand = FromQ(RSTCBox->itemText(index));
    });
    ResetCheckBox = new QCheckBox("Reset L-aktiv (0)", SeitenPNL);
    ResetCheckBox->setObjectName("ResetCheckBox");
    ResetCheckBox->setGeometry(8, 16, 200, 17);
    SetHelpContext(ResetCheckBox, HelpResetAktiv);
    CLKCheckBox = new QCheckBox("&Takt L-aktiv (0)", SeitenPNL);
    CLKCheckBox->setObjectName("CLKCheckBox");
    CLKCheckBox->setGeometry(8, 40, 200, 17);
    SetHelpContext(CLKCheckBox, HelpTaktAktiv);
    for (QCheckBox* box : {ResetCheckBox, CLKCheckBox})
        connect(box, &QCheckBox::clicked, this, [this] { Doc_.Modified = true; });
    // The options are kept with the machine as soon as they change.
    CodestilGB = new TCodestilGB(SeitenPNL);
    CodestilGB->setGeometry(8, 68, 330, 150);
    connect(CodestilGB, &TCodestilGB::Changed, this, [this](const TOptionen& o) {
        Doc_.Modified = true;
        Doc_.Automat.Optionen = o;
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
    aktuelleArbeit1 =
        action(datei, "&aktuelle Arbeit laden", "aktuelleArbeit1", HelpAktuelleArbeit);
    Oeffnen1 = action(datei, "&\u00d6ffnen\u2026", "Oeffnen1", HelpOeffnenSpeichern);
    Oeffnen1->setShortcut(QKeySequence("Ctrl+O"));
    Zuletzt1 = submenu(datei, "&Zuletzt ge\u00f6ffnet", "Zuletzt1", HelpOeffnenSpeichern);
    Speichern1 = action(datei, "&Speichern", "Speichern1", 0);
    Speichern1->setShortcut(QKeySequence("Ctrl+S"));
    SpeichernUnter1 =
        action(datei, "Speichern &unter\u2026", "SpeichernUnter1", HelpOeffnenSpeichern);
    connect(Oeffnen1, &QAction::triggered, this, &TAutomatForm::Oeffnen1Click);
    connect(SpeichernUnter1, &QAction::triggered, this, &TAutomatForm::SpeichernUnter1Click);
    datei->addSeparator();
    ImportKiss2 = action(datei, "&Importieren (KISS2)\u2026", "ImportKiss2", HelpKiss2);
    ExportKiss2 = action(datei, "E&xportieren (KISS2)\u2026", "ExportKiss2", HelpKiss2);
    connect(ImportKiss2, &QAction::triggered, this, &TAutomatForm::ImportKiss2Click);
    connect(ExportKiss2, &QAction::triggered, this, &TAutomatForm::ExportKiss2Click);
    datei->addSeparator();
    Beenden2 = action(datei, "Be&enden", "Beenden2", 0);
    connect(Neu1, &QAction::triggered, this, &TAutomatForm::Neu1Click);
    connect(aktuelleArbeit1, &QAction::triggered, this, &TAutomatForm::aktuelleArbeit1Click);
    connect(Speichern1, &QAction::triggered, this, &TAutomatForm::Speichern1Click);
    connect(Beenden2, &QAction::triggered, this, &TAutomatForm::Beenden2Click);

    Statemaschine1 = submenu(nullptr, "&Statemaschine", "Statemaschine1", 0);
    connect(Statemaschine1, &QMenu::aboutToShow, this, &TAutomatForm::UpdateMenus);
    Vorgaben1 = submenu(Statemaschine1, "&Vorgaben", "Vorgaben1", HelpVorgaben);
    const char* vorgaben[][2] = {{"&Eingangsmatrix", "Eingangsmatrix1"},
                                 {"&Ausgangsmatrix", "Ausgangsmatrix1"},
                                 {"&Zustandsmatrix", "Zustandsmatrix1"},
                                 {"Takt und Reset", "CLKRST"}};
    for (int tab = 0; tab < 4; ++tab)
        connect(action(Vorgaben1, vorgaben[tab][0], vorgaben[tab][1], HelpVorgaben),
                &QAction::triggered, this, [this, tab] { VorgabenClick(tab); });
    Bearbeiten1 =
        submenu(Statemaschine1, "&Matrix Bearbeiten", "Bearbeiten1", HelpMatrixBearbeiten);
    const char* matrizen[][2] = {{"&Eingangsmatrix", "Eingangsmatrix2"},
                                 {"&Ausgangsmatrix", "Ausgangsmatrix2"},
                                 {"&Zustandsmatrix", "Zustandsmatrix2"}};
    for (int tab = 0; tab < 3; ++tab)
        connect(action(Bearbeiten1, matrizen[tab][0], matrizen[tab][1], HelpMatrixBearbeiten),
                &QAction::triggered, this, [this, tab] { TabellenClick(tab); });
    // Fills the state matrix's grid shown, as one edit that undo takes back.
    CodesVergeben1 =
        submenu(Statemaschine1, "&Codes vergeben", "CodesVergeben1", HelpCodesVergeben);
    struct TCodeItem {
        const char *caption, *name;
        TCodeArt art;
    };
    for (const TCodeItem& c : {TCodeItem{"&Bin\u00e4r", "CodesBinaer1", TCodeArt::Binaer},
                               TCodeItem{"&Gray", "CodesGray1", TCodeArt::Gray},
                               TCodeItem{"&One-Hot", "CodesOneHot1", TCodeArt::OneHot}})
        connect(action(CodesVergeben1, c.caption, c.name, HelpCodesVergeben), &QAction::triggered,
                this, [this, art = c.art] { CodesVergebenClick(art); });
    Automatenbeschreibung = submenu(Statemaschine1, "Automaten&beschreibung",
                                    "Automatenbeschreibung", HelpAutomatenbeschreibung);
    connect(action(Automatenbeschreibung, "Automaten&tabelle", "Automatentabelle1",
                   HelpAutomatenbeschreibung),
            &QAction::triggered, this, [this] { TabellenClick(TabAutomatentabelle); });
    Ausgangstabelle1 = action(Automatenbeschreibung, "&Ausgangstabelle", "Ausgangstabelle1",
                              HelpAutomatenbeschreibung);
    connect(Ausgangstabelle1, &QAction::triggered, this,
            [this] { TabellenClick(TabAusgangstabelle); });
    Zustandsdiagramm1 =
        action(Statemaschine1, "&Zustandsdiagramm", "Zustandsdiagramm1", HelpZustandsdiagramm);
    connect(Zustandsdiagramm1, &QAction::triggered, this, &TAutomatForm::ZustandsdiagrammClick);
    ErzeugeVHDLDatei1 =
        action(Statemaschine1, "&Erzeuge VHDL-Datei", "ErzeugeVHDLDatei1", HelpVhdlErzeugen);
    ErzeugeVHDLDatei1->setShortcut(QKeySequence(Qt::Key_F5));
    connect(ErzeugeVHDLDatei1, &QAction::triggered, this, &TAutomatForm::ErzeugeVHDLDatei1Click);
    // Both need what "Erzeuge VHDL-Datei" needs, so they are enabled with it.
    TestbenchErzeugen1 =
        action(Statemaschine1, "&Testbench erzeugen", "TestbenchErzeugen1", HelpAutomatTestbench);
    Simulieren1 = action(Statemaschine1, "&Simulieren", "Simulieren1", HelpSimulieren);
    for (QAction* a : {TestbenchErzeugen1, Simulieren1})
        connect(ErzeugeVHDLDatei1, &QAction::enabledChanged, a, &QAction::setEnabled);
    connect(TestbenchErzeugen1, &QAction::triggered, this, &TAutomatForm::TestbenchErzeugen1Click);
    connect(Simulieren1, &QAction::triggered, this, &TAutomatForm::Simulieren1Click);
    SynthesePruefen1 =
        action(Statemaschine1, "Synthese &pr\u00fcfen", "SynthesePruefen1", HelpSynthesePruefen);
    connect(ErzeugeVHDLDatei1, &QAction::enabledChanged, SynthesePruefen1, &QAction::setEnabled);
    connect(SynthesePruefen1, &QAction::triggered, this, [this] {
        if (SaveAndCheck()) OpenSynthese(this, ReadMachine(Doc_.Automat));
    });

    // Keyboard habits of a desktop editor; no mnemonics, so no Alt key changes.
    Statemaschine1->addSeparator();
    Rueckgaengig1 =
        action(Statemaschine1, "R\u00fcckg\u00e4ngig", "Rueckgaengig1", HelpTastenkuerzel);
    Rueckgaengig1->setShortcut(QKeySequence("Ctrl+Z"));
    Wiederherstellen1 =
        action(Statemaschine1, "Wiederherstellen", "Wiederherstellen1", HelpTastenkuerzel);
    Wiederherstellen1->setShortcut(QKeySequence("Ctrl+Y"));
    NaechsterTab1 =
        action(Statemaschine1, "N\u00e4chste Registerkarte", "NaechsterTab1", HelpTastenkuerzel);
    NaechsterTab1->setShortcut(QKeySequence("Ctrl+Tab"));
    VorherigerTab1 =
        action(Statemaschine1, "Vorherige Registerkarte", "VorherigerTab1", HelpTastenkuerzel);
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
    SetHelpContext(Hilfe1, HelpAutomateneditor);
    connect(Hilfe1, &QAction::triggered, this, &TAutomatForm::Hilfe1Click);
}

} // namespace korvalt

#include "gui/mainwindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QStatusBar>

#include "app/catalogue.h"
#include "app/commands.h"
#include "app/settings.h"
#include "common/ascii.h"
#include "common/paths.h"
#include "gui/aboutwindow.h"
#include "gui/componentwindow.h"
#include "gui/dialogs.h"
#include "gui/fsmeditor.h"
#include "gui/help.h"
#include "gui/helptopics.h"
#include "gui/qtext.h"
#include "gui/recentfiles.h"
#include "gui/startview.h"
#include "gui/statusline.h"
#include "gui/vhdlhighlighter.h"
#include "template/expand.h"
#include "template/params.h"
#include "template/reader.h"
#include "vhdl/testbench.h"

namespace korvalt {

namespace {

constexpr int ButtonWidth = 169;
constexpr int ButtonHeight = 25;
constexpr int ButtonPanelHeight = 51;
constexpr int ComboLeft = 8, ComboTop = 16, ComboHeight = 21, ComboRightGap = 41;
// The row under the grid with the check's findings and the box "Vorschau".
constexpr int CheckRowHeight = 20;
// From this panel width on the preview stands beside the grid, else below it.
constexpr int PreviewBesideWidth = 760;
// Longer preview lines are cut: the file gets them whole, the view would crawl.
constexpr int PreviewLineLimit = 2000;
const char* const PreviewSetting = "Vorlagen/Vorschau";

// The user's own settings (not KORVALT.INI, which holds the working folder).
QSettings UserSettings() {
    return QSettings(QSettings::UserScope, "Korvalt", "Korvalt");
}

} // namespace

TMainForm::TMainForm(const std::string& programDir, QWidget* parent)
    : TMainForm(PortableFolders(programDir), parent) {}

TMainForm::TMainForm(const TFolders& folders, QWidget* parent) : QMainWindow(parent) {
    setObjectName("MainForm");
    setWindowTitle("Korvalt");
    setWindowIcon(QIcon(":/icons/korvalt.png"));
    UseDesignFont(this);
    SetHelpContext(this, DefaultHelpContext);
    setMinimumWidth(2 * ButtonWidth);
    CreateControls();
    CreateMenu();
    resize(578, 397);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    TemplateFile_.clear();
    ShowEinstellPanel(false);
    ProgramDir_ = folders.programDir;
    SettingsDir_ = folders.settingsDir;
    DataDir_ = folders.dataDir;
    TemplateDirs_ = folders.templateDirs;
    TemplateDir_ = TemplateDirs_.front();
    WorkingDir_ = folders.workingDir;
    if (auto ini = ReadIni(SettingsDir_)) WorkingDir_ = *ini;
    ScanTemplates();
    Status->ShowWorkingDir(WorkingDir_);
    StartView->Refresh();
    // The start view decides the first size where the design's is too small for it.
    const QSize wanted = (StartView->sizeHint() + QSize(40, 60)).expandedTo(size());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        resize(wanted.boundedTo(screen->availableGeometry().size() * 9 / 10));
        move(screen->availableGeometry().center() - rect().center());
    }
}

TMainForm::~TMainForm() {
    // FormDestroy: the working folder is remembered for the next start. A
    // settings folder that cannot be written loses the setting silently.
    WriteIni(SettingsDir_, WorkingDir_);
}

void TMainForm::CreateControls() {
    Modelpanel = new QFrame(this);
    Modelpanel->setObjectName("Modelpanel");
    setCentralWidget(Modelpanel);

    EinstellungenGB = new QGroupBox("Einstellungen", Modelpanel);
    EinstellungenGB->setObjectName("EinstellungenGB");

    StringGrid = new TStringGrid(EinstellungenGB);
    StringGrid->setObjectName("StringGrid");
    SetHelpContext(StringGrid, HelpParametertabelle);
    StringGrid->setColumnCount(2);
    StringGrid->setHorizontalHeaderLabels({"Auswahl", "Variable"});
    StringGrid->verticalHeader()->hide();
    StringGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    StringGrid->horizontalHeader()->setDefaultSectionSize(80);
    StringGrid->setTabKeyNavigation(true);
    StringGrid->verticalHeader()->setDefaultSectionSize(StringGrid->fontMetrics().height() + 8);
    StringGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(StringGrid, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (buildingGrid_) return;
        StringGridSetEditText(item->column(), item->row() + 1, item->text());
        UpdatePreview();
    });

    BeschreibungLabel = new QLabel(EinstellungenGB);
    BeschreibungLabel->setObjectName("BeschreibungLabel");
    PruefungLabel = new QLabel(Modelpanel);
    PruefungLabel->setObjectName("PruefungLabel");
    PruefungLabel->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                           Qt::TextSelectableByKeyboard);
    PruefungLabel->setFocusPolicy(Qt::ClickFocus);
    SetHelpContext(PruefungLabel, HelpVorlagenpruefung);
    VorschauCheckBox = new QCheckBox("Vorschau", Modelpanel);
    VorschauCheckBox->setObjectName("VorschauCheckBox");
    VorschauCheckBox->setChecked(UserSettings().value(PreviewSetting, true).toBool());
    SetHelpContext(VorschauCheckBox, HelpVorschau);
    connect(VorschauCheckBox, &QCheckBox::toggled, this, &TMainForm::VorschauCheckBoxClick);
    VorschauMemo = new QPlainTextEdit(Modelpanel);
    VorschauMemo->setObjectName("VorschauMemo");
    VorschauMemo->setReadOnly(true);
    VorschauMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    VorschauMemo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    SetHelpContext(VorschauMemo, HelpVorschau);
    new TVhdlHighlighter(VorschauMemo->document());

    SubAuswahlCB = new QComboBox(Modelpanel);
    SubAuswahlCB->setObjectName("SubAuswahlCB");
    SubAuswahlCB->setEditable(false);
    SetHelpContext(SubAuswahlCB, HelpAbschnitt);
    connect(SubAuswahlCB, &QComboBox::activated, this, &TMainForm::SubAuswahlCBChange);

    BTNPanel = new QFrame(Modelpanel);
    BTNPanel->setObjectName("BTNPanel");
    AbbruchBTN = new QPushButton("Ab&bruch", BTNPanel);
    AbbruchBTN->setObjectName("AbbruchBTN");
    makeHDLBTN = new QPushButton("Er&zeuge HDL Datei", BTNPanel);
    makeHDLBTN->setObjectName("makeHDLBTN");
    connect(AbbruchBTN, &QPushButton::clicked, this, &TMainForm::AbbruchBTNClick);
    connect(makeHDLBTN, &QPushButton::clicked, this, &TMainForm::makeHDLBTNClick);

    Status = std::make_unique<TStatusLine>(statusBar());
    StartView = new TStartView(this, Modelpanel);
}

void TMainForm::CreateMenu() {
    auto action = [this](QMenu* menu, const char* caption, const char* name, int context,
                         void (TMainForm::*slot)()) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(name);
        if (context) SetHelpContext(a, context);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    QMenu* datei = menuBar()->addMenu("&Datei");
    datei->setObjectName("Datei");
    NeuesModul = datei->addMenu("&Neues Modul");
    NeuesModul->setObjectName("NeuesModul");
    NeuesModul->menuAction()->setObjectName("NeuesModulItem");
    SetHelpContext(NeuesModul->menuAction(), HelpNeuesModul);
    SetHelpContext(NeuesModul, HelpNeuesModul);
    action(datei, "Moore-&Automat", "MooreAutomat", HelpMooreAutomat,
           &TMainForm::MooreAutomatClick);
    action(datei, "&Mealy-Automat", "MealyAutomat", HelpMealyAutomat,
           &TMainForm::MealyAutomatClick);
    datei->addSeparator();
    action(datei, "VHDL- &Komponente in Datei einfügen", "Komponente_einfuegen",
           HelpKomponenteEinfuegen, &TMainForm::Komponente_einfuegenClick);
    datei->addSeparator();
    action(datei, "&Testbench", "Testbench", HelpTestbench, &TMainForm::TestbenchClick);
    action(datei, "Testbench (VHDL-2008)…", "TestbenchVhdl", HelpTestbenchVhdl2008,
           &TMainForm::TestbenchVhdlClick);
    datei->addSeparator();
    action(datei, "Be&enden", "Beenden", 0, &TMainForm::BeendenClick);

    QAction* einstellungen = menuBar()->addAction("Ein&stellungen");
    einstellungen->setObjectName("Einstellungen");
    SetHelpContext(einstellungen, HelpEinstellungen);
    connect(einstellungen, &QAction::triggered, this, &TMainForm::EinstellungenClick);

    QMenu* hilfe = menuBar()->addMenu("&Hilfe");
    hilfe->setObjectName("Hilfe1");
    SetHelpContext(hilfe->menuAction(), DefaultHelpContext);
    action(hilfe, "&Hilfe", "Hilfe2", DefaultHelpContext, &TMainForm::Hilfe2Click);
    action(hilfe, "über &mich", "About", DefaultHelpContext, &TMainForm::AboutClick);
}

void TMainForm::ScanTemplates() {
    TemplateList_ = ScanTemplateFolders(TemplateDirs_);
    NeuesModul->clear();
    for (std::size_t i = 0; i < TemplateList_.size(); ++i) {
        QAction* a = NeuesModul->addAction(PathToQ(CatalogueCaption(TemplateList_[i])));
        a->setObjectName(QString("Template%1").arg(i));
        SetHelpContext(a, HelpVorlageWaehlen);
        connect(a, &QAction::triggered, this, [this, i] { MenuSelectClick(static_cast<int>(i)); });
    }
    NeuesModul->menuAction()->setVisible(!SubAuswahlCB->isVisible());
}

QString TMainForm::StatusText() const {
    return Status->Status();
}

QString TMainForm::Meldung() const {
    return Status->Said();
}

void TMainForm::SetStatusText(const QString& text) {
    Status->SetStatus(text);
}

void TMainForm::ShowEinstellPanel(bool show) {
    NeuesModul->menuAction()->setVisible(!show);
    for (QWidget* w : {static_cast<QWidget*>(SubAuswahlCB), static_cast<QWidget*>(EinstellungenGB),
                       static_cast<QWidget*>(BTNPanel), static_cast<QWidget*>(AbbruchBTN),
                       static_cast<QWidget*>(makeHDLBTN), static_cast<QWidget*>(StringGrid)})
        w->setVisible(show);
    for (QWidget* w :
         {static_cast<QWidget*>(BeschreibungLabel), static_cast<QWidget*>(PruefungLabel),
          static_cast<QWidget*>(VorschauCheckBox)})
        w->setVisible(show);
    VorschauMemo->setVisible(show && VorschauCheckBox->isChecked());
    // The start view stands in for the panel; it shows what changed meanwhile.
    StartView->setVisible(!show);
    if (!show) {
        SetStatusText("");
        StartView->Refresh();
    }
}

void TMainForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (width() < 2 * ButtonWidth) resize(2 * ButtonWidth, height());
    LayoutPanel();
}

// The group box, the check row under it and the preview share the space
// above the buttons: the preview to their right on a wide panel, below them
// on a narrow one. Inside the group box the rules stay as they are.
void TMainForm::LayoutPanel() {
    const int w = Modelpanel->width(), h = Modelpanel->height();
    StartView->setGeometry(0, 0, w, h);
    const int area = std::max(0, h - ButtonPanelHeight);
    const bool preview = VorschauCheckBox->isChecked();
    const bool beside = preview && w >= PreviewBesideWidth;
    const int leftWidth = beside ? w * 9 / 20 : w;
    const int minTop = ComboTop + 2 * ComboHeight + 60 + CheckRowHeight;
    // The check row sits right above the buttons, so that the box "Vorschau"
    // stays in place whether ticked or not; a preview below the grid comes between.
    const int checkTop = std::max(0, area - CheckRowHeight);
    const int topHeight =
        preview && !beside ? std::min(checkTop, std::max(area / 2, minTop)) : checkTop;
    BTNPanel->setGeometry(0, h - ButtonPanelHeight, w, ButtonPanelHeight);
    EinstellungenGB->setGeometry(0, 0, leftWidth, topHeight);
    SubAuswahlCB->setGeometry(ComboLeft, ComboTop,
                              std::max(0, leftWidth - ComboLeft - ComboRightGap), ComboHeight);
    const int boxWidth = VorschauCheckBox->sizeHint().width();
    VorschauCheckBox->setGeometry(ComboLeft, checkTop, boxWidth, CheckRowHeight);
    PruefungLabel->setGeometry(ComboLeft + boxWidth + 8, checkTop,
                               std::max(0, leftWidth - boxWidth - 2 * ComboLeft - 8),
                               CheckRowHeight);
    if (beside)
        VorschauMemo->setGeometry(leftWidth + 4, 8, std::max(0, w - leftWidth - 8),
                                  std::max(0, area - 8));
    else
        VorschauMemo->setGeometry(4, topHeight + 4, std::max(0, w - 8),
                                  std::max(0, checkTop - topHeight - 8));
    const int half = width() / 2;
    const int left = (half - ButtonWidth) / 2;
    AbbruchBTN->setGeometry(left, 16, ButtonWidth, ButtonHeight);
    makeHDLBTN->setGeometry(left + half, 16, ButtonWidth, ButtonHeight);
    const int gbh = EinstellungenGB->height();
    const int gridHeight = std::max(0, gbh - ComboTop - 2 * ComboHeight);
    StringGrid->setGeometry(2, gbh - gridHeight - 2, std::max(0, leftWidth - 4), gridHeight);
    // The description fills the strip between the section list and the grid.
    const int descTop = ComboTop + ComboHeight + 1;
    BeschreibungLabel->setGeometry(ComboLeft, descTop, std::max(0, leftWidth - 2 * ComboLeft),
                                   std::max(0, gbh - gridHeight - 2 - descTop));
    BeschreibungLabel->setText(BeschreibungLabel->fontMetrics().elidedText(
        BeschreibungLabel->toolTip(), Qt::ElideRight, BeschreibungLabel->width()));
}

void TMainForm::MenuSelectClick(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= TemplateList_.size()) return;
    TemplateFile_.clear();
    const std::string& entry = TemplateList_[static_cast<std::size_t>(index)];
    SetStatusText("Gelesen: " + PathToQ(CatalogueFile(entry)));
    Status->Say("");
    Sections_.clear();
    FileFindings_.clear();
    TemplateFile_ = TemplatePath(TemplateDirs_, entry);
    const Tsrctemp reader(TemplateFile_);
    if (ReportReadFailure(this, TemplateFile_, reader.ReadResult())) {
        Status->Say("Nicht gelesen: " + PathToQ(TemplateFile_), true);
        TemplateFile_.clear();
        return;
    }
    for (const TTemplateSection& section : reader.Sections())
        Sections_.push_back(
            {section,
             static_cast<std::size_t>(reader.Find(section.name) - &reader.Sections()[0]),
             {}});
    for (TFinding& f : CheckTemplate(reader.Sections(), TemplateFile_))
        (f.section == NoLine ? FileFindings_ : Sections_[f.section].findings)
            .push_back(std::move(f));
    SubAuswahlCB->clear();
    for (const auto& s : Sections_)
        SubAuswahlCB->addItem(ToQ(s.section.name));
    SubAuswahlCB->setCurrentIndex(Sections_.empty() ? -1 : 0);
    ShowEinstellPanel(true);
    SubAuswahlCBChange();
}

void TMainForm::SubAuswahlCBChange() {
    buildingGrid_ = true;
    StringGrid->clearContents();
    const TTemplateSection* section = SelectedSection();
    const std::vector<TTemplateDecl> decls =
        section ? section->decls : std::vector<TTemplateDecl>();
    const auto rows = BuildParamRows(decls);
    StringGrid->setRowCount(std::max<int>(1, static_cast<int>(rows.size())));
    auto cell = [](const std::string& text, bool editable) {
        auto* item = new QTableWidgetItem(ToQ(text));
        item->setFlags(editable ? item->flags() | Qt::ItemIsEditable
                                : item->flags() & ~Qt::ItemIsEditable);
        return item;
    };
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        StringGrid->setItem(r, 0, cell(rows[static_cast<std::size_t>(r)].decl, false));
        StringGrid->setItem(r, 1, cell(rows[static_cast<std::size_t>(r)].value, true));
    }
    if (rows.empty()) {
        StringGrid->setItem(0, 0, cell("", false));
        StringGrid->setItem(0, 1, cell("", false));
    }
    const int width = StringGrid->font().pointSize() * static_cast<int>(LongestDecl(decls));
    StringGrid->setColumnWidth(0, width);
    StringGrid->setColumnWidth(1, width);
    // Typing goes straight into the first value.
    if (!rows.empty()) StringGrid->setCurrentCell(0, 1);
    buildingGrid_ = false;
    ShowSectionInfo();
    UpdatePreview();
}

const TTemplateSection* TMainForm::SelectedSection() const {
    const int s = SubAuswahlCB->currentIndex();
    return s >= 0 && static_cast<std::size_t>(s) < Sections_.size()
               ? &Sections_[static_cast<std::size_t>(s)].section
               : nullptr;
}

void TMainForm::ShowSectionInfo() {
    const int s = SubAuswahlCB->currentIndex();
    const TShownSection* shown = s >= 0 && static_cast<std::size_t>(s) < Sections_.size()
                                     ? &Sections_[static_cast<std::size_t>(s)]
                                     : nullptr;
    BeschreibungLabel->setToolTip(shown ? ToQ(shown->section.DescriptionText()) : QString());
    QStringList found;
    for (const TFinding& f : FileFindings_)
        found << QString::fromStdString(f.message);
    for (const TFinding& f : shown ? shown->findings : std::vector<TFinding>())
        found << QString("Zeile %1: %2").arg(f.line).arg(QString::fromStdString(f.message));
    QString line = "Prüfung: keine Befunde";
    if (found.size() == 1) line = "Prüfung: " + found.front();
    if (found.size() > 1)
        line = QString("Prüfung: %1 Befunde. %2").arg(found.size()).arg(found.front());
    PruefungLabel->setText(line);
    PruefungLabel->setToolTip(found.join("\n"));
    PruefungLabel->setStyleSheet(found.isEmpty() ? QString() : "color: #a00000;");
    LayoutPanel();
}

std::vector<TParam> TMainForm::GridParams() const {
    std::vector<TParamRow> rows;
    const TTemplateSection* section = SelectedSection();
    const std::size_t n = section ? section->decls.size() : 0;
    for (int r = 0; r < static_cast<int>(n) && r < StringGrid->rowCount(); ++r) {
        auto text = [&](int c) {
            return StringGrid->item(r, c) ? FromQ(StringGrid->item(r, c)->text()) : std::string();
        };
        rows.push_back({text(0), text(1)});
    }
    return ParamsFromRows(rows);
}

void TMainForm::UpdatePreview() {
    if (!VorschauCheckBox->isChecked()) return;
    TStrings body;
    const int s = SubAuswahlCB->currentIndex();
    if (!TemplateFile_.empty() && s >= 0 && static_cast<std::size_t>(s) < Sections_.size())
        body = Sections_[Sections_[static_cast<std::size_t>(s)].bodyOf].section.BodyText();
    // Expanded exactly as "Erzeuge HDL Datei" does, for the name the prompt proposes.
    const std::string proposal = LowerCase(FileNamePart(TemplateFile_));
    ExpandTemplate(OutputPath(WorkingDir_, proposal), body, GridParams());
    QStringList lines;
    for (const std::string& l : body)
        lines << (l.size() > PreviewLineLimit ? ToQ(l.substr(0, PreviewLineLimit)) + " …" : ToQ(l));
    const int scrolled = VorschauMemo->verticalScrollBar()->value();
    VorschauMemo->setPlainText(lines.join('\n'));
    VorschauMemo->verticalScrollBar()->setValue(scrolled);
}

void TMainForm::VorschauCheckBoxClick(bool checked) {
    UserSettings().setValue(PreviewSetting, checked);
    VorschauMemo->setVisible(checked && SubAuswahlCB->isVisible());
    LayoutPanel();
    UpdatePreview();
}

void TMainForm::StringGridSetEditText(int col, int row, const QString& text) {
    if (col != 1 || text.isEmpty()) return;
    const TTemplateSection* section = SelectedSection();
    if (!section || row < 1 || static_cast<std::size_t>(row) > section->decls.size()) return;
    if (const auto corrected =
            CorrectValue(section->decls[static_cast<std::size_t>(row) - 1].text, FromQ(text))) {
        buildingGrid_ = true;
        StringGrid->item(row - 1, col)->setText(ToQ(corrected->value));
        buildingGrid_ = false;
        Status->Say(QString::fromStdString(corrected->message), true);
    }
}

void TMainForm::makeHDLBTNClick() {
    StringGrid->CommitEdit();
    ShowEinstellPanel(false);
    SetStatusText("Erzeuge VHDL-Datei ");
    Status->Say("");
    const TTemplateSection* selected = SelectedSection();
    if (TemplateFile_.empty() || !selected) return;
    const std::string section = selected->name;
    TStrings body;
    const TResult<TWritten> read = TemplateSectionBody(TemplateFile_, section, body);
    if (!ShowOutcome(this, read)) return (void)Status->Report(read);

    const std::string proposal = FileNamePart(TemplateFile_);
    const auto pathOf = [&](const std::string& typed) {
        return OutputPath(WorkingDir_, typed.empty() ? proposal : typed);
    };
    // A name that would give |NAME| no valid identifier is refused in the prompt.
    const auto name = Dialogs().PromptFileName(this, PathToQ(proposal), [&](const QString& typed) {
        return QString::fromStdString(NameMarkerProblem(body, pathOf(PathFromQ(typed))));
    });
    if (!name) { // left: nothing is written, the values stay
        Status->SayCancelled();
        return ShowEinstellPanel(true);
    }
    const std::string path = pathOf(PathFromQ(*name));
    const TResult<TWritten> o = GenerateModule(
        body, GridParams(), path, [this](const std::string& p) { return AskOverwrite(this, p); });
    const bool written = ShowOutcome(this, o);
    Status->Report(o, path);
    StartView->Refresh();
    if (written)
        SetStatusText("Fertig");
    else if (o.error.empty() || IsDirectory(path) || !NameMarkerProblem(body, path).empty())
        ShowEinstellPanel(true); // the user said no, or the name was refused: the values stay
}

void TMainForm::AbbruchBTNClick() {
    ShowEinstellPanel(false);
}

void TMainForm::EinstellungenClick() {
    const QString folder =
        Dialogs().ChooseFolder(this, "Arbeitsverzeichnis auswählen", PathToQ(WorkingDir_));
    if (!folder.isEmpty()) WorkingDir_ = WithTrailingSep(PathFromQ(folder));
    Status->ShowWorkingDir(WorkingDir_);
    StartView->Refresh();
}

void TMainForm::MooreAutomatClick() {
    OpenAutomat(true);
}

void TMainForm::MealyAutomatClick() {
    OpenAutomat(false);
}

void TMainForm::OpenAutomat(bool moore, const QString& file) {
    TAutomatForm editor(this);
    editor.Init(DataDir_, WorkingDir_, moore);
    // What the editor writes shows here too, and joins the generated files.
    connect(&editor, &TAutomatForm::Geschrieben, this, [this](const QString& path) {
        Status->Say("Geschrieben: " + path);
        RememberGeneratedFile(PathFromQ(path));
    });
    if (file.isEmpty() || editor.OpenFile(file)) Dialogs().ExecModal(&editor);
    // The editor may have saved under a new name or generated files; a file that
    // is gone has left its list. Later, as a click on the view may have come here.
    QMetaObject::invokeMethod(StartView, &TStartView::Refresh, Qt::QueuedConnection);
}

// The VHDL commands come with their own windows.
void TMainForm::Komponente_einfuegenClick() {
    ShowEinstellPanel(false);
    SetStatusText("Komponente einfügen");
    Status->Say("");
    const QString target =
        Dialogs().ChooseFile(this, "VHDL-Datei, in welche eine Komponente eingefügt werden soll",
                             PathToQ(WorkingDir_), "", "VHDL-Datei (*.vhd)");
    if (target.isEmpty()) return Status->SayCancelled();
    TKomponenteForm form(this);
    form.ListComponents(WorkingDir_, PathFromQ(target));
    Dialogs().ExecModal(&form);
    if (const auto outcome = form.Outcome())
        Status->Report(*outcome, form.TargetFile());
    else
        Status->SayCancelled();
    StartView->Refresh();
}
void TMainForm::TestbenchClick() {
    WriteTestbenchOf([](const std::string& design, const TStrings& lines) {
        return WriteTestbenchSkeleton(design, lines);
    });
}

// The runnable testbench ENTITY_tb.vhd beside the design; an existing one is
// replaced only after the overwrite question.
void TMainForm::TestbenchVhdlClick() {
    WriteTestbenchOf([this](const std::string& design, const TStrings& lines) {
        return WriteVhdlTestbench(design, lines,
                                  [this](const std::string& p) { return AskOverwrite(this, p); });
    });
}

// Both testbench commands: the design is chosen and read (a missing one counts
// as empty), then the command writes beside it.
void TMainForm::WriteTestbenchOf(
    const std::function<TResult<TWritten>(const std::string&, const TStrings&)>& write) {
    ShowEinstellPanel(false);
    SetStatusText("Erzeuge Testbench");
    Status->SayCancelled();
    const QString chosen = Dialogs().ChooseFile(this, "VHDL-Datei für Testbench auswählen",
                                                PathToQ(WorkingDir_), "", "VHDL-Datei (*.vhd)");
    if (!chosen.isEmpty()) {
        const std::string design = PathFromQ(chosen);
        TStrings lines;
        if (ReportReadFailure(this, design, ReadLines(design, lines))) {
            Status->Say("Nicht gelesen: " + chosen, true);
        } else {
            const TResult<TWritten> o = write(design, lines);
            ShowOutcome(this, o);
            Status->Report(o);
        }
    }
    ShowEinstellPanel(false);
}

void TMainForm::Hilfe2Click() {
    HelpJump(HelpUebersicht);
}

void TMainForm::AboutClick() {
    TAboutBox box(this);
    Dialogs().ExecModal(&box);
}

void TMainForm::BeendenClick() {
    close();
}

} // namespace korvalt

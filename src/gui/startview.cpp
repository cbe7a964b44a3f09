#include "gui/startview.h"

#include <QBoxLayout>
#include <QCommandLinkButton>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QScrollArea>

#include "app/catalogue.h"
#include "gui/dialogs.h"
#include "gui/help.h"
#include "gui/helptopics.h"
#include "gui/mainwindow.h"
#include "gui/qtext.h"
#include "gui/recentfiles.h"

namespace korvalt {

namespace {

constexpr int PathRole = Qt::UserRole;
constexpr int MooreRole = Qt::UserRole + 1;

QLabel* Heading(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    return label;
}

QLabel* Explanation(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

QListWidget* List(const char* name, int help, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    SetHelpContext(list, help);
    list->setUniformItemSizes(true);
    return list;
}

// A recent file: its name, then its folder; the whole path as tool tip.
QListWidgetItem* RecentItem(const QString& path, const QString& kind) {
    const QFileInfo info(path);
    auto* item = new QListWidgetItem(kind + info.fileName() + "   " + info.path());
    item->setToolTip(path);
    item->setData(PathRole, path);
    return item;
}

} // namespace

TStartView::TStartView(TMainForm* form, QWidget* parent) : QWidget(parent), Form(form) {
    setObjectName("StartView");
    SetHelpContext(this, HelpStartansicht);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    outer->addWidget(scroll);
    auto* inner = Inner = new QWidget(scroll);
    scroll->setWidget(inner);

    auto* page = new QVBoxLayout(inner);
    auto* top = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    right->setSpacing(0);
    top->addLayout(left, 2);
    top->addLayout(right, 3);
    page->addLayout(top);

    auto* neu = Heading("&Neues Modul", inner);
    VorlagenListe = List("VorlagenListe", HelpNeuesModul, inner);
    neu->setBuddy(VorlagenListe);
    left->addWidget(neu);
    left->addWidget(Explanation("Ein VHDL-Modul aus einer Vorlage: Vorlage anklicken, "
                                "Werte eintragen, Datei erzeugen.",
                                inner));
    left->addWidget(VorlagenListe, 1);
    connect(VorlagenListe, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { Form->MenuSelectClick(VorlagenListe->row(item)); });
    connect(VorlagenListe, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { Form->MenuSelectClick(VorlagenListe->row(item)); });
    OrdnerLabel = new QLabel(inner);
    OrdnerLabel->setObjectName("StartOrdnerLabel");
    OrdnerLabel->setWordWrap(true);
    OrdnerLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    left->addWidget(OrdnerLabel);
    AddCommand(left, "Einstellungen",
               "Den Arbeitsordner wählen, in den die erzeugten Dateien geschrieben werden.",
               "StartEinstellungen", HelpEinstellungen, &TMainForm::EinstellungenClick);

    AddCommand(right, "Moore-&Automat",
               "Einen Automaten beschreiben, dessen Ausgänge nur vom Zustand abhängen.",
               "StartMoore", HelpMooreAutomat, &TMainForm::MooreAutomatClick);
    AddCommand(right, "&Mealy-Automat",
               "Einen Automaten beschreiben, dessen Ausgänge auch von den Eingängen abhängen.",
               "StartMealy", HelpMealyAutomat, &TMainForm::MealyAutomatClick);
    AddCommand(right, "&Testbench", "Ein Testbench-Gerüst (.wdl) neben einen Entwurf schreiben.",
               "StartTestbench", HelpTestbench, &TMainForm::TestbenchClick);
    AddCommand(right, "Testbench (VHDL-&2008)",
               "Eine lauffähige Testbench ENTITY_tb.vhd neben einen Entwurf schreiben.",
               "StartTestbenchVhdl", HelpTestbenchVhdl2008, &TMainForm::TestbenchVhdlClick);
    AddCommand(right, "&Komponente einfügen",
               "Einen Entwurf des Arbeitsordners als Komponente in eine VHDL-Datei einfügen.",
               "StartKomponente", HelpKomponenteEinfuegen, &TMainForm::Komponente_einfuegenClick);
    right->addStretch(1);

    auto* bottom = new QHBoxLayout;
    page->addLayout(bottom);
    page->addStretch(1);
    auto* automaten = new QVBoxLayout;
    auto* erzeugt = new QVBoxLayout;
    bottom->addLayout(automaten, 2);
    bottom->addLayout(erzeugt, 3);
    AutomatenListe = List("AutomatenListe", HelpOeffnenSpeichern, inner);
    ErzeugtListe = List("ErzeugtListe", HelpStartansicht, inner);
    automaten->addWidget(Heading("Zuletzt bearbeitete Automaten", inner));
    automaten->addWidget(AutomatenListe);
    erzeugt->addWidget(Heading("Zuletzt erzeugte Dateien", inner));
    erzeugt->addWidget(ErzeugtListe);
    for (QListWidget* list : {AutomatenListe, ErzeugtListe}) {
        list->setFixedHeight(6 * list->fontMetrics().height());
        connect(list, &QListWidget::itemActivated, this, &TStartView::OpenRecent);
    }
    Refresh();
}

void TStartView::AddCommand(QBoxLayout* into, const QString& caption, const QString& explanation,
                            const char* name, int help, void (TMainForm::*slot)()) {
    auto* button = new QCommandLinkButton(caption, explanation, this);
    button->setObjectName(name);
    button->setAutoDefault(true); // Enter runs the command, as Space does
    SetHelpContext(button, help);
    connect(button, &QPushButton::clicked, Form, slot);
    into->addWidget(button);
}

QSize TStartView::sizeHint() const {
    constexpr int ExplanationWidth = 780; // the longest explanation on one line beside the list
    const QSize inner = Inner->sizeHint();
    const int height = Inner->heightForWidth(ExplanationWidth);
    return {std::max(inner.width(), ExplanationWidth), std::max(height, inner.height())};
}

void TStartView::Refresh() {
    VorlagenListe->clear();
    for (const std::string& entry : Form->TemplateList()) {
        auto* item = new QListWidgetItem(PathToQ(CatalogueCaption(entry)), VorlagenListe);
        item->setToolTip(PathToQ(CatalogueFile(entry)));
    }
    OrdnerLabel->setText("Arbeitsordner: " + PathToQ(Form->WorkingDir()));
    AutomatenListe->clear();
    for (bool moore : {true, false})
        for (const QString& path : RecentAutomatFiles(moore)) {
            QListWidgetItem* item = RecentItem(path, moore ? "Moore: " : "Mealy: ");
            item->setData(MooreRole, moore);
            AutomatenListe->addItem(item);
        }
    ErzeugtListe->clear();
    for (const QString& path : GeneratedFiles())
        ErzeugtListe->addItem(RecentItem(path, ""));
}

// A state-machine file opens in the editor of its kind; a generated file in
// the application the desktop has for it.
void TStartView::OpenRecent(QListWidgetItem* item) {
    const QString path = item->data(PathRole).toString();
    if (item->listWidget() == AutomatenListe)
        Form->OpenAutomat(item->data(MooreRole).toBool(), path);
    else
        Dialogs().OpenExternally(this, path);
}

} // namespace korvalt

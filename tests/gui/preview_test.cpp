#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <filesystem>
#include <tuple>

#include "gui/gui_support.h"
#include "gui/help.h"
#include "gui/mainwindow.h"
#include "gui/qtext.h"
#include "support/testsupport.h"

using namespace korvalt;
using namespace korvalt::test;

namespace {

// The main window on a program folder holding the shipped templates; the
// user's settings go to a folder of the test's own.
class PreviewTest : public ::testing::Test {
  protected:
    TTempDir programDir, workDir, settingsDir;
    TFakeDialogs dialogs;
    std::unique_ptr<TMainForm> form;

    void SetUp() override {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(settingsDir.Path()));
        std::filesystem::copy(KORVALT_SOURCE_DIR "resources/Template", programDir.File("Template"));
        WriteBytes(programDir.File("KORVALT.INI"), workDir.Path() + "\r\n");
    }
    void Open() {
        form = std::make_unique<TMainForm>(programDir.Path());
        form->show();
    }
    template <typename T = QWidget> T* Get(const char* name) { return Find<T>(form.get(), name); }
    QList<QAction*> Templates() { return Get<QMenu>("NeuesModul")->actions(); }
    void Choose(const QString& caption) {
        for (QAction* a : Templates())
            if (a->text() == caption) return a->trigger();
        ADD_FAILURE() << "no template " << caption.toStdString();
    }
    void SelectSection(int index) {
        auto* combo = Get<QComboBox>("SubAuswahlCB");
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    QString Preview() { return Get<QPlainTextEdit>("VorschauMemo")->toPlainText(); }
    void Type(const QString& keys, bool commit) {
        auto* grid = Get<QTableWidget>("StringGrid");
        grid->editItem(grid->item(0, 1));
        auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(grid->currentIndex()));
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, keys);
        if (commit) QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
    }
};

} // namespace

TEST_F(PreviewTest, EveryShippedSectionAtItsDefaultsPreviewsTheFileWritten) {
    Open();
    dialogs.onModal = [](QDialog* prompt) {
        Find<QPushButton>(prompt, "ErzeugenBTN")->click();
        return prompt->result();
    };
    int compared = 0;
    for (int t = 0; t < Templates().size(); ++t) {
        Templates()[t]->trigger();
        const int sections = Get<QComboBox>("SubAuswahlCB")->count();
        for (int s = 0; s < sections; ++s) {
            Templates()[t]->trigger(); // writing hides the panel
            SelectSection(s);
            const QString preview = Preview();
            Get<QPushButton>("makeHDLBTN")->click(); // the prompt accepts its proposal
            const std::string out = workDir.File(Templates()[t]->text().toStdString() + ".vhd");
            EXPECT_EQ(ReadBytes(out), FromQ(QString(preview).replace("\n", "\r\n") + "\r\n"))
                << out << ", section " << s;
            std::filesystem::remove(out);
            ++compared;
        }
    }
    EXPECT_GE(compared, 20);
}

TEST_F(PreviewTest, FollowsCommittedValuesAndSectionsShowsCheckAndDescriptionAndIsRemembered) {
    WriteBytes(programDir.File("Template/kaputt.vhd"),
               "#A\r\n-BREITE[1..8]\r\n<\r\n|BREIT| |BREITE|\r\n>\r\n");
    Open();
    Choose("zaehler");
    EXPECT_TRUE(Preview().contains("entity zaehler is\n")) << Preview().toStdString();
    EXPECT_TRUE(Preview().contains("(1 downto 0)"));
    Type("8", true);
    EXPECT_TRUE(Preview().contains("(7 downto 0)"));
    Type("9", false); // not committed yet
    EXPECT_TRUE(Preview().contains("(7 downto 0)"));
    SelectSection(1);
    EXPECT_TRUE(Preview().contains("z - 1") && Preview().contains("(1 downto 0)"));
    EXPECT_EQ(Get<QLabel>("BeschreibungLabel")->toolTip(),
              "Zaehlt bei en = '1' um eins abwaerts; tc bei Zaehlerstand \"00...0\".");
    EXPECT_EQ(Get<QLabel>("PruefungLabel")->text(), "Prüfung: keine Befunde");
    // Keywords of the preview are highlighted: "library" opens the first line.
    const auto formats =
        Get<QPlainTextEdit>("VorschauMemo")->document()->firstBlock().layout()->formats();
    ASSERT_FALSE(formats.isEmpty());
    EXPECT_EQ(formats[0].start + formats[0].length, 7);
    EXPECT_EQ(formats[0].format.fontWeight(), QFont::Bold);

    // Beside the grid on a wide window, below it on a narrow one.
    auto* memo = Get("VorschauMemo");
    auto* box = Get("EinstellungenGB");
    form->resize(900, 500);
    QCoreApplication::processEvents();
    EXPECT_GT(memo->x(), box->geometry().right());
    form->resize(578, 397);
    QCoreApplication::processEvents();
    EXPECT_GT(memo->y(), box->geometry().bottom());

    // F1 on the new controls.
    QApplication::setActiveWindow(form.get());
    for (const auto& [name, topic] : {std::pair{"VorschauMemo", "1210"},
                                      {"VorschauCheckBox", "1210"},
                                      {"PruefungLabel", "1220"}}) {
        Get(name)->setFocus();
        QTest::keyClick(Get(name), Qt::Key_F1);
        EXPECT_EQ(THelpWindow::Instance()->CurrentTopic(), topic) << name;
    }

    Get<QPushButton>("AbbruchBTN")->click();
    Choose("kaputt");
    EXPECT_EQ(Get<QLabel>("PruefungLabel")->text(),
              "Prüfung: Zeile 4: Platzhalter |BREIT|: nennt keinen Parameter des Abschnitts und "
              "bleibt stehen.");

    // "Vorschau" off hides the preview, also after the next start.
    Get<QCheckBox>("VorschauCheckBox")->click();
    EXPECT_FALSE(memo->isVisible());
    Open();
    Choose("kaputt");
    EXPECT_FALSE(Get<QCheckBox>("VorschauCheckBox")->isChecked());
    EXPECT_FALSE(Get("VorschauMemo")->isVisible());
    Get<QCheckBox>("VorschauCheckBox")->click();
    EXPECT_TRUE(Get("VorschauMemo")->isVisible());
    EXPECT_EQ(Preview(), "|BREIT| 1");
    // The preview expands the template as it was read when chosen.
    WriteBytes(programDir.File("Template/kaputt.vhd"), "#A\r\n<\r\nneu\r\n>\r\n");
    Type("5", true);
    EXPECT_EQ(Preview(), "|BREIT| 5");
}

// The start view stands where the panel is not: the commands with their
// explanation, the shipped templates (a click opens the panel), the working
// folder and the files used last; it returns when the panel goes.
TEST_F(PreviewTest, StartViewOffersTheCommandsTemplatesAndRecentFiles) {
    QSettings settings(QSettings::UserScope, "Korvalt", "Korvalt");
    settings.setValue("Automat/ZuletztMoore", QStringList{"/nirgends/ampel.txt"});
    settings.setValue("Automat/ZuletztMealy", QStringList{});
    settings.setValue("Erzeugt/Zuletzt", QStringList{});
    Open();
    auto* view = Get("StartView");
    EXPECT_TRUE(view->isVisible());
    for (const auto& [name, caption, topic] :
         {std::tuple{"StartMoore", "Moore-&Automat", 1120},
          {"StartMealy", "&Mealy-Automat", 1130},
          {"StartTestbench", "&Testbench", 1150},
          {"StartTestbenchVhdl", "Testbench (VHDL-&2008)", 1180},
          {"StartKomponente", "&Komponente einfügen", 1140},
          {"StartEinstellungen", "Einstellungen", 1160}}) {
        auto* button = Get<QPushButton>(name);
        EXPECT_EQ(button->text(), QString::fromUtf8(caption));
        EXPECT_EQ(HelpContextOf(button), topic) << name;
    }
    auto* templates = Get<QListWidget>("VorlagenListe");
    ASSERT_EQ(templates->count(), Templates().size());
    for (int i = 0; i < templates->count(); ++i)
        EXPECT_EQ(templates->item(i)->text(), Templates()[i]->text());
    // Every entry runs its command: here the folder choice, cancelled.
    dialogs.folders = {QString::fromStdString(workDir.File("neu"))};
    std::filesystem::create_directory(workDir.File("neu"));
    Get<QPushButton>("StartEinstellungen")->click();
    const QString folder = "Arbeitsordner: " + QString::fromStdString(workDir.File("neu/"));
    EXPECT_EQ(Get<QLabel>("StartOrdnerLabel")->text(), folder);
    EXPECT_EQ(Get<QLabel>("ArbeitsordnerText")->text(), folder);
    // The state-machine file opens in the editor of its kind; one gone says so and leaves.
    auto* automaten = Get<QListWidget>("AutomatenListe");
    ASSERT_EQ(automaten->count(), 1);
    EXPECT_TRUE(automaten->item(0)->text().startsWith("Moore: ampel.txt"));
    emit automaten->itemActivated(automaten->item(0));
    EXPECT_TRUE(dialogs.asked.back().text.contains("/nirgends/ampel.txt gibt es nicht"));
    QCoreApplication::processEvents();
    EXPECT_EQ(automaten->count(), 0);

    // A click on a template opens its panel; generating brings the view back
    // with the file among the generated ones.
    const QRect first = templates->visualItemRect(templates->item(0));
    QTest::mouseClick(templates->viewport(), Qt::LeftButton, {}, first.center());
    EXPECT_TRUE(Get("StringGrid")->isVisible());
    EXPECT_FALSE(view->isVisible());
    dialogs.fileNames = {"erzeugt.vhd"};
    Get<QPushButton>("makeHDLBTN")->click();
    EXPECT_TRUE(view->isVisible());
    auto* erzeugt = Get<QListWidget>("ErzeugtListe");
    ASSERT_EQ(erzeugt->count(), 1);
    const QString out = QString::fromStdString(workDir.File("neu/erzeugt.vhd"));
    EXPECT_EQ(erzeugt->item(0)->toolTip(), out);
    emit erzeugt->itemActivated(erzeugt->item(0));
    EXPECT_EQ(dialogs.asked.back().kind + dialogs.asked.back().text, "open" + out);
    QApplication::setActiveWindow(form.get());
    Get<QPushButton>("StartMoore")->setFocus();
    QTest::keyClick(Get("StartMoore"), Qt::Key_F1);
    EXPECT_EQ(THelpWindow::Instance()->CurrentTopic(), "1120");
}

// A value beyond its range is corrected and a number beyond 32 bits refused;
// the status bar says which, and the box "Vorschau" stays where it is.
TEST_F(PreviewTest, GridCorrectionsAreAnnouncedAndVorschauKeepsItsPlace) {
    Open();
    Choose(Templates().front()->text());
    const QString decl = Get<QTableWidget>("StringGrid")->item(0, 0)->text();
    for (const auto& [typed, said] :
         {std::pair{"99999999999", "liegt außerhalb von -2147483648..2147483647 (32 Bit) und "
                                   "wird nicht angenommen"},
          {"999999", "liegt nicht im Bereich"}}) {
        Type(typed, true);
        EXPECT_TRUE(form->Meldung().startsWith(decl.section('[', 0, 0) + ": " + typed + " " +
                                               QString::fromUtf8(said)))
            << form->Meldung().toStdString();
    }
    auto* box = Get<QCheckBox>("VorschauCheckBox");
    const QRect place = box->geometry();
    box->click();
    EXPECT_EQ(box->geometry(), place);
}

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <filesystem>

#include "app/help.h"
#include "app/u_about.h"
#include "app/u_datei.h"
#include "app/u_korvalt.h"
#include "gui/gui_support.h"
#include "support/testsupport.h"

using namespace korvalt;
using namespace korvalt::test;

namespace {

// A program folder of its own: Template/ with the counter template, a working folder.
class MainFormTest : public ::testing::Test {
  protected:
    TTempDir programDir;
    TTempDir workDir;
    TFakeDialogs dialogs;

    void SetUp() override {
        std::filesystem::create_directory(programDir.File("Template"));
        std::filesystem::copy_file(DataPath("template/zaehler.vhd"),
                                   programDir.File("Template/zaehler.vhd"));
        WriteBytes(programDir.File("Template/Register_mit-Enable.vhd"), "#A\r\n<\r\nx\r\n>\r\n");
        WriteBytes(programDir.File("Template/notes.txt"), "");
        WriteBytes(programDir.File("KORVALT.INI"), workDir.Path() + "\r\n");
    }

    std::unique_ptr<TMainForm> Open() {
        auto form = std::make_unique<TMainForm>(programDir.Path());
        form->show();
        return form;
    }

    static QAction* TemplateEntry(TMainForm& form, const QString& caption) {
        for (QAction* a : Find<QMenu>(&form, "NeuesModul")->actions())
            if (a->text() == caption) return a;
        ADD_FAILURE() << "no template entry " << caption.toStdString();
        return nullptr;
    }

    static QTableWidget* Grid(TMainForm& form) { return Find<QTableWidget>(&form, "StringGrid"); }

    // The grid's rows as "declaration|value".
    static QStringList Rows(TMainForm& form) {
        QStringList rows;
        QTableWidget* grid = Grid(form);
        for (int r = 0; r < grid->rowCount(); ++r)
            rows << grid->item(r, 0)->text() + "|" + grid->item(r, 1)->text();
        return rows;
    }

    static void SelectSection(TMainForm& form, int index) {
        auto* combo = Find<QComboBox>(&form, "SubAuswahlCB");
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }

    // Types keys into the value cell of a grid row (widget row) and commits with Enter.
    static QString TypeIntoCell(TMainForm& form, int row, const QString& keys, bool commit = true) {
        QTableWidget* grid = Grid(form);
        grid->setCurrentCell(row, 1);
        grid->editItem(grid->item(row, 1));
        auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(grid->currentIndex()));
        if (!editor) return "(no editor)";
        editor->selectAll();
        QTest::keyClicks(editor, keys);
        const QString typed = editor->text();
        if (commit) {
            QTest::keyClick(editor, Qt::Key_Return);
            QCoreApplication::processEvents();
        }
        return typed;
    }
};

} // namespace

TEST_F(MainFormTest, ListsQualifyingTemplatesSortedAndStartsWithThePanelHidden) {
    auto form = Open();
    QStringList captions;
    for (QAction* a : Find<QMenu>(form.get(), "NeuesModul")->actions())
        captions << a->text();
    EXPECT_EQ(captions, (QStringList{"Register mit,Enable", "zaehler"}));
    EXPECT_TRUE(Find<QMenu>(form.get(), "NeuesModul")->menuAction()->isVisible());
    EXPECT_FALSE(Find<QComboBox>(form.get(), "SubAuswahlCB")->isVisible());
    EXPECT_FALSE(Grid(*form)->isVisible());
    EXPECT_EQ(form->StatusText(), "");
    EXPECT_EQ(form->WorkingDir(), workDir.Path());

    // "Abbruch" leaves a template: the panel goes, the menu entry comes back.
    TemplateEntry(*form, "zaehler")->trigger();
    Find<QPushButton>(form.get(), "AbbruchBTN")->click();
    EXPECT_FALSE(Grid(*form)->isVisible());
    EXPECT_TRUE(Find<QMenu>(form.get(), "NeuesModul")->menuAction()->isVisible());
    EXPECT_EQ(form->StatusText(), "");
}

TEST_F(MainFormTest, ChoosingATemplateFillsSectionsAndGridWithDefaults) {
    auto form = Open();
    TemplateEntry(*form, "zaehler")->trigger();
    auto* combo = Find<QComboBox>(form.get(), "SubAuswahlCB");
    EXPECT_TRUE(combo->isVisible());
    EXPECT_FALSE(Find<QMenu>(form.get(), "NeuesModul")->menuAction()->isVisible());
    EXPECT_EQ(form->StatusText(), "Read: zaehler.vhd");
    EXPECT_EQ(form->TemplateFile(), programDir.File("Template/zaehler.vhd"));
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->itemText(0), "Aufwaertszaehler");
    EXPECT_EQ(combo->currentIndex(), 0);

    QTableWidget* grid = Grid(*form);
    EXPECT_EQ(grid->horizontalHeaderItem(0)->text() + grid->horizontalHeaderItem(1)->text(),
              "AuswahlVariable");
    EXPECT_EQ(Rows(*form), (QStringList{"BREITE[4..16]|4", "START[0,15]|0"}));
    EXPECT_EQ(grid->columnWidth(0), 104); // 8 points x 13 characters
    EXPECT_EQ(grid->columnWidth(1), 104);
    EXPECT_FALSE(grid->item(0, 0)->flags() & Qt::ItemIsEditable);

    SelectSection(*form, 1);
    EXPECT_EQ(Rows(*form), (QStringList{"BREITE[8]|8"}));
    EXPECT_EQ(grid->columnWidth(0), 80);
}

TEST_F(MainFormTest, TypingIsFilteredAndTheRangeIsCheckedWhenTheEditIsCommitted) {
    auto form = Open();
    TemplateEntry(*form, "zaehler")->trigger();
    QTableWidget* grid = Grid(*form);
    // Letters, blanks and Backspace never reach the cell; 20 stays while typing.
    EXPECT_EQ(TypeIntoCell(*form, 1, "2a 0\b", false), "20");
    QTest::keyClick(grid->indexWidget(grid->currentIndex()), Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(grid->item(1, 1)->text(), "0");
    // 12 is typeable in 4..16; 1 alone is corrected to the lower bound on commit.
    EXPECT_EQ(TypeIntoCell(*form, 0, "12"), "12");
    EXPECT_EQ(grid->item(0, 1)->text(), "12");
    TypeIntoCell(*form, 0, "1");
    EXPECT_EQ(grid->item(0, 1)->text(), "4");
    // A default alone sets no range: 6 typed into BREITE[8] stays 6.
    SelectSection(*form, 1);
    TypeIntoCell(*form, 0, "6");
    EXPECT_EQ(grid->item(0, 1)->text(), "6");
}

TEST_F(MainFormTest, TabMovesBetweenValueCellsOnly) {
    auto form = Open();
    TemplateEntry(*form, "zaehler")->trigger();
    QTableWidget* grid = Grid(*form);
    EXPECT_EQ(grid->currentColumn(), 1);
    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_EQ(grid->currentRow(), 1);
    EXPECT_EQ(grid->currentColumn(), 1);
    QTest::keyClick(grid, Qt::Key_Backtab);
    EXPECT_EQ(grid->currentRow(), 0);
    EXPECT_EQ(grid->currentColumn(), 1);
}

TEST_F(MainFormTest, GeneratesTheCounterThroughThePromptAndAsksBeforeOverwriting) {
    auto form = Open();
    TemplateEntry(*form, "zaehler")->trigger();
    TypeIntoCell(*form, 0, "8");
    TypeIntoCell(*form, 1, "3", false); // still open when the button is pressed
    dialogs.onModal = [](QDialog* prompt) {
        auto* edit = prompt->findChild<QLineEdit*>("Edit1");
        EXPECT_EQ(edit->text(), "zaehler.vhd");
        edit->setText("Zaehler8");
        QTest::keyClick(edit, Qt::Key_Return);
        return prompt->result();
    };
    Find<QPushButton>(form.get(), "makeHDLBTN")->click();
    EXPECT_EQ(form->StatusText(), "Fertig");
    EXPECT_FALSE(Grid(*form)->isVisible());
    EXPECT_TRUE(
        MatchesExpected(ReadBytes(workDir.File("zaehler8.VHD")), "template/zaehler8.VHD", false));

    // Again: No keeps the file and brings the panel back with the typed values.
    TemplateEntry(*form, "zaehler")->trigger();
    TypeIntoCell(*form, 0, "9");
    dialogs.onModal = nullptr;
    dialogs.fileNames = {"zaehler8"};
    dialogs.yesNo = {false};
    Find<QPushButton>(form.get(), "makeHDLBTN")->click();
    ASSERT_EQ(dialogs.asked.back().kind, "question");
    EXPECT_EQ(dialogs.asked.back().caption, "Frage");
    EXPECT_EQ(dialogs.asked.back().text, "Datei überschreiben?");
    EXPECT_TRUE(Grid(*form)->isVisible());
    EXPECT_EQ(Grid(*form)->item(0, 1)->text(), "9");
    EXPECT_EQ(form->StatusText(), "Erzeuge VHDL-Datei ");
    EXPECT_NE(ReadBytes(workDir.File("zaehler8.VHD")).find("(7 downto 0)"), std::string::npos);

    // Yes overwrites.
    dialogs.fileNames = {"zaehler8"};
    dialogs.yesNo = {true};
    Find<QPushButton>(form.get(), "makeHDLBTN")->click();
    EXPECT_EQ(form->StatusText(), "Fertig");
    EXPECT_NE(ReadBytes(workDir.File("zaehler8.VHD")).find("(8 downto 0)"), std::string::npos);
}

TEST_F(MainFormTest, EmptyNameUsesTheTemplateNameAndAFolderWithADotKeepsTheExtension) {
    auto form = Open();
    std::filesystem::create_directory(workDir.File("v1.0"));
    dialogs.folders = {QString::fromStdString(workDir.File("v1.0"))};
    Find<QAction>(form.get(), "Einstellungen")->trigger();
    EXPECT_EQ(form->WorkingDir(), workDir.File("v1.0/"));
    TemplateEntry(*form, "zaehler")->trigger();
    dialogs.fileNames = {"zaehler8"};
    Find<QPushButton>(form.get(), "makeHDLBTN")->click();
    EXPECT_TRUE(std::filesystem::exists(workDir.File("v1.0/zaehler8.VHD")));
    EXPECT_EQ(ReadBytes(workDir.File("v1.0/zaehler8.VHD")).substr(0, 17), "entity zaehler8 i");

    TemplateEntry(*form, "zaehler")->trigger();
    dialogs.fileNames = {""};
    Find<QPushButton>(form.get(), "makeHDLBTN")->click();
    EXPECT_TRUE(std::filesystem::exists(workDir.File("v1.0/zaehler.vhd")));
}

TEST_F(MainFormTest, AnUnwritableFolderIsReportedAndTheStatusIsNotFertig) {
    WriteBytes(workDir.File("plain.txt"), "keep");
    WriteBytes(programDir.File("KORVALT.INI"), workDir.File("plain.txt/") + "\r\n");
    auto form = Open();
    TemplateEntry(*form, "zaehler")->trigger();
    dialogs.fileNames = {"zaehler8"};
    Find<QPushButton>(form.get(), "makeHDLBTN")->click();
    ASSERT_EQ(dialogs.asked.back().kind, "message");
    EXPECT_EQ(dialogs.asked.back().caption, "Fehler");
    EXPECT_TRUE(dialogs.asked.back().text.contains("plain.txt/zaehler8.VHD"));
    EXPECT_EQ(form->StatusText(), "Erzeuge VHDL-Datei ");
    EXPECT_EQ(ReadBytes(workDir.File("plain.txt")), "keep");
}

TEST_F(MainFormTest, WorkingFolderIsReadAtStartAndWrittenAtExit) {
    WriteBytes(programDir.File("KORVALT.INI"), "/erste/\r\n/zweite/\r\n");
    {
        auto form = Open();
        EXPECT_EQ(form->WorkingDir(), "/erste/");
        dialogs.folders = {""}; // cancelled: nothing changes
        Find<QAction>(form.get(), "Einstellungen")->trigger();
        EXPECT_EQ(form->WorkingDir(), "/erste/");
        dialogs.folders = {QString::fromStdString(workDir.Path() + "neu")};
        Find<QAction>(form.get(), "Einstellungen")->trigger();
        EXPECT_EQ(dialogs.asked.back().caption, "Arbeitsverzeichnis auswählen");
    }
    EXPECT_EQ(ReadBytes(programDir.File("KORVALT.INI")), workDir.Path() + "neu/\r\n");
    std::filesystem::remove(programDir.File("KORVALT.INI"));
    auto form = Open();
    EXPECT_EQ(form->WorkingDir(), programDir.Path());
}

TEST_F(MainFormTest, ResizeKeepsAMinimumWidthAndCentresTheButtonsInTheirHalves) {
    auto form = Open();
    TemplateEntry(*form, "zaehler")->trigger();
    for (int width : {578, 900, 200}) {
        form->resize(width, 397);
        QCoreApplication::processEvents();
        const int w = std::max(width, 338);
        EXPECT_EQ(form->width(), w);
        auto* abbruch = Find<QPushButton>(form.get(), "AbbruchBTN");
        auto* make = Find<QPushButton>(form.get(), "makeHDLBTN");
        EXPECT_EQ(abbruch->x(), (w / 2 - 169) / 2) << width;
        EXPECT_EQ(make->x(), abbruch->x() + w / 2) << width;
    }
}

TEST_F(MainFormTest, F1OpensTheTopicOfTheFocusedControlOrTheHighlightedMenuEntry) {
    auto form = Open();
    QApplication::setActiveWindow(form.get());
    TemplateEntry(*form, "zaehler")->trigger();
    Grid(*form)->setFocus();
    QTest::keyClick(Grid(*form), Qt::Key_F1);
    EXPECT_EQ(THelpWindow::Instance()->CurrentTopic(), "1300");
    Find<QComboBox>(form.get(), "SubAuswahlCB")->setFocus();
    QTest::keyClick(Find<QComboBox>(form.get(), "SubAuswahlCB"), Qt::Key_F1);
    EXPECT_EQ(THelpWindow::Instance()->CurrentTopic(), "1200");

    auto* datei = Find<QMenu>(form.get(), "Datei");
    datei->popup(QPoint(0, 0));
    QCoreApplication::processEvents();
    datei->setActiveAction(Find<QAction>(form.get(), "Testbench"));
    QTest::keyClick(datei, Qt::Key_F1);
    EXPECT_EQ(THelpWindow::Instance()->CurrentTopic(), "1150");
    datei->close();

    // An entry of the menu bar itself, highlighted from the keyboard.
    QMenuBar* bar = form->menuBar();
    bar->setFocus();
    bar->setActiveAction(Find<QAction>(form.get(), "Einstellungen"));
    QTest::keyClick(bar, Qt::Key_F1);
    EXPECT_EQ(THelpWindow::Instance()->CurrentTopic(), "1160");

    Find<QAction>(form.get(), "Hilfe2")->trigger();
    EXPECT_EQ(THelpWindow::Instance()->CurrentTopic(), "1000");
}

TEST(DateinameForm, ProposesLowerCaseReplacesOnTypingAndKeepsTypedFolders) {
    TDateinameForm prompt;
    prompt.SetFileName("Zaehler.VHD");
    auto* edit = Find<QLineEdit>(&prompt, "Edit1");
    EXPECT_EQ(edit->text(), "zaehler.vhd");
    EXPECT_EQ(prompt.GetFileName(), "zaehler.vhd");
    prompt.show();
    QTest::keyClicks(edit, "Sub/Mein\xC3\x84X"); // "SubMeinÄX": Ä is no A-Z letter
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(prompt.GetFileName(), QString::fromUtf8("Sub/mein\xC3\x84x"));
    EXPECT_EQ(prompt.result(), QDialog::Accepted);
}

TEST(DateinameForm, ClosingWithoutTheButtonKeepsTheProposal) {
    TDateinameForm prompt;
    prompt.SetFileName("Zaehler.vhd");
    prompt.show();
    QTest::keyClicks(Find<QLineEdit>(&prompt, "Edit1"), "anders");
    prompt.reject();
    EXPECT_EQ(prompt.GetFileName(), "zaehler.vhd");
}

TEST(AboutBox, ShowsProductVersionAndClosesWithOk) {
    TAboutBox box;
    EXPECT_EQ(box.windowTitle(), "Infos");
    QStringList texts;
    for (auto* label : box.findChildren<QLabel*>())
        texts << label->text();
    for (const char* t : {"Produktname", "Korvalt", "Version", "1.0", "Kommentare", "Testbetrieb"})
        EXPECT_TRUE(texts.contains(t)) << t;
    box.show();
    Find<QPushButton>(&box, "OKButton")->click();
    EXPECT_FALSE(box.isVisible());
}

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <filesystem>

#include "gui/filenamedialog.h"
#include "gui/gui_support.h"
#include "gui/help.h"
#include "gui/mainwindow.h"
#include "support/testsupport.h"

using namespace korvalt;
using namespace korvalt::test;

namespace {

// The main window on a program folder of its own: Template/ with the counter
// template and two other files, KORVALT.INI naming a working folder.
class MainFormTest : public ::testing::Test {
  protected:
    TTempDir programDir, workDir;
    TFakeDialogs dialogs;
    std::unique_ptr<TMainForm> form;

    void SetUp() override {
        std::filesystem::create_directory(programDir.File("Template"));
        std::filesystem::copy_file(DataPath("template/zaehler.vhd"),
                                   programDir.File("Template/zaehler.vhd"));
        // An empty line after a header: A has no parameter, B keeps its own.
        WriteBytes(programDir.File("Template/Register_mit-Enable.vhd"),
                   "#A\r\n\r\n-N[1,2]\r\n<\r\nx\r\n>\r\n#B\r\n-M[3]\r\n<\r\n|M|\r\n>\r\n");
        WriteBytes(programDir.File("Template/notes.txt"), "");
        WriteBytes(programDir.File("KORVALT.INI"), workDir.Path() + "\r\n");
    }

    void Open() {
        form = std::make_unique<TMainForm>(programDir.Path());
        form->show();
    }
    template <typename T = QWidget> T* Get(const char* name) { return Find<T>(form.get(), name); }
    QTableWidget* Grid() { return Get<QTableWidget>("StringGrid"); }
    bool MenuShown() { return Get<QMenu>("NeuesModul")->menuAction()->isVisible(); }
    void Act(const char* name) { Get<QAction>(name)->trigger(); }
    void Make() { Get<QPushButton>("makeHDLBTN")->click(); }
    const TFakeDialogs::TAsked& Last() { return dialogs.asked.back(); }

    void Choose(const QString& caption) {
        for (QAction* a : Get<QMenu>("NeuesModul")->actions())
            if (a->text() == caption) return a->trigger();
        ADD_FAILURE() << "no template entry " << caption.toStdString();
    }
    void SelectSection(int index) {
        auto* combo = Get<QComboBox>("SubAuswahlCB");
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    // The grid's rows as "declaration|value".
    QStringList Rows() {
        QStringList rows;
        for (int r = 0; r < Grid()->rowCount(); ++r)
            rows << Grid()->item(r, 0)->text() + "|" + Grid()->item(r, 1)->text();
        return rows;
    }
    QString Value(int row) { return Grid()->item(row, 1)->text(); }

    // Types keys into the value cell of a grid row and, unless told not to, commits with Enter.
    QString TypeIntoCell(int row, const QString& keys, bool commit = true) {
        QTableWidget* grid = Grid();
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

TEST_F(MainFormTest, CatalogueTemplateChoiceGridDefaultsAndAbbruch) {
    Open();
    QStringList captions;
    for (QAction* a : Get<QMenu>("NeuesModul")->actions())
        captions << a->text();
    EXPECT_EQ(captions, (QStringList{"Register mit,Enable", "zaehler"}));
    EXPECT_TRUE(MenuShown());
    EXPECT_FALSE(Get("SubAuswahlCB")->isVisible() || Grid()->isVisible());
    EXPECT_EQ(form->StatusText(), "");
    EXPECT_EQ(form->WorkingDir(), workDir.Path());

    Choose("zaehler");
    auto* combo = Get<QComboBox>("SubAuswahlCB");
    EXPECT_TRUE(combo->isVisible());
    EXPECT_FALSE(MenuShown());
    EXPECT_EQ(form->StatusText(), "Gelesen: zaehler.vhd");
    EXPECT_EQ(form->TemplateFile(), programDir.File("Template/zaehler.vhd"));
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->itemText(0) + "/" + combo->itemText(combo->currentIndex()),
              "Aufwaertszaehler/Aufwaertszaehler");
    EXPECT_EQ(Grid()->horizontalHeaderItem(0)->text() + Grid()->horizontalHeaderItem(1)->text(),
              "AuswahlVariable");
    EXPECT_EQ(Rows(), (QStringList{"BREITE[4..16]|4", "START[0,15]|0"}));
    EXPECT_FALSE(Grid()->item(0, 0)->flags() & Qt::ItemIsEditable);
    SelectSection(1);
    EXPECT_EQ(Rows(), (QStringList{"BREITE[8]|8"}));
    Choose("Register mit,Enable");
    EXPECT_EQ(Rows(), (QStringList{"|"}));
    SelectSection(1);
    EXPECT_EQ(Rows(), (QStringList{"M[3]|3"}));

    // "Abbruch" leaves a template: the panel goes, the menu entry comes back.
    Get<QPushButton>("AbbruchBTN")->click();
    EXPECT_FALSE(Grid()->isVisible());
    EXPECT_TRUE(MenuShown());
    EXPECT_EQ(form->StatusText(), "");
}

TEST_F(MainFormTest, TypingIsFilteredTabStaysOnValuesAndTheRangeIsCheckedOnCommit) {
    Open();
    Choose("zaehler");
    QTableWidget* grid = Grid();
    // Tab and Backtab move between the value cells only.
    EXPECT_EQ(grid->currentColumn(), 1);
    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_EQ(QPoint(grid->currentColumn(), grid->currentRow()), QPoint(1, 1));
    QTest::keyClick(grid, Qt::Key_Backtab);
    EXPECT_EQ(QPoint(grid->currentColumn(), grid->currentRow()), QPoint(1, 0));
    // Letters, blanks and Backspace never reach the cell; 20 stays while typing.
    EXPECT_EQ(TypeIntoCell(1, "2a 0\b", false), "20");
    QTest::keyClick(grid->indexWidget(grid->currentIndex()), Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(Value(1), "0");
    // 12 is typeable in 4..16; 1 alone is corrected to the lower bound on commit.
    EXPECT_EQ(TypeIntoCell(0, "12"), "12");
    EXPECT_EQ(Value(0), "12");
    TypeIntoCell(0, "1");
    EXPECT_EQ(Value(0), "4");
    // A default alone sets no range: 6 typed into BREITE[8] stays 6.
    SelectSection(1);
    TypeIntoCell(0, "6");
    EXPECT_EQ(Value(0), "6");
}

TEST_F(MainFormTest, GeneratesTheCounterThroughThePromptAndAsksBeforeOverwriting) {
    Open();
    Choose("zaehler");
    TypeIntoCell(0, "8");
    TypeIntoCell(1, "3", false); // still open when the button is pressed
    dialogs.onModal = [](QDialog* prompt) {
        auto* edit = prompt->findChild<QLineEdit*>("DateinameEDT");
        EXPECT_EQ(edit->text(), "zaehler.vhd");
        edit->setText("Zaehler8");
        QTest::keyClick(edit, Qt::Key_Return);
        return prompt->result();
    };
    Make();
    const std::string out = workDir.File("zaehler8.VHD");
    EXPECT_EQ(form->StatusText() + "|" + form->Meldung(),
              QString::fromStdString("Fertig|Geschrieben: " + out));
    EXPECT_FALSE(Grid()->isVisible());
    EXPECT_TRUE(MatchesExpected(ReadBytes(out), "template/zaehler8.VHD", false));

    // Again: No keeps the file and brings the panel back with the typed values; Yes overwrites.
    Choose("zaehler");
    TypeIntoCell(0, "9");
    dialogs.onModal = nullptr;
    dialogs.fileNames = {"zaehler8", "zaehler8"};
    dialogs.yesNo = {false, true};
    Make();
    EXPECT_EQ(Last().kind + Last().caption + Last().text,
              QString::fromStdString("questionFrageDatei überschreiben?\n" + out));
    EXPECT_TRUE(Grid()->isVisible());
    EXPECT_EQ(Value(0), "9");
    EXPECT_EQ(form->StatusText(), "Erzeuge VHDL-Datei ");
    EXPECT_NE(ReadBytes(out).find("(7 downto 0)"), std::string::npos);
    Make();
    EXPECT_EQ(form->StatusText(), "Fertig");
    EXPECT_NE(ReadBytes(out).find("(8 downto 0)"), std::string::npos);
}

TEST_F(MainFormTest, FolderWithADotEmptyNameUnwritableOrFolderOutputAndUnreadableTemplate) {
    Open();
    std::filesystem::create_directory(workDir.File("v1.0"));
    dialogs.folders = {QString::fromStdString(workDir.File("v1.0"))};
    Act("Einstellungen");
    EXPECT_EQ(form->WorkingDir(), workDir.File("v1.0/"));
    // A "." in the folder costs the file neither its extension nor |NAME|.
    Choose("zaehler");
    dialogs.fileNames = {"zaehler8"};
    Make();
    EXPECT_EQ(ReadBytes(workDir.File("v1.0/zaehler8.VHD")).substr(0, 17), "entity zaehler8 i");
    // An emptied name takes the template's own.
    Choose("zaehler");
    dialogs.fileNames = {""};
    Make();
    EXPECT_TRUE(std::filesystem::exists(workDir.File("v1.0/zaehler.vhd")));
    // A folder under the output name is refused before any question, the panel returns.
    std::filesystem::create_directory(workDir.File("v1.0/ordner.VHD"));
    Choose("zaehler");
    dialogs.fileNames = {"ordner"};
    Make();
    EXPECT_TRUE(Last().text.contains("v1.0/ordner.VHD\" ist ein Ordner"));
    EXPECT_TRUE(Grid()->isVisible());

    // A folder that cannot be written: a message, no "Fertig", the plain file intact.
    WriteBytes(workDir.File("plain.txt"), "keep");
    dialogs.folders = {QString::fromStdString(workDir.File("plain.txt"))};
    Act("Einstellungen");
    Choose("zaehler");
    dialogs.fileNames = {"zaehler8"};
    Make();
    EXPECT_EQ(Last().kind + Last().caption, "messageFehler");
    EXPECT_TRUE(Last().text.contains("plain.txt/zaehler8.VHD"));
    EXPECT_EQ(form->StatusText(), "Erzeuge VHDL-Datei ");
    EXPECT_EQ(ReadBytes(workDir.File("plain.txt")), "keep");

    // A template that cannot be read any more is reported; nothing is asked or written.
    const std::string tpl = programDir.File("Template/zaehler.vhd");
    std::filesystem::remove(tpl);
    std::filesystem::create_directory(tpl);
    for (int pass = 0; pass < 2; ++pass) {
        pass ? Choose("zaehler") : Make();
        EXPECT_TRUE(Last().text.contains(
            QString::fromStdString("\"" + tpl + "\" kann nicht gelesen werden: ")));
        EXPECT_FALSE(Grid()->isVisible());
    }
}

TEST_F(MainFormTest, ANameGivingNoIdentifierForNAMEIsRefusedByThePrompt) {
    WriteBytes(programDir.File("Template/mein_Register-breit.vhd"),
               "#A\r\n<\r\nentity |NAME| is end;\r\n>\r\n");
    Open();
    Choose("mein Register,breit");
    QStringList seen;
    QString refusal;
    dialogs.onModal = [&](QDialog* prompt) {
        auto* edit = prompt->findChild<QLineEdit*>("DateinameEDT");
        seen << edit->text();
        QTest::keyClick(edit, Qt::Key_Return); // refused: a message, the prompt stays
        seen << Last().kind + Last().caption + QString::number(prompt->isVisible());
        refusal = Last().text;
        edit->setText("Mein_Register");
        QTest::keyClick(edit, Qt::Key_Return);
        return prompt->result();
    };
    Make();
    EXPECT_EQ(seen.join('|'), "mein_register-breit.vhd|messageFehler1");
    EXPECT_TRUE(refusal.startsWith(
        "Der Name \"mein_register-breit\" (der Dateiname bis zum ersten Punkt) ist kein gültiger "
        "VHDL-Bezeichner für |NAME|"));
    EXPECT_EQ(ReadBytes(workDir.File("mein_register.VHD")), "entity mein_register is end;\r\n");
    // Leaving the prompt (Escape, the close button, "Abbrechen") writes nothing:
    // the panel returns with the values typed.
    for (const char* how : {"escape", "close", "AbbrechenBTN"}) {
        Choose("mein Register,breit");
        dialogs.onModal = [&](QDialog* prompt) {
            if (how == std::string("escape"))
                QTest::keyClick(prompt->findChild<QLineEdit*>("DateinameEDT"), Qt::Key_Escape);
            else if (how == std::string("close"))
                prompt->close();
            else
                QTest::mouseClick(prompt->findChild<QPushButton*>(how), Qt::LeftButton);
            return prompt->result();
        };
        const std::size_t asked = dialogs.asked.size();
        Make();
        EXPECT_EQ(dialogs.asked.size(), asked + 2) << how; // the prompt only, no message
        EXPECT_TRUE(Grid()->isVisible()) << how;
        EXPECT_EQ(form->Meldung(), "Abgebrochen: keine Datei geschrieben.") << how;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(workDir.Path()), {}), 1);
    }
}

TEST_F(MainFormTest, WorkingFolderIsReadAtStartAndWrittenAtExit) {
    WriteBytes(programDir.File("KORVALT.INI"), "/erste/\r\n/zweite/\r\n");
    Open();
    EXPECT_EQ(form->WorkingDir(), "/erste/");
    dialogs.folders = {"", QString::fromStdString(workDir.Path() + "neu")};
    Act("Einstellungen"); // cancelled: nothing changes
    EXPECT_EQ(form->WorkingDir(), "/erste/");
    Act("Einstellungen");
    EXPECT_EQ(Last().caption, "Arbeitsverzeichnis auswählen");
    form.reset();
    EXPECT_EQ(ReadBytes(programDir.File("KORVALT.INI")), workDir.Path() + "neu/\r\n");
    std::filesystem::remove(programDir.File("KORVALT.INI"));
    Open();
    EXPECT_EQ(form->WorkingDir(), programDir.Path());
}

TEST_F(MainFormTest, F1OpensTheTopicOfTheFocusedControlOrTheHighlightedMenuEntry) {
    Open();
    QApplication::setActiveWindow(form.get());
    Choose("zaehler");
    auto topicAfterF1 = [](QWidget* w) {
        QTest::keyClick(w, Qt::Key_F1);
        return THelpWindow::Instance()->CurrentTopic();
    };
    Grid()->setFocus();
    EXPECT_EQ(topicAfterF1(Grid()), "1300");
    Get("SubAuswahlCB")->setFocus();
    EXPECT_EQ(topicAfterF1(Get("SubAuswahlCB")), "1200");

    auto* datei = Get<QMenu>("Datei");
    datei->popup(QPoint(0, 0));
    QCoreApplication::processEvents();
    datei->setActiveAction(Get<QAction>("Testbench"));
    EXPECT_EQ(topicAfterF1(datei), "1150");
    datei->close();
    // An entry of the menu bar itself, highlighted from the keyboard.
    QMenuBar* bar = form->menuBar();
    bar->setFocus();
    bar->setActiveAction(Get<QAction>("Einstellungen"));
    EXPECT_EQ(topicAfterF1(bar), "1160");
}

// The program speaks German whatever the locale it was started in (the test
// also runs under LANG=C).
TEST(Language, StandardButtonsAndTheFileDialogSpeakGerman) {
    QMessageBox box(QMessageBox::Question, "Frage", "Datei überschreiben?",
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QStringList texts;
    for (auto b : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
        texts << box.button(b)->text().remove('&');
    EXPECT_EQ(texts.join('/'), "Ja/Nein/Abbrechen");
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text().remove('&'), "Abbrechen");
}

TEST(DateinameForm, LowerCasesTheFileNameOnlyAndEnterAccepts) {
    TDateinameForm prompt;
    prompt.SetFileName("Zaehler.VHD");
    auto* edit = Find<QLineEdit>(&prompt, "DateinameEDT");
    EXPECT_EQ(edit->text() + "|" + prompt.GetFileName(), "zaehler.vhd|zaehler.vhd");
    EXPECT_EQ(Find<QPushButton>(&prompt, "AbbrechenBTN")->text(), "Abbrechen");
    // Typing replaces the proposal; Enter acts as the button; "Ä" is no A-Z letter.
    prompt.show();
    edit->selectAll();
    QTest::keyClicks(edit, "Sub/Mein\xC3\x84X");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(prompt.GetFileName(), QString::fromUtf8("Sub/mein\xC3\x84x"));
    EXPECT_EQ(prompt.result(), QDialog::Accepted);
}

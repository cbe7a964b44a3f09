#include <QAction>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextBlock>
#include <filesystem>

#include "fsm/examples.h"
#include "fsm/workspace.h"
#include "gui/errorwindow.h"
#include "gui/fsmeditor.h"
#include "gui/gui_support.h"
#include "support/testsupport.h"

using namespace korvalt;
using namespace korvalt::test;

TEST(ErrorForm, ListsTheReportClosesWithOkAndKeepsItsButtonCentred) {
    TErrorForm form;
    EXPECT_EQ(form.windowTitle(), "Fehler in der Automatenbeschreibung");
    form.FillErrorReport({ErrNoInputs | ErrTableIncomplete, {"Der Eingang „in“ ..."}});
    EXPECT_EQ(form.ReportText(), "Es sind Fehler in der Automatenbeschreibung vorhanden!\n"
                                 "Es konnte kein VHDL-Code erzeugt werden.\n\n"
                                 "Es wurden keine Eingänge definiert!\n"
                                 "Die Automatenbeschreibung ist unvollständig!\n"
                                 "Der Eingang „in“ ...");
    form.show();
    auto* ok = Find<QPushButton>(&form, "OKButton");
    for (int width : {700, 100}) {
        form.resize(width, 263);
        QCoreApplication::processEvents();
        const int w = std::max(width, 150);
        EXPECT_EQ(form.width(), w);
        EXPECT_EQ(ok->x(), w / 2 - 75 / 2) << width;
    }
    ok->click();
    EXPECT_FALSE(form.isVisible());

    // As wide as the longest line, up to the screen.
    const int screen = QGuiApplication::primaryScreen()->availableGeometry().width();
    for (int chars : {10, 120, 2000}) {
        TErrorForm wide;
        wide.FillErrorReport({0, {std::string(static_cast<std::size_t>(chars), 'W')}});
        const int text = QFontMetrics(wide.findChild<QPlainTextEdit*>("Memo")->font())
                             .horizontalAdvance(QString(chars, 'W'));
        EXPECT_LE(wide.width(), screen) << chars;
        EXPECT_GE(wide.width(), std::min(screen, text)) << chars;
        EXPECT_EQ(wide.width() == 481, chars == 10);
    }
}

namespace {

// The editor on a program folder holding a saved machine, showing a grid.
class GenerateTest : public ::testing::Test {
  protected:
    TTempDir programDir, workDir;
    TFakeDialogs dialogs;

    std::unique_ptr<TAutomatForm> OpenWith(const TAutomat& a,
                                           const std::string& folder = std::string()) {
        EXPECT_TRUE(SaveWorkspace(a, programDir.Path()));
        auto form = std::make_unique<TAutomatForm>();
        form->Init(folder.empty() ? programDir.Path() : folder, workDir.Path(), a.Moore);
        form->show();
        if (folder.empty())
            Find<QAction>(form.get(), "aktuelleArbeit1")->trigger();
        else
            form->Automat() = a;
        Find<QAction>(form.get(), "Eingangsmatrix2")->trigger(); // "Matrix Bearbeiten"
        return form;
    }
    static void Generate(TAutomatForm& form) {
        QAction* a = Find<QAction>(&form, "ErzeugeVHDLDatei1");
        EXPECT_TRUE(a->isEnabled());
        a->trigger();
    }
};

} // namespace

TEST_F(GenerateTest, WritesTheMachineIntoTheWorkingFolderUnderThePromptedName) {
    for (const TAutomat& a : {MooreExample(), MealyExample()}) {
        auto form = OpenWith(a);
        const char* file = a.Moore ? "moore.vhd" : "mealy.vhd";
        dialogs.onModal = [](QDialog* prompt) {
            if (!prompt->findChild<QWidget*>("DateinameEDT")) return 0;
            QTest::keyClick(prompt->findChild<QWidget*>("DateinameEDT"), Qt::Key_Return);
            return prompt->result();
        };
        Generate(*form);
        EXPECT_EQ(dialogs.asked.back().kind, "modal");
        EXPECT_EQ(dialogs.asked.back().caption, "Dateiname?");
        EXPECT_TRUE(
            MatchesExpected(ReadBytes(workDir.File(file)), std::string("fsm/") + file, false));
        EXPECT_FALSE(form->Modified());
    }
}

TEST_F(GenerateTest, FailedChecksShowTheErrorWindowAndWriteNothing) {
    TAutomat a = MooreExample();
    a.Ausgangstabelle[1] = "S1|";
    a.Eingangsmatrix[0] = "Begin|0";
    a.Automatentabelle = {"S0|S1|X1", "S1|S0|Begin"};
    auto form = OpenWith(a);
    QString report;
    // A double-click on the line naming a row closes the window; other lines do nothing.
    dialogs.onModal = [&](QDialog* window) {
        EXPECT_EQ(window->objectName(), "ErrorForm");
        auto* memo = window->findChild<QPlainTextEdit*>("Memo");
        report = memo->toPlainText();
        for (const QString& line : {QString("Es konnte kein VHDL-Code erzeugt werden."),
                                    QString::fromUtf8("  Zeile 2: „S1|“")}) {
            QTextCursor at(memo->document()->findBlockByNumber(
                static_cast<int>(report.split('\n').indexOf(line))));
            QTest::mouseDClick(memo->viewport(), Qt::LeftButton, {}, memo->cursorRect(at).center());
        }
        EXPECT_FALSE(window->isVisible());
        return 0;
    };
    Generate(*form);
    EXPECT_EQ(form->CurrentTab(), 4); // the Ausgangstabelle, its row 2 selected
    EXPECT_EQ(form->findChild<TAutomatGrid*>("AutomatGrid")->CurrentTableRow(), 2);
    EXPECT_EQ(form->StatusText(), "Keine Datei geschrieben: die Automatenbeschreibung hat Fehler.");
    EXPECT_TRUE(
        report.contains("Es wurden nicht allen Zuständen eine Ausgangsbelegung zugeordnet!"));
    EXPECT_TRUE(report.contains("Der Eingang „Begin“ ist ein reserviertes Wort von VHDL!"));
    EXPECT_TRUE(std::filesystem::is_empty(workDir.Path()));
    // The work was saved before the checks.
    EXPECT_NE(ReadBytes(programDir.File("Moore.txt")).find("Begin|0"), std::string::npos);
}

TEST_F(GenerateTest, IllegalNamesFoldersAndFailedSavesAreReportedAndOverwritingAsked) {
    auto form = OpenWith(MooreExample());
    std::filesystem::create_directory(workDir.File("ordner.vhd"));
    dialogs.fileNames = {"2takt.vhd", "ordner.vhd", "ordner.vhd", "ordner.vhd"};
    Generate(*form);
    ASSERT_EQ(dialogs.asked.back().kind, "message");
    EXPECT_TRUE(dialogs.asked.back().text.contains("„2takt“"));
    // A folder is refused without a question; an existing file is overwritten after Ja only.
    Generate(*form);
    EXPECT_TRUE(dialogs.asked.back().text.contains("ordner.vhd\" ist ein Ordner"));
    std::filesystem::remove(workDir.File("ordner.vhd"));
    WriteBytes(workDir.File("ordner.vhd"), "mein Entwurf");
    dialogs.yesNo = {false, true};
    Generate(*form);
    EXPECT_EQ(dialogs.asked.back().caption + dialogs.asked.back().text,
              "FrageDatei überschreiben?\n" + QString::fromStdString(workDir.File("ordner.vhd")));
    EXPECT_EQ(ReadBytes(workDir.File("ordner.vhd")), "mein Entwurf");
    Generate(*form);
    EXPECT_EQ(ReadBytes(workDir.File("ordner.vhd")).substr(0, 13), "library IEEE;");
    std::filesystem::remove(workDir.File("ordner.vhd"));

    // A program folder that cannot be written: the save fails, nothing is checked or asked.
    WriteBytes(programDir.File("plain.txt"), "");
    auto blocked = OpenWith(MooreExample(), programDir.File("plain.txt/"));
    blocked->SetModified(true);
    const std::size_t before = dialogs.asked.size();
    Generate(*blocked);
    ASSERT_EQ(dialogs.asked.size(), before + 1);
    EXPECT_EQ(dialogs.asked.back().kind, "message");
    EXPECT_TRUE(dialogs.asked.back().text.contains("plain.txt/Moore.txt"));
    EXPECT_TRUE(blocked->Modified());
    EXPECT_TRUE(std::filesystem::is_empty(workDir.Path()));
}

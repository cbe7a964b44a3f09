#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTest>

#include "app/help.h"
#include "app/u_korvalt.h"
#include "fsm/u_automat.h"
#include "fsm/workspace.h"
#include "gui/gui_support.h"
#include "support/testsupport.h"

using namespace korvalt;
using namespace korvalt::test;

namespace {

// A machine with a transition row whose Bedingung is empty (Z0|Z1|).
const char* const LoadedMoore =
    "#IB2\r\n#OB1\r\n#IN\r\ngo|01\r\nstop|10\r\nhalt|11\r\n#OUT\r\n"
    "an|1\r\naus|0\r\n#Z\r\nZ0|0\r\nZ1|1\r\n#AUTOMAT\r\nZ0|Z1|go\r\n"
    "Z0|Z1|stop\r\nZ0|Z1|\r\nZ1|Z0|halt\r\n#AUSGTAB\r\nZ0|aus\r\nZ1|an\r\n"
    "#RSTZ0\r\n#BRST1\r\n#BCLK1\r\n";

class AutomatFormTest : public ::testing::Test {
  protected:
    TTempDir programDir;
    TFakeDialogs dialogs;

    std::unique_ptr<TAutomatForm> Open(bool moore, const std::string& dir = "") {
        auto form = std::make_unique<TAutomatForm>();
        form->Init(dir.empty() ? programDir.Path() : dir, programDir.Path(), moore);
        form->show();
        return form;
    }

    std::unique_ptr<TAutomatForm> OpenLoaded() {
        WriteBytes(programDir.File("Moore.txt"), LoadedMoore);
        auto form = Open(true);
        Act(*form, "aktuelleArbeit1");
        return form;
    }

    static void Act(TAutomatForm& form, const char* name) { Find<QAction>(&form, name)->trigger(); }
    static bool Enabled(TAutomatForm& form, const char* name) {
        return Find<QAction>(&form, name)->isEnabled();
    }
    static QPlainTextEdit* Memo(TAutomatForm& form) {
        return Find<QPlainTextEdit>(&form, "VarMemo");
    }
    static QLineEdit* BitEdit(TAutomatForm& form) { return Find<QLineEdit>(&form, "BitEdit"); }
    static TAutomatGrid* Grid(TAutomatForm& form) {
        return Find<TAutomatGrid>(&form, "AutomatGrid");
    }
    static void SelectTab(TAutomatForm& form, int tab) {
        Find<QTabBar>(&form, "TabControl1")->setCurrentIndex(tab);
    }

    // Types names into the memo; "\n" presses Enter.
    static void TypeNames(TAutomatForm& form, const QString& keys) {
        for (QChar c : keys) {
            if (c == u'\n') {
                QTest::keyClick(Memo(form), Qt::Key_Return);
                continue;
            }
            QKeyEvent press(QEvent::KeyPress, c.toUpper().unicode(), Qt::NoModifier, QString(c));
            QApplication::sendEvent(Memo(form), &press);
        }
    }

    // Types into a grid cell given in CellTable numbering and commits with Enter.
    static QString TypeIntoCell(TAutomatForm& form, int col, int row, const QString& keys) {
        TAutomatGrid* grid = Grid(form);
        grid->SetCurrentTableCell(col, row);
        grid->editItem(grid->currentItem());
        auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(grid->currentIndex()));
        if (!editor) return "(no editor)";
        editor->selectAll();
        QTest::keyClicks(editor, keys);
        const QString typed = editor->text();
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
        return typed;
    }

    // Chooses a context-menu entry for a table cell, opened by Enter as the user would.
    void Choose(TAutomatForm& form, int col, int row, const QString& caption) {
        Grid(form)->SetCurrentTableCell(col, row);
        dialogs.popupChoices = {caption};
        QTest::keyClick(Grid(form), Qt::Key_Return);
        EXPECT_TRUE(dialogs.popupChoices.empty());
    }

    static QString Cell(TAutomatForm& form, int col, int row) {
        return QString::fromStdString(Grid(form)->Table().Cell(col, row));
    }
};

} // namespace

TEST_F(AutomatFormTest, MenusStayDisabledUntilNeuOrLoadingAndGridsNeedAllThreeLists) {
    auto form = Open(true);
    EXPECT_EQ(form->windowTitle(), "Moore - Automat");
    EXPECT_EQ(HelpContextOf(form.get()), 3000);
    EXPECT_EQ(HelpContextOf(Grid(*form)), 3100);
    EXPECT_FALSE(Enabled(*form, "Statemaschine1Item"));
    EXPECT_FALSE(Enabled(*form, "Speichern1"));
    EXPECT_TRUE(Enabled(*form, "aktuelleArbeit1"));
    EXPECT_FALSE(Find<QWidget>(form.get(), "TabPanel")->isVisible());

    Act(*form, "Neu1");
    EXPECT_EQ(form->View(), TAutomatForm::ViewVorgaben);
    EXPECT_TRUE(Enabled(*form, "Statemaschine1Item"));
    EXPECT_TRUE(Enabled(*form, "Speichern1"));
    EXPECT_FALSE(Enabled(*form, "ErzeugeVHDLDatei1"));
    EXPECT_EQ(Find<QGroupBox>(form.get(), "GB1")->title(), "Eingangssignale");
    EXPECT_EQ(HelpContextOf(BitEdit(*form)), 2140);
    TypeNames(*form, "a");
    SelectTab(*form, 1);
    EXPECT_EQ(HelpContextOf(BitEdit(*form)), 2150);
    TypeNames(*form, "y");
    EXPECT_FALSE(form->UpdateMenus()); // inputs and outputs, but no states
    EXPECT_FALSE(Enabled(*form, "Bearbeiten1Item"));
    EXPECT_FALSE(Enabled(*form, "AutomatenbeschreibungItem"));
    SelectTab(*form, 2);
    TypeNames(*form, "Z0");
    EXPECT_TRUE(form->UpdateMenus());
    EXPECT_TRUE(Enabled(*form, "AutomatenbeschreibungItem"));

    Act(*form, "Automatentabelle1");
    EXPECT_TRUE(Enabled(*form, "ErzeugeVHDLDatei1"));
    EXPECT_EQ(HelpContextOf(Grid(*form)), 3110);
    EXPECT_EQ(Find<QTabBar>(form.get(), "TabControl1")->count(), 5);

    auto mealy = Open(false);
    EXPECT_EQ(mealy->windowTitle(), "Mealy - Automat");
    EXPECT_EQ(HelpContextOf(mealy.get()), 4000);
    Act(*mealy, "Neu1");
    EXPECT_FALSE(Find<QAction>(mealy.get(), "Ausgangstabelle1")->isVisible());
}

TEST_F(AutomatFormTest, BitWidthFollowsTheTypedNamesAndOnlyLettersAndDigitsAreTyped) {
    auto form = Open(true);
    Act(*form, "Neu1");
    TypeNames(*form, "a");
    EXPECT_EQ(BitEdit(*form)->text(), "0");
    TypeNames(*form, "\n");
    EXPECT_EQ(BitEdit(*form)->text(), "1"); // one non-empty line before the Enter
    TypeNames(*form, "b\nc");
    EXPECT_EQ(BitEdit(*form)->text(), "1");
    EXPECT_TRUE(form->Modified());
    SelectTab(*form, 1);
    EXPECT_EQ(form->Automat().Eingangsbitbreite, 2);
    EXPECT_EQ(form->Automat().Eingangsmatrix, (TStrings{"a|", "b|", "c|"}));

    TypeNames(*form, "a_ b-\u00e4Z9!");
    EXPECT_EQ(Memo(*form)->toPlainText(), "abZ9");

    // Enter in BitEdit raises a too small width; the value counts when the tab is left.
    BitEdit(*form)->setText("0");
    QTest::keyClick(BitEdit(*form), Qt::Key_Return);
    EXPECT_EQ(BitEdit(*form)->text(), "1");
    BitEdit(*form)->setText("99999");
    SelectTab(*form, 0);
    EXPECT_EQ(form->Automat().Ausgangsbitbreite, 256);
}

TEST_F(AutomatFormTest, DuplicateWarningAppearsAndClearsOnEditingKeys) {
    auto form = Open(true);
    Act(*form, "Neu1");
    TypeNames(*form, "Start\nstart");
    EXPECT_EQ(form->StatusText(), "");
    TypeNames(*form, "\n");
    EXPECT_EQ(form->StatusText(), "Bezeichner doppelt");
    TypeNames(*form, "x"); // letters leave the warning alone
    EXPECT_EQ(form->StatusText(), "Bezeichner doppelt");
    QTest::keyClick(Memo(*form), Qt::Key_Backspace); // checks "Start", "start", "x"
    EXPECT_EQ(form->StatusText(), "Bezeichner doppelt");
    QTest::keyClick(Memo(*form), Qt::Key_Backspace);
    QTest::keyClick(Memo(*form), Qt::Key_Backspace); // "start" becomes "star"
    EXPECT_EQ(form->StatusText(), "Bezeichner doppelt");
    QTest::keyClick(Memo(*form), Qt::Key_Left);
    EXPECT_EQ(form->StatusText(), "");
    SelectTab(*form, 1);
    EXPECT_EQ(form->Automat().Eingangsmatrix, (TStrings{"Start|", "star|"}));
}

TEST_F(AutomatFormTest, MealyHidesTheResetChoiceButTakesTheFirstTypedState) {
    auto form = Open(false);
    Act(*form, "Neu1");
    Act(*form, "Zustandsmatrix1");
    EXPECT_EQ(Find<QGroupBox>(form.get(), "GB1")->title(), "Automatenzustände");
    EXPECT_FALSE(Find<QComboBox>(form.get(), "RSTCBox")->isVisible());
    TypeNames(*form, "Z0\nZ1");
    SelectTab(*form, 3);
    EXPECT_EQ(form->Automat().Resetzustand, "Z0");
    EXPECT_TRUE(Find<QCheckBox>(form.get(), "ResetCheckBox")->isVisible());
    EXPECT_FALSE(Memo(*form)->isVisible());
    Find<QCheckBox>(form.get(), "CLKCheckBox")->setChecked(true);
    SelectTab(*form, 0);
    EXPECT_EQ(form->Automat().TaktAktiv, "0");
    EXPECT_EQ(form->Automat().ResetAktiv, "1");
}

TEST_F(AutomatFormTest, MatrixCellsTakeOnlyZeroAndOneAndMenuSwitchingKeepsEdits) {
    auto form = OpenLoaded();
    Act(*form, "Eingangsmatrix2");
    EXPECT_EQ(Grid(*form)->horizontalHeaderItem(1)->text(), "X1");
    EXPECT_EQ(Cell(*form, 0, 1), "go");
    EXPECT_FALSE(Grid(*form)->item(0, 0)->flags() & Qt::ItemIsEditable);
    EXPECT_EQ(TypeIntoCell(*form, 1, 1, "2a1"), "1");
    EXPECT_EQ(TypeIntoCell(*form, 2, 1, "0"), "0");
    Grid(*form)->SetCurrentTableCell(2, 2);
    QTest::keyClicks(Grid(*form), "2"); // outside an editor too
    EXPECT_EQ(Cell(*form, 2, 2), "0");
    Act(*form, "Zustandsmatrix2");
    EXPECT_EQ(Grid(*form)->horizontalHeaderItem(1)->text(), "X(Z)0");
    EXPECT_EQ(form->Automat().Eingangsmatrix, (TStrings{"go|10", "stop|10", "halt|11"}));
}

TEST_F(AutomatFormTest, ContextMenuOffersUnusedConditionsAndKeepsOneRowPerState) {
    auto form = OpenLoaded();
    EXPECT_FALSE(form->Modified());
    Act(*form, "Automatentabelle1");
    EXPECT_TRUE(form->Modified()); // the empty Bedingung counts as repaired
    Grid(*form)->SetCurrentTableCell(2, 3);
    EXPECT_EQ(form->PopupCaptions(), (QStringList{"Feld &löschen", "halt"}));
    Choose(*form, 1, 3, "Z0");
    Grid(*form)->SetCurrentTableCell(2, 3);
    EXPECT_EQ(form->PopupCaptions(), (QStringList{"Feld &löschen", "go", "stop", "halt"}));
    Choose(*form, 2, 3, "halt");
    EXPECT_EQ(Cell(*form, 2, 3), "halt");
    Choose(*form, 2, 3, "Feld &löschen");
    EXPECT_EQ(Cell(*form, 2, 3), "");

    Grid(*form)->SetCurrentTableCell(0, 1);
    EXPECT_EQ(form->PopupCaptions(), (QStringList{"Zeile &einfügen", "Zeile &löschen"}));
    Choose(*form, 0, 1, "Zeile &löschen"); // the first data row stays
    Choose(*form, 0, 4, "Zeile &löschen"); // Z1's only row stays
    EXPECT_EQ(Grid(*form)->rowCount(), 4);
    Choose(*form, 0, 2, "Zeile &einfügen");
    ASSERT_EQ(Grid(*form)->rowCount(), 5);
    EXPECT_EQ(Cell(*form, 0, 3), "Z0");
    EXPECT_EQ(Cell(*form, 1, 3), "");
    EXPECT_EQ(Cell(*form, 0, 5), "Z1");
    Choose(*form, 0, 3, "Zeile &löschen");
    EXPECT_EQ(Grid(*form)->rowCount(), 4);

    // Tables take no typing; the matrix tabs have no context menu.
    Grid(*form)->SetCurrentTableCell(1, 1);
    QTest::keyClicks(Grid(*form), "Z");
    EXPECT_EQ(Cell(*form, 1, 1), "Z1");
    Act(*form, "Eingangsmatrix2");
    EXPECT_TRUE(form->PopupCaptions().isEmpty());
    EXPECT_EQ(form->Automat().Automatentabelle,
              (TStrings{"Z0|Z1|go", "Z0|Z1|stop", "Z0|Z0|", "Z1|Z0|halt"}));
}

TEST_F(AutomatFormTest, NeuOverAGridAndLoadingOverUnsavedEdits) {
    auto form = OpenLoaded();
    Act(*form, "Eingangsmatrix2");
    TypeIntoCell(*form, 1, 1, "1");
    Act(*form, "aktuelleArbeit1");
    TAutomat fromFile;
    LoadWorkspace(fromFile, programDir.Path());
    EXPECT_EQ(form->Automat(), fromFile);
    EXPECT_EQ(form->View(), TAutomatForm::ViewVorgaben);

    Act(*form, "Eingangsmatrix2");
    Act(*form, "Neu1");
    EXPECT_TRUE(form->Automat().Eingangsmatrix.empty());
    EXPECT_TRUE(form->Automat().Zustandsmatrix.empty());
    EXPECT_EQ(form->Automat().Automatentabelle, fromFile.Automatentabelle);
    EXPECT_EQ(Memo(*form)->toPlainText(), "");
    EXPECT_FALSE(Enabled(*form, "Bearbeiten1Item"));
}

TEST_F(AutomatFormTest, ClosingAfterOnlyViewingATableAsksToSave) {
    auto form = OpenLoaded();
    Act(*form, "Automatentabelle1");
    dialogs.yesNo = {false};
    Act(*form, "Beenden2");
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].caption, "Frage");
    EXPECT_EQ(dialogs.asked[0].text, "Daten speichern?");
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(ReadBytes(programDir.File("Moore.txt")), LoadedMoore);

    // Yes saves; Escape closes the same way.
    form = OpenLoaded();
    Act(*form, "Automatentabelle1");
    dialogs.yesNo = {true};
    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(form->Modified());
    EXPECT_NE(ReadBytes(programDir.File("Moore.txt")).find("Z0|Z1|\r\nZ1|Z0|halt"),
              std::string::npos);

    // A switch clicked is unsaved work too.
    form = OpenLoaded();
    Act(*form, "CLKRST");
    Find<QCheckBox>(form.get(), "CLKCheckBox")->click();
    dialogs.yesNo = {true};
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_NE(ReadBytes(programDir.File("Moore.txt")).find("#BCLK0\r\n"), std::string::npos);
}

TEST_F(AutomatFormTest, AFailedSaveIsReportedAndKeepsTheWorkAndTheWindow) {
    WriteBytes(programDir.File("plain.txt"), "keep");
    auto form = Open(true, programDir.File("plain.txt/"));
    Act(*form, "Neu1");
    TypeNames(*form, "go");
    Act(*form, "Speichern1");
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].kind, "message");
    EXPECT_EQ(dialogs.asked[0].caption, "Fehler");
    EXPECT_TRUE(dialogs.asked[0].text.contains("plain.txt/Moore.txt"));
    EXPECT_TRUE(dialogs.asked[0].text.contains("Not a directory"));
    EXPECT_TRUE(form->Modified());

    dialogs.yesNo = {true};
    form->close();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(dialogs.asked.back().kind, "message");
    EXPECT_EQ(ReadBytes(programDir.File("plain.txt")), "keep");
    dialogs.yesNo = {false};
    form->close();
    EXPECT_FALSE(form->isVisible());
}

TEST_F(AutomatFormTest, MooreMachineEnteredFromStartToSaveGivesTheExpectedFile) {
    auto form = Open(true);
    Act(*form, "Neu1");
    TypeNames(*form, "go\nstop");
    SelectTab(*form, 1);
    TypeNames(*form, "an\naus");
    SelectTab(*form, 2);
    TypeNames(*form, "Z0\nZ1");
    EXPECT_EQ(Find<QComboBox>(form.get(), "RSTCBox")->currentText(), "Z0");
    SelectTab(*form, 3);
    EXPECT_FALSE(Find<QCheckBox>(form.get(), "ResetCheckBox")->isChecked());

    Act(*form, "Eingangsmatrix2");
    TypeIntoCell(*form, 1, 1, "1"); // go = 1, stop stays 0
    SelectTab(*form, 1);
    TypeIntoCell(*form, 1, 1, "1"); // an = 1
    SelectTab(*form, 2);
    TypeIntoCell(*form, 1, 2, "1"); // Z1 = 1
    SelectTab(*form, 3);
    EXPECT_EQ(Grid(*form)->rowCount(), 2);
    Choose(*form, 1, 1, "Z1");
    Choose(*form, 2, 1, "go");
    Choose(*form, 1, 2, "Z0");
    Choose(*form, 2, 2, "stop");
    SelectTab(*form, 4);
    Choose(*form, 1, 1, "aus");
    Choose(*form, 1, 2, "an");
    Act(*form, "Speichern1");
    EXPECT_FALSE(form->Modified());
    EXPECT_TRUE(MatchesExpected(ReadBytes(programDir.File("Moore.txt")), "fsm/Moore.txt", false));
    EXPECT_TRUE(dialogs.asked.empty());
}

TEST_F(AutomatFormTest, MainWindowOpensTheEditorModallyAndTheWindowKeepsItsSize) {
    TMainForm main(programDir.Path());
    TAutomatForm* seen = nullptr;
    dialogs.onModal = [&](QDialog* d) {
        seen = qobject_cast<TAutomatForm*>(d);
        if (seen) {
            EXPECT_EQ(seen->ProgramDir(), programDir.Path());
            EXPECT_EQ(seen->windowTitle(), "Mealy - Automat");
            seen->resize(100, 100);
            QCoreApplication::processEvents();
            EXPECT_GE(seen->width(), 230);
            EXPECT_EQ(seen->height(), 300);
        }
        return 0;
    };
    Find<QAction>(&main, "MealyAutomat")->trigger();
    EXPECT_NE(seen, nullptr);
    dialogs.onModal = nullptr;
    Find<QAction>(&main, "MooreAutomat")->trigger();
    EXPECT_EQ(dialogs.asked.back().caption, "Moore - Automat");
}

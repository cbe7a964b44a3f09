#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "fsm/workspace.h"
#include "gui/fsmeditor.h"
#include "gui/gui_support.h"
#include "gui/help.h"
#include "gui/mainwindow.h"
#include "gui/synthesiswindow.h"
#include "support/testsupport.h"

using namespace korvalt;
using namespace korvalt::test;

namespace {

// A machine with a transition row whose Bedingung is empty (Z0|Z1|), reset state Z1.
const char* const LoadedMoore =
    "#IB2\r\n#OB1\r\n#IN\r\ngo|01\r\nstop|10\r\nhalt|11\r\n#OUT\r\n"
    "an|1\r\naus|0\r\n#Z\r\nZ0|0\r\nZ1|1\r\n#AUTOMAT\r\nZ0|Z1|go\r\n"
    "Z0|Z1|stop\r\nZ0|Z1|\r\nZ1|Z0|halt\r\n#AUSGTAB\r\nZ0|aus\r\nZ1|an\r\n"
    "#RSTZ1\r\n#BRST1\r\n#BCLK1\r\n";

class AutomatFormTest : public ::testing::Test {
  protected:
    TTempDir programDir;
    TFakeDialogs dialogs;
    std::unique_ptr<TAutomatForm> form;

    void Open(bool moore, const std::string& dir = "") {
        form = std::make_unique<TAutomatForm>();
        form->Init(dir.empty() ? programDir.Path() : dir, programDir.Path(), moore);
        form->show();
    }

    void OpenLoaded() {
        WriteBytes(programDir.File("Moore.txt"), LoadedMoore);
        Open(true);
        Act("aktuelleArbeit1");
    }

    void Act(const char* name) { Find<QAction>(form.get(), name)->trigger(); }
    bool Enabled(const char* name) { return Find<QAction>(form.get(), name)->isEnabled(); }
    QPlainTextEdit* Memo() { return Find<QPlainTextEdit>(form.get(), "VarMemo"); }
    QLineEdit* BitEdit() { return Find<QLineEdit>(form.get(), "BitEdit"); }
    TAutomatGrid* Grid() { return Find<TAutomatGrid>(form.get(), "AutomatGrid"); }
    void SelectTab(int tab) { Find<QTabBar>(form.get(), "TabControl1")->setCurrentIndex(tab); }
    QString Cell(int col, int row) {
        return QString::fromStdString(Grid()->Table().Cell(col, row));
    }

    // Types into the memo; "\n" presses Enter, "\b" Backspace, "←" the left arrow, "?" F2.
    void TypeNames(const QString& keys) {
        for (QChar c : keys) {
            const Qt::Key key = c == u'\n'   ? Qt::Key_Return
                                : c == u'\b' ? Qt::Key_Backspace
                                : c == u'←'  ? Qt::Key_Left
                                : c == u'?'  ? Qt::Key_F2
                                             : Qt::Key_unknown;
            QKeyEvent press(QEvent::KeyPress, c.toUpper().unicode(), Qt::NoModifier, QString(c));
            if (key != Qt::Key_unknown)
                QTest::keyClick(Memo(), key);
            else
                QApplication::sendEvent(Memo(), &press);
        }
    }

    // Types (or pastes) into a grid cell given in CellTable numbering and commits with Enter.
    QString TypeIntoCell(int col, int row, const QString& keys, bool paste = false) {
        Grid()->SetCurrentTableCell(col, row);
        Grid()->editItem(Grid()->currentItem());
        auto* editor = qobject_cast<QLineEdit*>(Grid()->indexWidget(Grid()->currentIndex()));
        if (!editor) return "(no editor)";
        editor->selectAll();
        QGuiApplication::clipboard()->setText(keys);
        paste ? editor->paste() : QTest::keyClicks(editor, keys);
        const QString typed = editor->text();
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
        return typed;
    }

    // Chooses a context-menu entry for a table cell, opened by Enter as the user would.
    void Choose(int col, int row, const QString& caption) {
        Grid()->SetCurrentTableCell(col, row);
        dialogs.popupChoices = {caption};
        QTest::keyClick(Grid(), Qt::Key_Return);
        EXPECT_TRUE(dialogs.popupChoices.empty());
    }
};

} // namespace

TEST_F(AutomatFormTest, MenusBitWidthFilteredKeysAndDuplicateWarningWhileTypingNames) {
    Open(true);
    EXPECT_EQ(HelpContextOf(form.get()), 3000);
    EXPECT_EQ(HelpContextOf(Grid()), 3100);
    EXPECT_FALSE(Enabled("Statemaschine1Item") || Enabled("Speichern1"));
    EXPECT_TRUE(Enabled("aktuelleArbeit1"));
    EXPECT_FALSE(Find<QWidget>(form.get(), "TabPanel")->isVisible());

    Act("Neu1");
    EXPECT_TRUE(Enabled("Statemaschine1Item") && Enabled("Speichern1"));
    EXPECT_TRUE(Enabled("ErzeugeVHDLDatei1")); // usable from every view once started
    EXPECT_EQ(HelpContextOf(BitEdit()), 2140);
    // The width counts the non-empty lines before the last Enter.
    const std::pair<QString, QString> widths[] = {{"a", "0"}, {"\n", "1"}, {"b\nc", "1"}};
    for (const auto& [keys, width] : widths) {
        TypeNames(keys);
        EXPECT_EQ(BitEdit()->text(), width) << keys.toStdString();
    }
    EXPECT_TRUE(form->Modified());
    SelectTab(1);
    EXPECT_EQ(form->Automat().Eingangsbitbreite, 2);
    EXPECT_EQ(form->Automat().Eingangsmatrix, (TStrings{"a|", "b|", "c|"}));
    EXPECT_EQ(HelpContextOf(BitEdit()), 2150);

    TypeNames("a_ b-\u00e4Z9!");
    EXPECT_EQ(Memo()->toPlainText(), "a_bZ9");
    // Enter in BitEdit raises a too small width; the value counts when the tab is left.
    BitEdit()->setText("0x10"); // decimal only: this is 0
    QTest::keyClick(BitEdit(), Qt::Key_Return);
    EXPECT_EQ(BitEdit()->text(), "1");
    BitEdit()->setText("99999");
    EXPECT_FALSE(form->UpdateMenus()); // inputs and outputs, but no states
    EXPECT_FALSE(Enabled("Bearbeiten1Item") || Enabled("AutomatenbeschreibungItem"));
    SelectTab(2);
    EXPECT_EQ(form->Automat().Ausgangsbitbreite, 256);

    // Letters and F keys leave the duplicate warning alone; Enter and editing keys check
    // again, also for a name another list uses.
    const QString dup = "Bezeichner doppelt";
    const QString clash = "Bezeichner „A_BZ9“ gibt es schon als Ausgang „a_bZ9“";
    const std::pair<QString, QString> steps[] = {{"Start\nstart?", ""},
                                                 {"\n", dup},
                                                 {"x", dup},
                                                 {"\b", dup},
                                                 {"\b\b", dup},
                                                 {"\nA_BZ9\n", clash},
                                                 {"\b\b\b\b\b\b\b", ""},
                                                 {"←?", ""}};
    for (const auto& [keys, status] : steps) {
        TypeNames(keys);
        EXPECT_EQ(form->StatusText(), status) << keys.toStdString();
    }
    SelectTab(3);
    EXPECT_EQ(form->Automat().Zustandsmatrix, (TStrings{"Start|", "star|"}));
    EXPECT_TRUE(form->UpdateMenus() && Enabled("AutomatenbeschreibungItem"));
    Act("Automatentabelle1");
    EXPECT_TRUE(Enabled("ErzeugeVHDLDatei1"));
    EXPECT_EQ(HelpContextOf(Grid()), 3110);
}

TEST_F(AutomatFormTest, MealyHasNoOutputTableAndTakesTheFirstTypedStateAsReset) {
    Open(false);
    EXPECT_EQ(HelpContextOf(form.get()), 4000);
    Act("Neu1");
    EXPECT_FALSE(Find<QAction>(form.get(), "Ausgangstabelle1")->isVisible());
    Act("Zustandsmatrix1");
    EXPECT_FALSE(Find<QComboBox>(form.get(), "RSTCBox")->isVisible());
    QGuiApplication::clipboard()->setText("Z0\n");
    Memo()->paste(); // a pasted name is unsaved work like a typed one
    EXPECT_TRUE(form->Modified());
    TypeNames("Z1");
    SelectTab(3);
    EXPECT_EQ(form->Automat().Resetzustand, "Z0");
    EXPECT_TRUE(Find<QCheckBox>(form.get(), "ResetCheckBox")->isVisible());
    EXPECT_FALSE(Memo()->isVisible());
    Find<QCheckBox>(form.get(), "CLKCheckBox")->setChecked(true);
    SelectTab(0);
    EXPECT_EQ(form->Automat().TaktAktiv + form->Automat().ResetAktiv, "01");
}

TEST_F(AutomatFormTest, MatrixCellsTakeOnlyBitsThenLoadingAndNeuAskAndDiscardTheEdits) {
    OpenLoaded();
    Act("Eingangsmatrix2");
    EXPECT_EQ(Grid()->horizontalHeaderItem(1)->text(), "X1");
    EXPECT_FALSE(Grid()->item(0, 0)->flags() & Qt::ItemIsEditable);
    TypeIntoCell(1, 1, "2a1");
    TypeIntoCell(2, 1, "0");
    EXPECT_EQ(Cell(1, 1) + Cell(2, 1), "10");
    EXPECT_EQ(TypeIntoCell(1, 3, "go|a0", true), "0"); // pasted text keeps its bits only
    Grid()->SetCurrentTableCell(2, 2);
    QTest::keyClicks(Grid(), "2"); // outside an editor too
    EXPECT_EQ(Cell(2, 2), "0");
    // Input and output patterns may leave a bit open (-); state codes may not.
    EXPECT_EQ(TypeIntoCell(1, 2, "x-", true), "-");
    Grid()->SetCurrentTableCell(1, 2);
    QTest::keyClicks(Grid(), "1");
    EXPECT_EQ(Cell(1, 2), "1");
    Act("Zustandsmatrix2");
    EXPECT_EQ(Grid()->horizontalHeaderItem(1)->text(), "X(Z)0");
    EXPECT_EQ(TypeIntoCell(1, 1, "-", true), "");
    Grid()->SetCurrentTableCell(1, 1);
    QTest::keyClicks(Grid(), "-");
    EXPECT_NE(Cell(1, 1), "-");
    Act("Ausgangsmatrix2");
    Grid()->SetCurrentTableCell(1, 1);
    QTest::keyClicks(Grid(), "-");
    EXPECT_EQ(Cell(1, 1), "-");
    Act("Eingangsmatrix2");
    EXPECT_EQ(form->Automat().Eingangsmatrix, (TStrings{"go|10", "stop|10", "halt|01"}));

    // Loading over unsaved edits asks first: Abbrechen keeps them, Nein drops them.
    dialogs.yesNoCancel = {TDialogs::Cancel, TDialogs::No, TDialogs::No};
    Act("aktuelleArbeit1");
    EXPECT_EQ(form->Automat().Eingangsmatrix[2], "halt|01");
    Act("aktuelleArbeit1");
    TAutomat fromFile;
    LoadWorkspace(fromFile, programDir.Path());
    EXPECT_EQ(form->Automat(), fromFile);
    EXPECT_EQ(form->View(), TAutomatForm::ViewVorgaben);

    // "Neu" starts afresh on the first tab: no old rows, widths or reset state survive.
    Act("Zustandsmatrix2");
    TypeIntoCell(1, 1, "1");
    Act("Neu1");
    EXPECT_EQ(form->CurrentTab(), 0);
    EXPECT_EQ(form->Automat(), TAutomat{});
    EXPECT_EQ(Memo()->toPlainText(), "");
    EXPECT_FALSE(Enabled("Bearbeiten1Item") || form->Modified());
    EXPECT_TRUE(dialogs.yesNoCancel.empty());
}

TEST_F(AutomatFormTest, RenamedStatesKeepTheirRowsAndTheResetStateItsPlace) {
    OpenLoaded();
    Act("Zustandsmatrix1");
    Memo()->selectAll();
    QGuiApplication::clipboard()->setText("Z1\nZ0");
    Memo()->paste(); // the two names swap
    SelectTab(0);
    EXPECT_EQ(form->Automat().Resetzustand + form->Automat().Automatentabelle[3], "Z0Z0|Z1|halt");
}

TEST_F(AutomatFormTest, ContextMenuOffersUnusedConditionsAndKeepsOneRowPerState) {
    OpenLoaded();
    EXPECT_FALSE(form->Modified());
    Act("Automatentabelle1");
    EXPECT_TRUE(form->Modified()); // the empty Bedingung counts as repaired
    Grid()->SetCurrentTableCell(2, 3);
    EXPECT_EQ(form->PopupCaptions(), (QStringList{"Feld &löschen", "halt"}));
    Choose(1, 3, "Z0");
    Grid()->SetCurrentTableCell(2, 3);
    EXPECT_EQ(form->PopupCaptions(), (QStringList{"Feld &löschen", "go", "stop", "halt"}));
    Choose(2, 3, "halt");
    EXPECT_EQ(Cell(2, 3), "halt");
    Choose(2, 3, "Feld &löschen");
    EXPECT_EQ(Cell(2, 3), "");

    Grid()->SetCurrentTableCell(0, 1);
    EXPECT_EQ(form->PopupCaptions(), (QStringList{"Zeile &einfügen", "Zeile &löschen"}));
    Choose(0, 1, "Zeile &löschen"); // the first data row stays
    Choose(0, 4, "Zeile &löschen"); // Z1's only row stays
    EXPECT_EQ(Grid()->rowCount(), 4);
    Choose(0, 2, "Zeile &einfügen");
    ASSERT_EQ(Grid()->rowCount(), 5);
    EXPECT_EQ(Cell(0, 3) + "," + Cell(1, 3) + "," + Cell(0, 5), "Z0,,Z1");
    Choose(0, 3, "Zeile &löschen");
    EXPECT_EQ(Grid()->rowCount(), 4);

    // Tables take no typing; the matrix tabs have no context menu.
    Grid()->SetCurrentTableCell(1, 1);
    QTest::keyClicks(Grid(), "Z");
    EXPECT_EQ(Cell(1, 1), "Z1");
    Act("Eingangsmatrix2");
    EXPECT_TRUE(form->PopupCaptions().isEmpty());
    EXPECT_EQ(form->Automat().Automatentabelle,
              (TStrings{"Z0|Z1|go", "Z0|Z1|stop", "Z0|Z0|", "Z1|Z0|halt"}));
}

TEST_F(AutomatFormTest, ClosingAfterOnlyViewingATableOrClickingASwitchAsksToSave) {
    // Abbrechen keeps the window and the work; Nein leaves the file alone, Ja
    // writes it; Be&enden and Escape close alike.
    for (bool yes : {false, true}) {
        OpenLoaded();
        Act("Automatentabelle1");
        std::filesystem::remove(programDir.File("Moore.txt"));
        dialogs.yesNoCancel = {TDialogs::Cancel, yes ? TDialogs::Yes : TDialogs::No};
        QTest::keyClick(form.get(), Qt::Key_Escape);
        EXPECT_TRUE(form->isVisible() && form->Modified());
        yes ? QTest::keyClick(form.get(), Qt::Key_Escape) : Act("Beenden2");
        const auto& asked = dialogs.asked.back();
        EXPECT_EQ(asked.caption + "|" + asked.text, "Frage|Daten speichern?");
        EXPECT_FALSE(form->isVisible() || (yes && form->Modified()));
        EXPECT_EQ(std::filesystem::exists(programDir.File("Moore.txt")), yes);
    }
    EXPECT_EQ(dialogs.asked.size(), 4u);
    EXPECT_EQ(ReadBytes(programDir.File("Moore.txt")), LoadedMoore);

    OpenLoaded();
    Act("CLKRST");
    Find<QCheckBox>(form.get(), "CLKCheckBox")->click();
    dialogs.yesNoCancel = {TDialogs::Yes};
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_NE(ReadBytes(programDir.File("Moore.txt")).find("#BCLK0\r\n"), std::string::npos);
}

TEST_F(AutomatFormTest, AFailedSaveOrLoadIsReportedAndKeepsTheWorkAndTheWindow) {
    WriteBytes(programDir.File("plain.txt"), "keep");
    Open(true, programDir.File("plain.txt/"));
    Act("Neu1");
    TypeNames("go");
    Act("Speichern1");
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].kind + "|" + dialogs.asked[0].caption, "message|Fehler");
    EXPECT_TRUE(dialogs.asked[0].text.contains("plain.txt/Moore.txt"));
    EXPECT_TRUE(dialogs.asked[0].text.contains(QString::fromLocal8Bit(std::strerror(ENOTDIR))));
    EXPECT_TRUE(form->Modified());

    dialogs.yesNoCancel = {TDialogs::Yes, TDialogs::No, TDialogs::No};
    form->close();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(dialogs.asked.back().kind, "message");
    EXPECT_EQ(ReadBytes(programDir.File("plain.txt")), "keep");
    form->close();
    EXPECT_FALSE(form->isVisible());

    // A workspace file that cannot be read is reported; nothing of it is taken.
    std::filesystem::create_directory(programDir.File("Moore.txt"));
    Open(true);
    Act("Neu1");
    TypeNames("go");
    Act("aktuelleArbeit1");
    EXPECT_TRUE(dialogs.asked.back().text.startsWith(QString::fromStdString(
        "Die Datei \"" + programDir.File("Moore.txt") + "\" kann nicht gelesen")));
    EXPECT_EQ(Memo()->toPlainText() + QString::number(form->View()), "go1");
}

TEST_F(AutomatFormTest, MooreMachineEnteredFromStartToSaveGivesTheExpectedFile) {
    Open(true);
    Act("Neu1");
    TypeNames("go\nstop");
    SelectTab(1);
    TypeNames("an\naus");
    SelectTab(2);
    TypeNames("Z0\nZ1"); // the first state becomes the reset state

    Act("Eingangsmatrix2");
    TypeIntoCell(1, 1, "1"); // go = 1, stop stays 0
    SelectTab(1);
    TypeIntoCell(1, 1, "1"); // an = 1
    SelectTab(2);
    TypeIntoCell(1, 2, "1"); // Z1 = 1
    SelectTab(3);
    Choose(1, 1, "Z1");
    Choose(2, 1, "go");
    Choose(1, 2, "Z0");
    Choose(2, 2, "stop");
    SelectTab(4);
    Choose(1, 1, "aus");
    Choose(1, 2, "an");
    Act("Speichern1");
    EXPECT_FALSE(form->Modified());
    EXPECT_TRUE(MatchesExpected(ReadBytes(programDir.File("Moore.txt")), "fsm/Moore.txt", false));
    EXPECT_TRUE(dialogs.asked.empty());
}

// The width counts when it is applied, not while it is typed; a narrower one asks first.
TEST_F(AutomatFormTest, AWiderWidthKeepsThePatternsAndANarrowerOneAsksFirst) {
    OpenLoaded();
    Act("Eingangsmatrix1");
    BitEdit()->selectAll();
    QTest::keyClicks(BitEdit(), "16"); // passes through 1 without a question
    Act("Eingangsmatrix2");
    EXPECT_EQ(Cell(14, 2) + Cell(15, 2) + Cell(16, 2) + Cell(1, 2), "0100");
    EXPECT_TRUE(dialogs.asked.empty());
    Grid()->SetCurrentTableCell(1, 1);
    QTest::keyClicks(Grid(), "1"); // go: 1000000000000001
    Act("Eingangsmatrix1");
    for (bool yes : {false, true}) {
        BitEdit()->selectAll();
        QTest::keyClicks(BitEdit(), "2");
        dialogs.yesNo = {yes};
        SelectTab(1);
        ASSERT_EQ(dialogs.asked.size(), yes ? 2u : 1u);
        EXPECT_EQ(dialogs.asked.back().caption + "|" + dialogs.asked.back().text,
                  "Frage|Mit der Bitbreite 2 verliert 1 Bitmuster eine 1.\nBitbreite ändern?");
        SelectTab(0);
        EXPECT_EQ(BitEdit()->text(), yes ? "2" : "16"); // Nein puts the old width back
    }
    EXPECT_EQ(form->Automat().Eingangsmatrix, (TStrings{"go|01", "stop|10", "halt|11"}));
}

// Tab and Shift+Tab step through the bit cells only; each typed bit is one step to undo.
TEST_F(AutomatFormTest, TabStepsThroughTheBitsAndUndoTakesBackATypedBit) {
    OpenLoaded();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    Act("Eingangsmatrix2");
    Grid()->SetCurrentTableCell(1, 1);
    auto type = [](const QString& keys) {
        for (QChar c : keys) {
            QWidget* focus = QApplication::focusWidget();
            ASSERT_NE(focus, nullptr);
            if (c == u'\t' || c == u'<')
                QTest::keyClick(focus, c == u'\t' ? Qt::Key_Tab : Qt::Key_Backtab,
                                c == u'\t' ? Qt::NoModifier : Qt::ShiftModifier);
            else
                QTest::keyClicks(focus, QString(c));
        }
    };
    type("1\t0\t0\t1\t0\t0<<");
    EXPECT_EQ(Cell(1, 1) + Cell(2, 1) + Cell(1, 2) + Cell(2, 2) + Cell(1, 3) + Cell(2, 3),
              "100100");
    EXPECT_EQ(Grid()->CurrentTableCol() * 10 + Grid()->CurrentTableRow(), 22);
    type("<<<");
    EXPECT_EQ(Grid()->CurrentTableCol() * 10 + Grid()->CurrentTableRow(), 11);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Cell(2, 3), "1");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Cell(2, 3), "0");
    Grid()->SetCurrentTableCell(2, 3);
    type("\t"); // the last bit's Tab leaves the grid
    EXPECT_NE(QApplication::focusWidget(), Grid());
    Act("Eingangsmatrix1");
    EXPECT_EQ(form->Automat().Eingangsmatrix, (TStrings{"go|10", "stop|01", "halt|00"}));
}

// A description begun with Neu has no file: its first save asks before it
// replaces a saved machine, and Nein writes nothing, not even the VHDL file.
TEST_F(AutomatFormTest, NewWorkAsksBeforeItsFirstSaveReplacesTheSavedMachine) {
    OpenLoaded();
    Act("Neu1");
    TypeNames("go");
    const QString question =
        "Datei überschreiben?\n" + QString::fromStdString(programDir.File("Moore.txt"));
    dialogs.yesNo = {false};
    Act("ErzeugeVHDLDatei1");
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].caption + "|" + dialogs.asked[0].text, "Frage|" + question);
    EXPECT_EQ(ReadBytes(programDir.File("Moore.txt")), LoadedMoore);
    EXPECT_TRUE(form->Modified());
    dialogs.yesNo = {true};
    Act("Speichern1");
    EXPECT_EQ(dialogs.asked.size(), 2u);
    EXPECT_EQ(ReadBytes(programDir.File("Moore.txt")).substr(0, 17), "#IB1\r\n#OB0\r\n#IN\r\n");
    TypeNames("\nstop"); // saved once, it is the workspace file again
    Act("Speichern1");
    EXPECT_EQ(dialogs.asked.size(), 2u);
    EXPECT_FALSE(form->Modified());
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
            EXPECT_TRUE(seen->width() >= 230 && seen->height() == 300) << seen->width();
        }
        return 0;
    };
    Find<QAction>(&main, "MealyAutomat")->trigger();
    EXPECT_NE(seen, nullptr);
    dialogs.onModal = nullptr;
    Find<QAction>(&main, "MooreAutomat")->trigger();
    EXPECT_EQ(dialogs.asked.back().caption, "Moore - Automat");
}

// The code style is shown and kept with the machine (an unknown word of the
// stored line is named in the status bar); "Codes vergeben" is a grid edit
// that undo takes back; "Synthese prüfen" shows the figures of GHDL and Yosys.
TEST_F(AutomatFormTest, CodeStyleCodesAndSynthesisCheck) {
    WriteBytes(programDir.File("Moore.txt"),
               ReadBytes(DataPath("fsm/Moore.txt")) + "#OPTIONEN sicher=ja farbe=rot\r\n");
    Open(true);
    Act("aktuelleArbeit1");
    EXPECT_TRUE(form->StatusText().contains("farbe=rot")) << form->StatusText().toStdString();
    Act("CLKRST");
    EXPECT_TRUE(Find<QCheckBox>(form.get(), "SicherCheckBox")->isChecked());
    EXPECT_TRUE(Find<QWidget>(form.get(), "CodestilGB")->isVisible());
    Find<QCheckBox>(form.get(), "RegisterCheckBox")->click();
    auto* kodierung = Find<QComboBox>(form.get(), "KodierungCBox");
    kodierung->setCurrentIndex(2);
    emit kodierung->activated(2);
    EXPECT_EQ(form->Automat().Optionen,
              (TOptionen{.Kodierung = TKodierung::Gray, .Sicher = true, .Register = true}));

    Act("Zustandsmatrix2");
    Act("CodesOneHot1");
    EXPECT_EQ(Grid()->Table().ColCount(), 3);
    EXPECT_EQ(Cell(1, 1) + Cell(2, 1) + "|" + Cell(1, 2) + Cell(2, 2), "01|10");
    Act("Rueckgaengig1");
    EXPECT_EQ(Grid()->Table().ColCount(), 2);
    Act("CodesGray1");
    Act("Speichern1");
    const std::string saved = ReadBytes(programDir.File("Moore.txt"));
    EXPECT_NE(saved.find("Z0|0\r\nZ1|1\r\n"), std::string::npos);
    EXPECT_TRUE(
        saved.ends_with("#BCLK1\r\n#OPTIONEN kodierung=gray sicher=ja ausgaenge=register\r\n"))
        << saved;

    Act("SynthesePruefen1");
    auto* window = form->findChild<TSyntheseForm*>();
    ASSERT_NE(window, nullptr);
    QSignalSpy done(window, &TSyntheseForm::Finished);
    ASSERT_TRUE(done.wait(30000));
    EXPECT_TRUE(window->Outcome().ok) << window->Summary().toStdString();
    // One state bit and one output bit, which Yosys may merge as they load the same value.
    EXPECT_TRUE(window->Outcome().flipFlops >= 1 && window->Outcome().flipFlops <= 2);
    EXPECT_TRUE(window->Lines().join('\n').contains("Flipflops: "));
    window->close();
}

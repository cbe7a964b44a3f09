// The editor's desktop habits: opening and saving descriptions under a name,
// the recent files, typing names into table cells, finding rows, undo.
#include <QAction>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QTest>

#include "common/paths.h"
#include "fsm/workspace.h"
#include "gui/gui_support.h"
#include "gui/u_automat.h"
#include "support/testsupport.h"

using namespace korvalt;
using namespace korvalt::test;

namespace {

class EditorFilesTest : public ::testing::Test {
  protected:
    TTempDir programDir, workDir, settingsDir;
    TFakeDialogs dialogs;
    std::unique_ptr<TAutomatForm> form;

    void SetUp() override {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(settingsDir.Path()));
    }
    // An editor of the kind with a description file opened, as the user opens one.
    void OpenWith(bool moore, const std::string& name, const std::string& bytes) {
        WriteBytes(workDir.File(name), bytes);
        form = std::make_unique<TAutomatForm>();
        form->Init(programDir.Path(), workDir.Path(), moore);
        form->show();
        dialogs.files = {QString::fromStdString(workDir.File(name))};
        Act("Oeffnen1");
    }
    void Act(const char* name) { Find<QAction>(form.get(), name)->trigger(); }
    TAutomatGrid* Grid() { return Find<TAutomatGrid>(form.get(), "AutomatGrid"); }
    QLineEdit* Filter() { return Find<QLineEdit>(form.get(), "FilterEdit"); }
    void ShowTable() { Find<QAction>(form.get(), "Automatentabelle1")->trigger(); }
    std::string Cell(int col, int row) { return Grid()->Table().Cell(col, row); }
    // Types into a cell and leaves it with Tab, as the user would.
    void Type(int col, int row, const QString& keys) {
        Grid()->SetCurrentTableCell(col, row);
        QTest::keyClicks(Grid(), keys.left(1));
        auto* editor = qobject_cast<QLineEdit*>(Grid()->indexWidget(Grid()->currentIndex()));
        ASSERT_NE(editor, nullptr) << "no cell editor for " << keys.toStdString();
        QTest::keyClicks(editor, keys.mid(1));
        QTest::keyClick(editor, Qt::Key_Tab);
    }
    int VisibleRows() {
        int n = 0;
        for (int r = 0; r < Grid()->rowCount(); ++r)
            n += !Grid()->isRowHidden(r);
        return n;
    }
};

} // namespace

TEST_F(EditorFilesTest, OpenEditSaveAsCaptionAndRecentFiles) {
    const std::string moore = ReadBytes(DataPath("fsm/Moore.txt"));
    OpenWith(true, "ampel.txt", moore);
    EXPECT_EQ(form->windowTitle(), "Moore - Automat - ampel.txt");
    EXPECT_EQ(form->Automat().Zustandsmatrix, (TStrings{"Z0|0", "Z1|1"}));
    EXPECT_EQ(Find<QAction>(form.get(), "Oeffnen1")->shortcut(), QKeySequence("Ctrl+O"));

    // A Mealy description is refused and changes nothing.
    WriteBytes(workDir.File("mealy.txt"), ReadBytes(DataPath("fsm/Mealy.txt")));
    EXPECT_FALSE(form->OpenFile(QString::fromStdString(workDir.File("mealy.txt"))));
    ASSERT_FALSE(dialogs.asked.empty());
    EXPECT_TRUE(dialogs.asked.back().text.contains("Mealy-Automaten")) << dialogs.asked.back().text.toStdString();
    EXPECT_EQ(form->windowTitle(), "Moore - Automat - ampel.txt");

    // Speichern writes the opened file, not the current work.
    ShowTable();
    Type(1, 1, "Z0");
    EXPECT_TRUE(form->Modified());
    Act("Speichern1");
    EXPECT_FALSE(FileExists(programDir.File("Moore.txt")));
    std::string edited = moore;
    edited.replace(edited.find("Z0|Z1|go"), 8, "Z0|Z0|go");
    EXPECT_EQ(ReadBytes(workDir.File("ampel.txt")), edited);

    // Speichern unter writes the same bytes under the new name, which the caption then shows.
    dialogs.saveFiles = {QString::fromStdString(workDir.File("kopie.txt"))};
    Act("SpeichernUnter1");
    EXPECT_EQ(ReadBytes(workDir.File("kopie.txt")), edited);
    EXPECT_EQ(form->windowTitle(), "Moore - Automat - kopie.txt");
    EXPECT_EQ(form->RecentFiles(), (QStringList{QString::fromStdString(workDir.File("kopie.txt")),
                                               QString::fromStdString(workDir.File("ampel.txt"))}));

    // Opening with unsaved work asks first; Abbrechen keeps everything.
    Type(1, 1, "Z1");
    dialogs.yesNoCancel = {TDialogs::Cancel};
    Find<QAction>(form.get(), "Zuletzt2")->trigger();
    EXPECT_EQ(dialogs.asked.back().text, "Daten speichern?");
    EXPECT_EQ(form->windowTitle(), "Moore - Automat - kopie.txt");
    dialogs.yesNoCancel = {TDialogs::No};
    Find<QAction>(form.get(), "Zuletzt2")->trigger();
    EXPECT_EQ(form->windowTitle(), "Moore - Automat - ampel.txt");
    EXPECT_EQ(form->RecentFiles().first(), QString::fromStdString(workDir.File("ampel.txt")));
}

// A Folgezustand cell of a machine with the states A0 and Z1 takes what its
// context menu offers, completed when the text begins only one name.
TEST_F(EditorFilesTest, TypingIntoATableCellTakesOnlyOfferedNames) {
    std::string moore = ReadBytes(DataPath("fsm/Moore.txt"));
    for (std::size_t at; (at = moore.find("Z0")) != std::string::npos;)
        moore.replace(at, 2, "A0");
    OpenWith(true, "a.txt", moore);
    ShowTable();
    const struct { const char* keys; const char* cell; } cases[] = {
        {"Z", "Z1"}, {"a0", "A0"}, {"Q", "A0"}, {"Z1x", "A0"}, {"z1", "Z1"}};
    for (const auto& c : cases) {
        Type(1, 1, c.keys);
        EXPECT_EQ(Cell(1, 1), c.cell) << c.keys;
    }
    EXPECT_TRUE(form->StatusText().contains("Z1x"));
}

TEST_F(EditorFilesTest, FilterShowsAndEditsTheRightRowsAndUndoRestoresADeletedRow) {
    OpenWith(true, "m.txt", ReadBytes(DataPath("fsm/Moore.txt")));
    ShowTable();
    Filter()->setText("STOP");
    EXPECT_EQ(VisibleRows(), 1);
    EXPECT_TRUE(Grid()->isRowHidden(0));
    Type(1, 2, "Z1");
    EXPECT_EQ(Cell(1, 2), "Z1");
    EXPECT_EQ(Cell(1, 1), "Z1");
    Filter()->clear();
    EXPECT_EQ(VisibleRows(), 2);

    dialogs.popupChoices = {"Zeile &einfügen"};
    Grid()->SetCurrentTableCell(0, 2);
    form->AutomatGridPopup({});
    ASSERT_EQ(Grid()->rowCount(), 3);
    dialogs.popupChoices = {"Zeile &löschen"};
    form->AutomatGridPopup({});
    ASSERT_EQ(Grid()->rowCount(), 2);
    QTest::keyClick(Grid(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Grid()->rowCount(), 3);
    EXPECT_EQ(Cell(0, 3), "Z1");
    QTest::keyClick(Grid(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(Grid(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Cell(1, 2), "Z0"); // the typed Folgezustand is undone as well
    QTest::keyClick(Grid(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Cell(1, 2), "Z1");
    // Ctrl+Tab goes on to the output table; the history stays with the view left.
    QTest::keyClick(Grid(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(form->CurrentTab(), 4);
}

// 256 states: the table opens and the filter narrows it at once.
TEST_F(EditorFilesTest, BigMachineOpensAndFiltersWithoutDelay) {
    TAutomat a;
    a.Eingangsmatrix = {"go|1"};
    a.Ausgangsmatrix = {"an|1"};
    for (int i = 0; i < 256; ++i) {
        a.Zustandsmatrix.push_back("z" + std::to_string(i) + "|");
        a.Automatentabelle.push_back("z" + std::to_string(i) + "|z" + std::to_string((i + 1) % 256) + "|go");
    }
    OpenWith(true, "big.txt", CrLf(WorkspaceLines(a)));
    QElapsedTimer timer;
    timer.start();
    ShowTable();
    Filter()->setText("z25");
    QCoreApplication::processEvents();
    EXPECT_LT(timer.elapsed(), 500);
    ASSERT_EQ(Grid()->rowCount(), 256);
    // z24 leads to z25; z25 and z249 .. z255 show the text themselves.
    EXPECT_EQ(VisibleRows(), 9);
    EXPECT_FALSE(Grid()->isRowHidden(24));
}

// The editor's desktop habits: opening and saving descriptions under a name,
// the recent files, typing names into table cells, finding rows, undo, and
// saying in the status bar what a command wrote.
#include <QAction>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include "fsm/workspace.h"
#include "gui/fsmeditor.h"
#include "gui/gui_support.h"
#include "support/testsupport.h"

using namespace korvalt;
using namespace korvalt::test;

namespace {

class EditorFilesTest : public ::testing::Test {
  protected:
    TTempDir programDir, dir, settingsDir;
    TFakeDialogs dialogs;
    std::unique_ptr<TAutomatForm> form;
    const std::string moore = ReadBytes(DataPath("fsm/Moore.txt"));

    // A Moore editor with a description file opened as the user opens one, its table shown.
    void OpenWith(const std::string& bytes) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Q(settingsDir.Path()));
        WriteBytes(dir.File("a.txt"), bytes);
        form = std::make_unique<TAutomatForm>();
        form->Init(programDir.Path(), dir.Path(), true);
        form->show();
        dialogs.files = {Q(dir.File("a.txt"))};
        Act("Oeffnen1");
        Act("Automatentabelle1");
    }
    static QString Q(const std::string& s) { return QString::fromStdString(s); }
    // States z0 ... z(n-1), each row leading to the next, around the ring.
    static TAutomat Ring(int n) {
        TAutomat a;
        for (int i = 0; i < n; ++i) {
            a.Zustandsmatrix.push_back("z" + std::to_string(i) + "|");
            a.Automatentabelle.push_back("z" + std::to_string(i) + "|z" +
                                         std::to_string((i + 1) % n) + "|");
        }
        return a;
    }
    void Act(const char* name) { Find<QAction>(form.get(), name)->trigger(); }
    TAutomatGrid* Grid() { return Find<TAutomatGrid>(form.get(), "AutomatGrid"); }
    std::string Cell(int col, int row) { return Grid()->Table().Cell(col, row); }
    // Types into a cell and leaves it with Tab, as the user would.
    void Type(int col, int row, const QString& keys) {
        Grid()->SetCurrentTableCell(col, row);
        QTest::keyClicks(Grid(), keys.left(1));
        QWidget* editor = Grid()->indexWidget(Grid()->currentIndex());
        ASSERT_NE(editor, nullptr) << keys.toStdString();
        QTest::keyClicks(editor, keys.mid(1) + "\t");
    }
    int Shown(const QString& filter) {
        Find<QLineEdit>(form.get(), "FilterEdit")->setText(filter);
        int n = 0;
        for (int r = 0; r < Grid()->rowCount(); ++r)
            n += !Grid()->isRowHidden(r);
        return n;
    }
};

} // namespace

TEST_F(EditorFilesTest, OpenEditSaveAsCaptionAndRecentFiles) {
    OpenWith(moore);
    EXPECT_EQ(form->windowTitle(), "Moore - Automat - a.txt");
    WriteBytes(dir.File("b.txt"), ReadBytes(DataPath("fsm/Mealy.txt")));
    EXPECT_FALSE(form->OpenFile(Q(dir.File("b.txt")))); // a Mealy machine is refused
    EXPECT_TRUE(dialogs.asked.back().text.contains("Mealy-Automaten"));

    Type(1, 1, "Z0");
    Act("Speichern1"); // writes the file opened, not the current work
    std::string edited = moore;
    edited.replace(edited.find("Z0|Z1|go"), 8, "Z0|Z0|go");
    EXPECT_EQ(ReadBytes(dir.File("a.txt")), edited);
    dialogs.saveFiles = {Q(dir.File("c.txt"))};
    Act("SpeichernUnter1");
    EXPECT_EQ(ReadBytes(dir.File("c.txt")), edited);
    EXPECT_EQ(form->windowTitle(), "Moore - Automat - c.txt");
    EXPECT_EQ(form->RecentFiles(), (QStringList{Q(dir.File("c.txt")), Q(dir.File("a.txt"))}));

    Type(1, 1, "Z1"); // unsaved work: Abbrechen keeps it, Nein discards it
    dialogs.yesNoCancel = {TDialogs::Cancel, TDialogs::No};
    Act("Zuletzt2");
    EXPECT_EQ(dialogs.asked.back().text, "Daten speichern?");
    EXPECT_EQ(form->windowTitle(), "Moore - Automat - c.txt");
    Act("Zuletzt2");
    EXPECT_EQ(form->windowTitle(), "Moore - Automat - a.txt");
}

// States A0 and Z1: a Folgezustand cell takes an offered name, or the only one begun.
TEST_F(EditorFilesTest, TypingIntoATableCellTakesOnlyOfferedNames) {
    std::string renamed = moore;
    for (std::size_t at; (at = renamed.find("Z0")) != std::string::npos;)
        renamed.replace(at, 2, "A0");
    OpenWith(renamed);
    const std::pair<const char*, const char*> cases[] = {
        {"Z", "Z1"}, {"a0", "A0"}, {"Q", "A0"}, {"Z1x", "A0"}, {"z1", "Z1"}};
    for (const auto& [keys, cell] : cases) {
        Type(1, 1, keys);
        EXPECT_EQ(Cell(1, 1), cell) << keys;
    }
}

TEST_F(EditorFilesTest, FilterShowsAndEditsTheRightRowsAndUndoRestoresADeletedRow) {
    OpenWith(moore);
    EXPECT_EQ(Shown("STOP"), 1);
    Type(1, 2, "Z1");
    EXPECT_EQ(Cell(1, 2) + Cell(1, 1), "Z1Z1");
    EXPECT_EQ(Shown(""), 2);
    Grid()->SetCurrentTableCell(0, 2);
    dialogs.popupChoices = {"Zeile &einfügen", "Zeile &löschen"};
    form->AutomatGridPopup({});
    form->AutomatGridPopup({}); // deletes the row with the typed name
    ASSERT_EQ(Grid()->rowCount(), 2);
    QTest::keyClick(Grid(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Grid()->rowCount(), 3);
    EXPECT_EQ(Cell(1, 2), "Z1");
    QTest::keyClick(Grid(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(form->CurrentTab(), 4);
}

// Every command that writes a file proposes a name after the file edited and
// says what it wrote, or why it wrote nothing.
TEST_F(EditorFilesTest, CommandsProposeTheEditedFilesNameAndSayWhatTheyWrote) {
    OpenWith(moore);
    QSignalSpy written(form.get(), &TAutomatForm::Geschrieben);
    const QString folder = Q(dir.Path());
    struct TStep {
        const char* action;
        const char* typed; // the file-name prompt's or the save dialog's answer
        bool overwrite;    // the answer to "Datei überschreiben?", when asked
        QString proposal, status;
    };
    const TStep steps[] = {
        {"ErzeugeVHDLDatei1", "a.vhd", false, "a.vhd", "Geschrieben: " + folder + "a.vhd"},
        {"ErzeugeVHDLDatei1", "a.vhd", false, "a.vhd",
         "Keine Datei geschrieben: „" + folder + "a.vhd“ wurde nicht überschrieben."},
        {"ErzeugeVHDLDatei1", "", false, "a.vhd", "Keine Datei geschrieben: abgebrochen."},
        {"TestbenchErzeugen1", "a.vhd", false, "a.vhd", "Geschrieben: " + folder + "a_tb.vhd"},
        {"DiagrammSpeichernBTN", "a.dot", false, folder + "|a.svg",
         "Geschrieben: " + folder + "a.dot"},
        {"DiagrammSpeichernBTN", "a.txt", true, folder + "|a.svg",
         "Keine Datei geschrieben: die Endung von „" + folder + "a.txt“ ist unbekannt."}};
    for (const auto& step : steps) {
        dialogs.yesNo = {step.overwrite};
        const bool diagram = QString(step.action) == "DiagrammSpeichernBTN";
        if (diagram) {
            Act("Zustandsdiagramm1");
            dialogs.saveFiles = {folder + step.typed};
            Find<QPushButton>(form.get(), step.action)->click();
        } else {
            dialogs.fileNames = {step.typed};
            Act(step.action);
        }
        const auto prompt =
            std::find_if(dialogs.asked.rbegin(), dialogs.asked.rend(),
                         [&](auto& a) { return a.kind == (diagram ? "save" : "filename"); });
        EXPECT_TRUE(prompt->text.startsWith(step.proposal)) << step.action << " " << step.typed;
        EXPECT_EQ(form->StatusText(), step.status) << step.action << " " << step.typed;
    }
    EXPECT_EQ(written.size(), 3);
    EXPECT_EQ(written.at(1).at(0).toString(), folder + "a_tb.vhd");
}

// The filter shows the first matching row; a row inserted under it stays until the filter changes.
TEST_F(EditorFilesTest, FilterScrollsToTheFirstMatchAndKeepsInsertedRowsInView) {
    const TAutomat a = Ring(200);
    OpenWith(CrLf(WorkspaceLines(a)));
    form->resize(582, 641);
    Grid()->scrollToBottom();
    QCoreApplication::processEvents();
    EXPECT_GT(Shown("z1"), 100);
    QCoreApplication::processEvents();
    EXPECT_EQ(Grid()->rowAt(0), 0); // z0|z1
    EXPECT_EQ(Shown("z191"), 2);    // z190|z191 and z191|z192, rows 191 and 192
    Grid()->SetCurrentTableCell(0, 191);
    dialogs.popupChoices = {"Zeile &einfügen", "z5"};
    form->AutomatGridPopup({});
    EXPECT_FALSE(Grid()->isRowHidden(191)); // the new row 192: "z190" and empty fields
    Grid()->SetCurrentTableCell(1, 192);
    form->AutomatGridPopup({});
    EXPECT_EQ(Cell(1, 192), "z5");
    EXPECT_FALSE(Grid()->isRowHidden(191));
    EXPECT_EQ(Shown(""), 201);
    EXPECT_EQ(Shown("z191"), 2);
}

// 256 states: the table opens and the filter narrows it without a visible delay.
TEST_F(EditorFilesTest, BigMachineOpensAndFiltersAtOnce) {
    const TAutomat a = Ring(256);
    QElapsedTimer timer;
    timer.start();
    OpenWith(CrLf(WorkspaceLines(a)));
    EXPECT_EQ(Shown("z25"), 9); // z24 leads to z25; z25 and z249 .. z255 name it
    EXPECT_LT(timer.elapsed(), 500);
}

// A KISS2 file imported into the Moore editor is the same machine korvalt-cli
// imports, with its report shown; exported again it is the same KISS2 text.
// A broken file names its line and leaves the editor's description alone.
TEST_F(EditorFilesTest, Kiss2ImportShowsTheReportAndExportWritesItBack) {
    OpenWith(moore);
    const std::string kiss = DataPath("fsm/kiss2/zaehler.kiss2");
    QString report;
    dialogs.onModal = [&](QDialog* d) {
        report = Find<QPlainTextEdit>(d, "Kiss2BerichtText")->toPlainText();
        return QDialog::Accepted;
    };
    dialogs.files = {Q(DataPath("fsm/kiss2/broken/breite.kiss2"))};
    Act("ImportKiss2");
    EXPECT_TRUE(dialogs.asked.back().text.contains("Zeile "))
        << dialogs.asked.back().text.toStdString();
    EXPECT_EQ(form->windowTitle(), "Moore - Automat - a.txt");

    dialogs.files = {Q(kiss)};
    Act("ImportKiss2");
    EXPECT_EQ(report.toStdString() + "\r\n",
              ReadBytes(DataPath("fsm/kiss2/zaehler.moore.bericht.txt")));
    EXPECT_EQ(form->windowTitle(), "Moore - Automat");
    EXPECT_TRUE(form->Modified());
    EXPECT_TRUE(form->StatusText().endsWith("zaehler.kiss2"));

    dialogs.saveFiles = {Q(dir.File("z.kiss2"))};
    Act("ExportKiss2");
    EXPECT_EQ(ReadBytes(dir.File("z.kiss2")), ReadBytes(DataPath("fsm/kiss2/zaehler.moore.kiss2")));
    dialogs.yesNo = {true}; // the first save asks before it replaces the current work
    Act("Speichern1");
    EXPECT_EQ(ReadBytes(programDir.File("Moore.txt")),
              ReadBytes(DataPath("fsm/kiss2/zaehler.Moore.txt")));
}

#include <QAction>
#include <QElapsedTimer>
#include <QGraphicsItem>
#include <QGraphicsView>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <iostream>

#include "fsm/workspace.h"
#include "gui/diagramview.h"
#include "gui/fsmeditor.h"
#include "gui/gui_support.h"
#include "gui/qtext.h"
#include "support/testsupport.h"

using namespace korvalt;
using namespace korvalt::test;

namespace {

// Two rows from Z0 to Z1 (table rows 1 and 3) share one arrow.
const char* const Work = "#IN\r\ngo|01\r\nstop|10\r\nhalt|11\r\n#OUT\r\nan|1\r\naus|0\r\n"
                         "#Z\r\nZ0|0\r\nZ1|1\r\n#AUTOMAT\r\nZ0|Z1|go\r\nZ1|Z0|halt\r\n"
                         "Z0|Z1|stop\r\n#AUSGTAB\r\nZ0|aus\r\nZ1|an\r\n#RSTZ0\r\n";

class DiagramTabTest : public ::testing::Test {
  protected:
    TTempDir dir;
    TFakeDialogs dialogs;
    std::unique_ptr<TAutomatForm> form;

    void SetUp() override {
        WriteBytes(dir.File("Moore.txt"), Work);
        form = std::make_unique<TAutomatForm>();
        form->Init(dir.Path(), dir.Path(), true);
        form->resize(700, 500);
        form->show();
        Find<QAction>(form.get(), "aktuelleArbeit1")->trigger();
    }
    TDiagramView* View() { return Find<TDiagramView>(form.get(), "Zustandsdiagramm"); }
    QTabBar* Tabs() { return Find<QTabBar>(form.get(), "TabControl1"); }
    // The drawn items of one kind ("node" or "edge") by index.
    std::map<int, QGraphicsItem*> Items(const char* kind) {
        std::map<int, QGraphicsItem*> items;
        for (QGraphicsItem* i : Find<QGraphicsView>(form.get(), "DiagrammView")->items())
            if (i->data(0).toString() == kind) items[i->data(1).toInt()] = i;
        return items;
    }
    void DoubleClick(QGraphicsItem* item) {
        auto* view = Find<QGraphicsView>(form.get(), "DiagrammView");
        const QPointF at = item->type() == QGraphicsPathItem::Type
                               ? static_cast<QGraphicsPathItem*>(item)->path().pointAtPercent(0.3)
                               : item->sceneBoundingRect().center() + QPointF(0, -8);
        view->ensureVisible(QRectF(at, QSizeF(1, 1)));
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, view->mapFromScene(at));
    }
    std::vector<int> SelectedRows() {
        std::vector<int> rows;
        for (const QModelIndex& i :
             Find<TAutomatGrid>(form.get(), "AutomatGrid")->selectionModel()->selectedRows())
            rows.push_back(i.row() + 1);
        std::sort(rows.begin(), rows.end());
        return rows;
    }
    void WaitWhileBusy() {
        for (int i = 0; i < 600 && View()->Busy(); ++i)
            QTest::qWait(50);
    }
};

} // namespace

TEST_F(DiagramTabTest, LastTabDrawsTheStoredTableFollowsEditsAndDoubleClickSelectsRows) {
    Find<QAction>(form.get(), "Zustandsdiagramm1")->trigger();
    ASSERT_EQ(Tabs()->count(), 6);
    EXPECT_EQ(Tabs()->tabText(5), "Zustandsdiagramm");
    EXPECT_EQ(Tabs()->currentIndex(), 5);
    EXPECT_TRUE(View()->isVisible());
    EXPECT_EQ(Items("node").size(), 2u);
    EXPECT_EQ(Items("edge").size(), 2u);
    auto* view = Find<QGraphicsView>(form.get(), "DiagrammView");
    const double fitted = view->transform().m11();
    QTest::keyClick(view, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_GT(view->transform().m11(), fitted);
    QTest::keyClick(view, Qt::Key_Minus, Qt::ControlModifier);
    QTest::keyClick(view, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_LT(view->transform().m11(), fitted);

    // Z1's row now leads back to Z1: after switching back the arrow is a loop.
    Tabs()->setCurrentIndex(3);
    auto* grid = Find<TAutomatGrid>(form.get(), "AutomatGrid");
    grid->SetCurrentTableCell(1, 2);
    dialogs.popupChoices = {"Z1"};
    QTest::keyClick(grid, Qt::Key_Return);
    Tabs()->setCurrentIndex(5);
    ASSERT_EQ(View()->Graph().edges.size(), 2u);
    EXPECT_EQ(View()->Graph().edges[1].from, 1);
    EXPECT_EQ(View()->Graph().edges[1].to, 1);

    const struct {
        const char* kind;
        int index;
        std::vector<int> rows;
    } clicks[] = {{"edge", 0, {1, 3}}, {"node", 1, {2}}, {"edge", 1, {2}}, {"node", 0, {1, 3}}};
    for (const auto& c : clicks) {
        Tabs()->setCurrentIndex(5);
        DoubleClick(Items(c.kind).at(c.index));
        EXPECT_EQ(Tabs()->currentIndex(), 3) << c.kind << c.index;
        EXPECT_EQ(SelectedRows(), c.rows) << c.kind << c.index;
    }
    EXPECT_EQ(form->Automat().Automatentabelle, (TStrings{"Z0|Z1|go", "Z1|Z1|halt", "Z0|Z1|stop"}));
}

TEST_F(DiagramTabTest, LargeMachinesAreLaidOutByAChildThatCanBeCancelledAndSaveAsked) {
    View()->ChildProcessRows = 2;
    View()->CliPath = KORVALT_CLI;
    Find<QAction>(form.get(), "Zustandsdiagramm1")->trigger();
    EXPECT_TRUE(View()->Busy());
    EXPECT_TRUE(Find<QPushButton>(form.get(), "AbbrechenBTN")->isVisible());
    EXPECT_EQ(View()->Note(), "Das Zustandsdiagramm wird angeordnet \u2026");
    WaitWhileBusy();
    EXPECT_EQ(Items("edge").size(), 2u) << View()->Note().toStdString();
    EXPECT_FALSE(Find<QPushButton>(form.get(), "AbbrechenBTN")->isVisible());

    Tabs()->setCurrentIndex(4);
    Tabs()->setCurrentIndex(5);
    ASSERT_TRUE(View()->Busy());
    Find<QPushButton>(form.get(), "AbbrechenBTN")->click();
    EXPECT_FALSE(View()->Busy());
    EXPECT_EQ(View()->Note(), "Abgebrochen.");

    // A child that ends without writing the layout: the note says so.
    View()->CliPath = "/bin/true";
    Tabs()->setCurrentIndex(4);
    Tabs()->setCurrentIndex(5);
    WaitWhileBusy();
    EXPECT_EQ(View()->Note(), "Das Zustandsdiagramm kann nicht angeordnet werden: "
                              "korvalt-cli schrieb keine Anordnung.");
    View()->CliPath = KORVALT_CLI;

    // Saving a picture runs the child too; an existing file is asked about.
    dialogs.saveFiles = {PathToQ(dir.File("d.svg")), PathToQ(dir.File("d.svg"))};
    dialogs.yesNo = {false};
    Find<QPushButton>(form.get(), "DiagrammSpeichernBTN")->click();
    WaitWhileBusy();
    EXPECT_TRUE(ReadBytes(dir.File("d.svg")).find("<svg") != std::string::npos);
    Find<QPushButton>(form.get(), "DiagrammSpeichernBTN")->click();
    EXPECT_FALSE(View()->Busy());
    ASSERT_FALSE(dialogs.asked.empty());
    EXPECT_EQ(dialogs.asked.back().text, "Datei \u00fcberschreiben?");
}

// KISS2 machines of benchmark size (218 states with 1,096 rows, 32 states with
// 1,569 rows) open in the Mealy editor at once and their diagram is laid out
// and drawn within the time a machine of up to 512 states and 4,096 rows may take.
TEST_F(DiagramTabTest, Kiss2MachinesOfBenchmarkSizeOpenAndAreDrawnInTime) {
    for (const char* file : {"gross218.kiss2", "gross32.kiss2"}) {
        form = std::make_unique<TAutomatForm>();
        form->Init(dir.Path(), dir.Path(), false);
        form->resize(700, 500);
        form->show();
        dialogs.files = {PathToQ(DataPath(std::string("fsm/kiss2/") + file))};
        dialogs.onModal = [](QDialog*) { return QDialog::Accepted; };
        QElapsedTimer timer;
        timer.start();
        Find<QAction>(form.get(), "ImportKiss2")->trigger();
        Find<QAction>(form.get(), "Automatentabelle1")->trigger();
        const qint64 opened = timer.elapsed();
        EXPECT_GT(Find<TAutomatGrid>(form.get(), "AutomatGrid")->rowCount(), 1000) << file;
        EXPECT_LT(opened, 1000) << file;
        View()->CliPath = KORVALT_CLI;
        timer.restart();
        Find<QAction>(form.get(), "Zustandsdiagramm1")->trigger();
        WaitWhileBusy();
        const qint64 drawn = timer.elapsed();
        EXPECT_GT(Items("edge").size(), 200u) << file << View()->Note().toStdString();
        EXPECT_LT(drawn, 15000) << file;
        std::cout << file << ": opened in " << opened << " ms, diagram in " << drawn << " ms\n";
    }
}

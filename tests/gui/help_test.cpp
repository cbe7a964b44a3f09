#include <QAction>
#include <QDialog>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextLayout>
#include <QTimer>

#include "gui/aboutwindow.h"
#include "gui/fsmeditor.h"
#include "gui/gui_support.h"
#include "gui/help.h"
#include "gui/helptopics.h"
#include "support/testsupport.h"

using namespace korvalt;

TEST(Help, EveryHelpContextOfTheProgramHasATopicWithContent) {
    for (int n : AllHelpTopics) {
        const QString topic = QString::number(n);
        ASSERT_TRUE(HelpTopicExists(topic)) << n;
        HelpJump(topic);
        EXPECT_EQ(THelpWindow::Instance()->CurrentTopic(), topic);
        const QString text = THelpWindow::Instance()->findChild<QTextBrowser*>()->toPlainText();
        EXPECT_GT(text.size(), 300) << n;
    }
}

TEST(Help, StaysUsableWhileAModalWindowIsOpen) {
    TAboutBox box;
    HelpJump("9999"); // an unknown topic shows the contents
    EXPECT_EQ(THelpWindow::Instance()->CurrentTopic(), "1000");
    HelpJump("1300"); // so F1 in the box must change this
    bool blockedWhileModal = true;
    QString shown;
    QTimer::singleShot(0, [&] {
        QTest::keyClick(&box, Qt::Key_F1);
        QCoreApplication::processEvents();
        shown = THelpWindow::Instance()->CurrentTopic();
        blockedWhileModal = THelpWindow::Instance()->IsBlocked();
        box.accept();
    });
    box.exec();
    EXPECT_EQ(shown, "1000");
    EXPECT_FALSE(blockedWhileModal);
}

// The help the user opened beside the main window stays; the state-machine
// editor's own can be scrolled beside it (key presses through the window
// system, which drops them for a blocked window) and closes with it.
TEST(Help, OpenedFromTheEditorBelongsToItAndCanBeUsedBesideIt) {
    test::TTempDir dir;
    test::TFakeDialogs dialogs;
    HelpJump("1000");
    QPointer<THelpWindow> help;
    QString topic;
    bool owned = false, blocked = true;
    int scrolled = 0;
    {
        TAutomatForm editor;
        editor.Init(dir.Path(), dir.Path(), true);
        QTimer::singleShot(0, [&] {
            editor.findChild<QAction*>("Hilfe1")->trigger();
            help = THelpWindow::Instance();
            topic = help->CurrentTopic();
            owned = help->parentWidget() == &editor;
            blocked = help->IsBlocked();
            QScrollBar* bar = help->findChild<QTextBrowser*>()->verticalScrollBar();
            const int before = bar->value();
            QTest::keyClick(help->windowHandle(), Qt::Key_PageDown);
            scrolled = bar->value() - before;
            editor.reject();
        });
        editor.exec();
    }
    EXPECT_EQ(topic, "3000");
    EXPECT_TRUE(owned);
    EXPECT_FALSE(blocked);
    EXPECT_GT(scrolled, 0);
    EXPECT_TRUE(help.isNull());
    EXPECT_EQ(THelpWindow::Instance()->CurrentTopic(), "1000");
}

TEST(Help, ExamplesAreHighlightedAsVhdlAndProseIsNot) {
    HelpJump("1170");
    const QTextDocument* doc = THelpWindow::Instance()->findChild<QTextBrowser*>()->document();
    int highlighted = 0;
    for (QTextBlock b = doc->begin(); b != doc->end(); b = b.next()) {
        const bool example = b.blockFormat().nonBreakableLines();
        EXPECT_TRUE(example || b.layout()->formats().isEmpty()) << b.text().toStdString();
        if (example && b.text().startsWith("entity |NAME| is"))
            highlighted += b.layout()->formats().size();
    }
    EXPECT_EQ(highlighted, 2); // "entity" and "is"
}

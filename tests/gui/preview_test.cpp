#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <filesystem>

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

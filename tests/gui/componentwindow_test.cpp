#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "gui/componentwindow.h"
#include "gui/gui_support.h"
#include "gui/mainwindow.h"
#include "gui/recentfiles.h"
#include "support/testsupport.h"

using namespace korvalt;
using namespace korvalt::test;

namespace {

class VhdlFlowTest : public ::testing::Test {
  protected:
    TTempDir programDir;
    TTempDir workDir;
    TFakeDialogs dialogs;
    const std::string top = ReadBytes(DataPath("vhdl/top.vhd"));
    std::unique_ptr<TMainForm> form;

    void SetUp() override {
        WriteBytes(programDir.File("KORVALT.INI"), workDir.Path() + "\r\n");
        WriteBytes(workDir.File("zaehler.vhd"), ReadBytes(DataPath("vhdl/zaehler.vhd")));
        WriteBytes(workDir.File("ZWEI.VHD"), "entity zwei is\r\nend zwei;\r\n");
        WriteBytes(workDir.File("namenlos.vhd"), "-- nur ein Kommentar\r\n");
        WriteBytes(workDir.File("notiz.txt"), "");
        WriteBytes(workDir.File("top.vhd"), top);
        form = std::make_unique<TMainForm>(programDir.Path());
        form->show();
    }

    // Chooses target in the file dialog and lets act drive the component window.
    void InsertVia(const std::string& target, std::function<void(TKomponenteForm*)> act) {
        dialogs.files.push_back(QString::fromStdString(target));
        dialogs.onModal = [&](QDialog* d) {
            auto* k = qobject_cast<TKomponenteForm*>(d);
            EXPECT_NE(k, nullptr);
            if (k) act(k);
            return d->result();
        };
        form->Komponente_einfuegenClick();
        EXPECT_EQ(form->StatusText(), "Komponente einfügen");
    }

    static void Choose(TKomponenteForm* k, int index, bool clickComments = false) {
        Find<QComboBox>(k, "FileCB")->setCurrentIndex(index);
        if (clickComments) QTest::mouseClick(Find<QCheckBox>(k, "KommentarCB"), Qt::LeftButton);
        QTest::mouseClick(Find<QPushButton>(k, "EinfuegenBTN"), Qt::LeftButton);
    }

    void ExpectCannotWrite(const QString& path) {
        const QString named = path + "\" kann nicht geschrieben werden: ";
        EXPECT_EQ(dialogs.asked.back().kind, "message");
        EXPECT_TRUE(dialogs.asked.back().text.contains(named));
        EXPECT_FALSE(dialogs.asked.back().text.endsWith(named)); // the system's reason
        // The status bar says it too.
        EXPECT_EQ(form->Meldung(),
                  "Nicht geschrieben: " + dialogs.asked.back().text.section('\n', 0, 0));
    }
};

} // namespace

TEST_F(VhdlFlowTest, TestbenchCancelledWrittenSilentlyOrReportedAsUnwritable) {
    dialogs.files = {"", QString::fromStdString(workDir.File("zaehler.vhd")), "/proc/version"};
    form->TestbenchClick();
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].caption, "VHDL-Datei für Testbench auswählen");
    EXPECT_EQ(dialogs.asked[0].text,
              QString::fromStdString(workDir.Path()) + "||VHDL-Datei (*.vhd)");
    EXPECT_FALSE(std::filesystem::exists(workDir.File("zaehler.wdl")));

    form->TestbenchClick();
    EXPECT_EQ(dialogs.asked.size(), 2u); // the file dialog only: success says nothing
    EXPECT_TRUE(MatchesExpected(ReadBytes(workDir.File("zaehler.wdl")), "vhdl/zaehler.wdl", false));

    form->TestbenchClick();
    ASSERT_EQ(dialogs.asked.size(), 4u);
    ExpectCannotWrite("/proc/version.wdl");
    EXPECT_EQ(form->StatusText(), "");

    std::filesystem::create_directory(workDir.File("top.wdl")); // a folder is no testbench
    dialogs.files = {QString::fromStdString(workDir.File("top.vhd"))};
    form->TestbenchClick();
    EXPECT_TRUE(dialogs.asked.back().text.contains("top.wdl\" ist ein Ordner"));
}

TEST_F(VhdlFlowTest, RunnableTestbenchRefusedWrittenAndOverwrittenOnlyWhenAllowed) {
    auto* entry = form->findChild<QAction*>("TestbenchVhdl");
    ASSERT_NE(entry, nullptr);
    const std::string tb = workDir.File("zaehler_tb.vhd");
    dialogs.files = {QString::fromStdString(workDir.File("namenlos.vhd")),
                     QString::fromStdString(workDir.File("zaehler.vhd")),
                     QString::fromStdString(workDir.File("zaehler.vhd")),
                     QString::fromStdString(workDir.File("zaehler.vhd"))};
    dialogs.yesNo = {false, true};
    entry->trigger();
    EXPECT_TRUE(dialogs.asked.back().text.contains("namenlos.vhd\" steht keine Entity"));
    entry->trigger(); // written without a question
    EXPECT_EQ(dialogs.asked.back().kind, "file");
    EXPECT_TRUE(MatchesExpected(ReadBytes(tb), "vhdl/zaehler_tb.vhd", true));
    WriteBytes(tb, "eigene Arbeit");
    entry->trigger(); // Nein keeps the file
    EXPECT_EQ(dialogs.asked.back().text, QString::fromStdString("Datei überschreiben?\n" + tb));
    EXPECT_EQ(ReadBytes(tb), "eigene Arbeit");
    EXPECT_TRUE(form->Meldung().startsWith("Nicht geschrieben: "));
    entry->trigger();
    EXPECT_TRUE(MatchesExpected(ReadBytes(tb), "vhdl/zaehler_tb.vhd", true));
    EXPECT_EQ(form->StatusText(), "");
    EXPECT_EQ(form->Meldung(), QString::fromStdString("Geschrieben: " + tb));
    EXPECT_EQ(GeneratedFiles().value(0), QString::fromStdString(tb));
}

TEST_F(VhdlFlowTest, InsertionCancelledEndedRefusedUnwritableAndDone) {
    dialogs.files.push_back("");
    form->Komponente_einfuegenClick();
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].caption,
              "VHDL-Datei, in welche eine Komponente eingefügt werden soll");
    EXPECT_EQ(form->StatusText(), "Komponente einfügen");
    EXPECT_EQ(form->Meldung(), "Abgebrochen: keine Datei geschrieben.");

    InsertVia(workDir.File("top.vhd"), [](TKomponenteForm* k) {
        QTest::mouseClick(Find<QPushButton>(k, "BeendenBTN"), Qt::LeftButton);
    });
    EXPECT_EQ(dialogs.asked.back().kind + dialogs.asked.back().caption,
              QString::fromUtf8("modalKomponente einfügen"));
    EXPECT_EQ(form->Meldung(), "Abgebrochen: keine Datei geschrieben.");

    InsertVia(workDir.File("top.vhd"), [](TKomponenteForm* k) { Choose(k, 0); }); // namenlos.vhd
    EXPECT_TRUE(dialogs.asked.back().text.contains("namenlos.vhd\" steht keine Entity"));
    EXPECT_EQ(ReadBytes(workDir.File("top.vhd")), top);

    // A typed name that is not listed is refused; the window stays open for another choice.
    InsertVia(workDir.File("top.vhd"), [&](TKomponenteForm* k) {
        Find<QComboBox>(k, "FileCB")->setCurrentIndex(1);
        Find<QComboBox>(k, "FileCB")->setEditText("zaehler2.vhd");
        QTest::mouseClick(Find<QPushButton>(k, "EinfuegenBTN"), Qt::LeftButton);
        EXPECT_EQ(dialogs.asked.back().text.left(13), "zaehler2.vhd ");
        EXPECT_TRUE(k->isVisible());
        QTest::mouseClick(Find<QPushButton>(k, "BeendenBTN"), Qt::LeftButton);
    });
    EXPECT_EQ(ReadBytes(workDir.File("top.vhd")), top);

    InsertVia("/proc/version", [](TKomponenteForm* k) { Choose(k, 1); }); // zaehler.vhd
    ExpectCannotWrite("/proc/version");

    InsertVia(workDir.File("top.vhd"), [&](TKomponenteForm* k) {
        // Sorted ignoring case, .VHD included, the target itself left out.
        QStringList items;
        for (int i = 0; i < Find<QComboBox>(k, "FileCB")->count(); ++i)
            items << Find<QComboBox>(k, "FileCB")->itemText(i);
        EXPECT_EQ(items, (QStringList{"namenlos.vhd", "zaehler.vhd", "ZWEI.VHD"}));
        auto* comments = Find<QCheckBox>(k, "KommentarCB");
        EXPECT_TRUE(comments->isChecked());
        EXPECT_FALSE(Find<QCheckBox>(k, "SignaleCB")->isChecked());
        Choose(k, 1, true);
        EXPECT_FALSE(k->isVisible());
    });
    EXPECT_TRUE(
        MatchesExpected(ReadBytes(workDir.File("top.vhd")), "vhdl/top_ohne_kommentar.vhd", false));

    WriteBytes(workDir.File("top.vhd"), top);
    InsertVia(workDir.File("top.vhd"), [](TKomponenteForm* k) {
        QTest::mouseClick(Find<QCheckBox>(k, "SignaleCB"), Qt::LeftButton);
        Choose(k, 1);
    });
    EXPECT_TRUE(MatchesExpected(ReadBytes(workDir.File("top.vhd")), "vhdl/top_signale.vhd", true));
    EXPECT_EQ(form->Meldung(), QString::fromStdString("Geschrieben: " + workDir.File("top.vhd")));
}

TEST(KomponenteForm, LayoutFollowsTheWindowsSize) {
    TKomponenteForm k;
    k.show();
    EXPECT_EQ(k.size(), QSize(484, 321));
    auto* b1 = Find<QPushButton>(&k, "EinfuegenBTN");
    auto* cb = Find<QComboBox>(&k, "FileCB");
    EXPECT_EQ(Find<QPushButton>(&k, "BeendenBTN")->x(), (242 - 75) / 2);
    EXPECT_EQ(b1->x(), (242 - 75) / 2 + 242);
    EXPECT_EQ(cb->width(), 484 - 48);
    k.resize(200, 100); // narrower than four buttons, lower than ten lists
    EXPECT_EQ(k.size(), QSize(300, 10 * cb->height()));
    EXPECT_EQ(b1->x(), (150 - 75) / 2 + 150);
    EXPECT_EQ(cb->width(), 300 - 48);
    EXPECT_EQ(Find<QWidget>(&k, "KnopfPNL")->geometry().bottom(), k.height() - 1);
}

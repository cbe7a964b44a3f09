#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "app/u_korvalt.h"
#include "gui/gui_support.h"
#include "support/testsupport.h"
#include "vhdl/u_komponente.h"

using namespace korvalt;
using namespace korvalt::test;

namespace {

class VhdlFlowTest : public ::testing::Test {
  protected:
    TTempDir programDir;
    TTempDir workDir;
    TFakeDialogs dialogs;
    const std::string top = ReadBytes(DataPath("vhdl/top.vhd"));

    void SetUp() override {
        WriteBytes(programDir.File("KORVALT.INI"), workDir.Path() + "\r\n");
        WriteBytes(workDir.File("zaehler.vhd"), ReadBytes(DataPath("vhdl/zaehler.vhd")));
        WriteBytes(workDir.File("ZWEI.VHD"), "entity zwei is\r\nend zwei;\r\n");
        WriteBytes(workDir.File("namenlos.vhd"), "-- nur ein Kommentar\r\n");
        WriteBytes(workDir.File("notiz.txt"), "");
        WriteBytes(workDir.File("top.vhd"), top);
    }

    std::unique_ptr<TMainForm> Open() {
        auto form = std::make_unique<TMainForm>(programDir.Path());
        form->show();
        return form;
    }

    // Chooses target in the file dialog and lets act drive the component window.
    void InsertVia(const std::string& target, std::function<void(TKomponenteForm*)> act) {
        auto form = Open();
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

    static QStringList Items(QObject* form) {
        QStringList items;
        auto* cb = Find<QComboBox>(form, "FileCB");
        for (int i = 0; cb && i < cb->count(); ++i)
            items << cb->itemText(i);
        return items;
    }
};

} // namespace

TEST_F(VhdlFlowTest, TestbenchCancelledWritesNothing) {
    auto form = Open();
    dialogs.files.push_back("");
    form->TestbenchClick();
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].caption, "VHDL-Datei für Testbench auswählen");
    EXPECT_EQ(dialogs.asked[0].text,
              QString::fromStdString(workDir.Path()) + "||VHDL-Datei (*.vhd)");
    EXPECT_EQ(form->StatusText(), "");
    EXPECT_FALSE(std::filesystem::exists(workDir.File("zaehler.wdl")));
}

TEST_F(VhdlFlowTest, TestbenchWrittenBesideTheDesignSilently) {
    auto form = Open();
    dialogs.files.push_back(QString::fromStdString(workDir.File("zaehler.vhd")));
    form->TestbenchClick();
    EXPECT_EQ(dialogs.asked.size(), 1u); // the file dialog only: success says nothing
    EXPECT_EQ(form->StatusText(), "");
    EXPECT_TRUE(MatchesExpected(ReadBytes(workDir.File("zaehler.wdl")), "vhdl/zaehler.wdl", false));
}

TEST_F(VhdlFlowTest, TestbenchThatCannotBeWrittenIsReported) {
    auto form = Open();
    dialogs.files.push_back("/proc/version");
    form->TestbenchClick();
    ASSERT_EQ(dialogs.asked.size(), 2u);
    EXPECT_EQ(dialogs.asked[1].kind, "message");
    EXPECT_TRUE(dialogs.asked[1].text.startsWith(
        "Die Datei /proc/version.wdl kann nicht geschrieben werden:\n"))
        << dialogs.asked[1].text.toStdString();
    EXPECT_EQ(form->StatusText(), "");
}

TEST_F(VhdlFlowTest, InsertionCancelledOpensNoWindow) {
    auto form = Open();
    dialogs.files.push_back("");
    form->Komponente_einfuegenClick();
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].caption,
              "VHDL-Datei, in welche eine Komponent eingefügt werden soll");
    EXPECT_EQ(form->StatusText(), "Komponente einfügen");
}

TEST_F(VhdlFlowTest, WindowListsTheFolderAndInsertsWithoutComments) {
    InsertVia(workDir.File("top.vhd"), [&](TKomponenteForm* k) {
        EXPECT_EQ(k->windowTitle(), "KomponenteForm");
        EXPECT_EQ(Items(k), (QStringList{"namenlos.vhd", "zaehler.vhd", "ZWEI.VHD"}));
        EXPECT_EQ(Find<QComboBox>(k, "FileCB")->currentIndex(), 0);
        auto* comments = Find<QCheckBox>(k, "KommentarCB");
        EXPECT_TRUE(comments->isChecked());
        EXPECT_EQ(comments->text(), "&Kommentar einfügen");
        Find<QComboBox>(k, "FileCB")->setCurrentIndex(1);
        QTest::mouseClick(comments, Qt::LeftButton);
        QTest::mouseClick(Find<QPushButton>(k, "Button1"), Qt::LeftButton);
        EXPECT_FALSE(k->isVisible());
    });
    EXPECT_TRUE(
        MatchesExpected(ReadBytes(workDir.File("top.vhd")), "vhdl/top_ohne_kommentar.vhd", false));
}

TEST_F(VhdlFlowTest, BeendenAndARefusedInsertionLeaveTheTargetAlone) {
    InsertVia(workDir.File("top.vhd"), [](TKomponenteForm* k) {
        EXPECT_EQ(Find<QPushButton>(k, "Button2")->text(), "Be&enden");
        QTest::mouseClick(Find<QPushButton>(k, "Button2"), Qt::LeftButton);
    });
    EXPECT_EQ(ReadBytes(workDir.File("top.vhd")), top);
    EXPECT_EQ(dialogs.asked.back().kind, "modal");

    InsertVia(workDir.File("top.vhd"), [](TKomponenteForm* k) {
        Find<QComboBox>(k, "FileCB")->setCurrentIndex(0); // namenlos.vhd
        QTest::mouseClick(Find<QPushButton>(k, "Button1"), Qt::LeftButton);
    });
    EXPECT_EQ(ReadBytes(workDir.File("top.vhd")), top);
    EXPECT_EQ(dialogs.asked.back().kind, "message");
    EXPECT_TRUE(dialogs.asked.back().text.contains("namenlos.vhd steht keine Entity"));
}

TEST_F(VhdlFlowTest, UnwritableTargetIsReportedAndTheTargetsNameIsNotOffered) {
    WriteBytes(workDir.File("version"), "");
    InsertVia("/proc/version", [](TKomponenteForm* k) {
        EXPECT_FALSE(Items(k).contains("version"));
        Find<QComboBox>(k, "FileCB")->setCurrentText("top.vhd"); // typed text is not used
        Find<QComboBox>(k, "FileCB")->setCurrentIndex(1);        // zaehler.vhd
        QTest::mouseClick(Find<QPushButton>(k, "Button1"), Qt::LeftButton);
    });
    EXPECT_EQ(dialogs.asked.back().kind, "message");
    EXPECT_TRUE(dialogs.asked.back().text.startsWith(
        "Die Datei /proc/version kann nicht geschrieben werden:\n"));

    // The target's own name is left out, whatever its case and folder.
    TKomponenteForm k;
    k.ListComponents(workDir.Path(), "/anderswo/Zaehler.VHD");
    EXPECT_EQ(Items(&k), (QStringList{"namenlos.vhd", "top.vhd", "ZWEI.VHD"}));
}

TEST_F(VhdlFlowTest, LayoutFollowsTheWindowsSize) {
    TKomponenteForm k;
    k.show();
    EXPECT_EQ(k.size(), QSize(484, 321));
    auto* b1 = Find<QPushButton>(&k, "Button1");
    auto* b2 = Find<QPushButton>(&k, "Button2");
    auto* cb = Find<QComboBox>(&k, "FileCB");
    EXPECT_EQ(b2->x(), (242 - 75) / 2);
    EXPECT_EQ(b1->x(), (242 - 75) / 2 + 242);
    EXPECT_EQ(cb->width(), 484 - 48);
    k.resize(200, 100); // narrower than four buttons, lower than ten lists
    EXPECT_EQ(k.width(), 300);
    EXPECT_EQ(k.height(), 10 * cb->height());
    EXPECT_EQ(b1->x(), (150 - 75) / 2 + 150);
    EXPECT_EQ(cb->width(), 300 - 48);
    EXPECT_EQ(Find<QWidget>(&k, "Panel1")->geometry().bottom(), k.height() - 1);
}

// The window program of an unpacked package, driven in-process: its layout is
// decided for the unpacked bin folder (KORVALT_INSTALLED_BIN), with the user's
// folders under the temporary HOME and XDG folders the caller sets.
#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QPlainTextEdit>
#include <cstdlib>

#include "common/paths.h"
#include "gui/folders.h"
#include "gui/gui_support.h"
#include "gui/mainwindow.h"
#include "gui/qtext.h"
#include "support/testsupport.h"

using namespace korvalt;
using namespace korvalt::test;

TEST(InstalledTree, OffersBothTemplateFoldersAndKeepsSettingsAndWorkInTheUsersFolders) {
    const char* bin = std::getenv("KORVALT_INSTALLED_BIN");
    ASSERT_NE(bin, nullptr);
    const TFolders folders = UserFolders(WithTrailingSep(bin));
    ASSERT_TRUE(folders.installed);
    ASSERT_TRUE(PrepareUserFolders(folders));
    const std::string own = folders.templateDirs.back();
    WriteBytes(own + "eigenes_Modul.vhd", "#Eigen\r\n<\r\nx\r\n>\r\n");
    WriteBytes(own + "zaehler.vhd", "#Eigener Zaehler\r\n<\r\nx\r\n>\r\n");

    TFakeDialogs dialogs;
    auto form = std::make_unique<TMainForm>(folders);
    QStringList captions;
    for (QAction* a : Find<QMenu>(form.get(), "NeuesModul")->actions())
        captions << a->text();
    // The user's own beside the shipped ones; a user's file of a shipped name listed once.
    EXPECT_TRUE(captions.contains("eigenes Modul") && captions.contains("dekoder") &&
                captions.count("zaehler") == 1)
        << captions.join("|").toStdString();
    form->MenuSelectClick(static_cast<int>(captions.indexOf("zaehler")));
    EXPECT_EQ(form->TemplateFile(), own + "zaehler.vhd");

    dialogs.folders.push_back(PathToQ(folders.dataDir + "arbeit"));
    form->EinstellungenClick();
    form.reset(); // closing writes KORVALT.INI
    form = std::make_unique<TMainForm>(folders);
    EXPECT_EQ(form->WorkingDir(), folders.dataDir + "arbeit" + PathSep);

    // A Moore machine saved in one editor comes back in the next.
    QString loaded;
    dialogs.onModal = [](QDialog* editor) {
        Find<QAction>(editor, "Neu1")->trigger();
        Find<QPlainTextEdit>(editor, "VarMemo")->setPlainText("start\nwarten");
        Find<QAction>(editor, "Speichern1")->trigger();
        return 0;
    };
    form->MooreAutomatClick();
    EXPECT_TRUE(FileExists(folders.dataDir + "Moore.txt"));
    dialogs.onModal = [&](QDialog* editor) {
        Find<QAction>(editor, "aktuelleArbeit1")->trigger();
        loaded = Find<QPlainTextEdit>(editor, "VarMemo")->toPlainText();
        return 0;
    };
    form->MooreAutomatClick();
    EXPECT_EQ(loaded, "start\nwarten");
}

// Korvalt: program entry. Loads Qt's own German texts for the standard
// buttons and dialogs (whatever the locale), installs the F1 help, and shows
// the main window on the folders of the layout the program finds itself in
// (portable or installed).
#include <QApplication>

#include "common/paths.h"
#include "gui/folders.h"
#include "gui/help.h"
#include "gui/language.h"
#include "gui/mainwindow.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Korvalt");
    QApplication::setApplicationDisplayName("Korvalt");
    QGuiApplication::setDesktopFileName("de.korvalt.Korvalt");
    QApplication::setWindowIcon(QIcon(":/icons/korvalt.png"));

    korvalt::InstallGermanQtTexts(); // without them Qt's English texts remain

    korvalt::THelpKeyFilter helpKeys;
    app.installEventFilter(&helpKeys);

    const korvalt::TFolders folders = korvalt::UserFolders(korvalt::ExecutableDir());
    // A folder that cannot be made shows up later, as a failed save in the editor.
    korvalt::PrepareUserFolders(folders);
    korvalt::TMainForm mainForm(folders);
    mainForm.show();
    return QApplication::exec();
}

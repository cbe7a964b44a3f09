// Korvalt: program entry. Loads Qt's own German (or other) translations for
// the standard buttons, installs the F1 help, and shows the main window on the
// folders of the layout the program finds itself in (portable or installed).
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "common/paths.h"
#include "gui/folders.h"
#include "gui/help.h"
#include "gui/u_korvalt.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Korvalt");
    QApplication::setApplicationDisplayName("Korvalt");
    QGuiApplication::setDesktopFileName("de.korvalt.Korvalt");
    QApplication::setWindowIcon(QIcon(":/icons/korvalt.png"));

    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale::system(), "qtbase", "_",
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    korvalt::THelpKeyFilter helpKeys;
    app.installEventFilter(&helpKeys);

    const korvalt::TFolders folders = korvalt::UserFolders(korvalt::ExecutableDir());
    // A folder that cannot be made shows up later, as a failed save in the editor.
    korvalt::PrepareUserFolders(folders);
    korvalt::TMainForm mainForm(folders);
    mainForm.show();
    return QApplication::exec();
}

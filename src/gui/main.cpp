// Korvalt: program entry. Loads Qt's own German (or other) translations for
// the standard buttons, installs the F1 help, and shows the main window
// working on the folder the program lives in.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "gui/help.h"
#include "gui/u_korvalt.h"
#include "common/paths.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Korvalt");
    QApplication::setApplicationDisplayName("Korvalt");
    QApplication::setWindowIcon(QIcon(":/icons/korvalt.png"));

    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale::system(), "qtbase", "_",
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    korvalt::THelpKeyFilter helpKeys;
    app.installEventFilter(&helpKeys);

    korvalt::TMainForm mainForm(korvalt::ExecutableDir());
    mainForm.show();
    return QApplication::exec();
}

// Entry of the window tests: the offscreen platform unless told otherwise,
// one QApplication for all tests, and Qt's German texts and the F1 help as
// the program installs them.
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>

#include "gui/help.h"
#include "gui/language.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    korvalt::InstallGermanQtTexts();
    // The user's settings (recent files, "Vorschau") of the tests stay among the tests.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    korvalt::THelpKeyFilter helpKeys;
    app.installEventFilter(&helpKeys);
    return RUN_ALL_TESTS();
}

#include <QAction>
#include <QPushButton>
#include <QSignalSpy>
#include <filesystem>

#include "fsm/examples.h"
#include "fsm/workspace.h"
#include "gui/fsmeditor.h"
#include "gui/gui_support.h"
#include "gui/simulationwindow.h"
#include "support/testsupport.h"

using namespace korvalt;
using namespace korvalt::test;

namespace {

// The editor on the Moore example in its table view, with a stand-in "ghdl"
// (a shell script, or nothing) alone on the PATH.
class SimulierenTest : public ::testing::Test {
  protected:
    TTempDir dir;
    TFakeDialogs dialogs;
    TAutomatForm form;
    QByteArray oldPath = qgetenv("PATH");

    void SetUp() override {
        ASSERT_TRUE(SaveWorkspace(MooreExample(), dir.Path()));
        std::filesystem::create_directory(dir.File("bin"));
        qputenv("PATH", QByteArray::fromStdString(dir.File("bin")));
        form.Init(dir.Path(), dir.Path(), true);
        form.show();
        Find<QAction>(&form, "aktuelleArbeit1")->trigger();
        Find<QAction>(&form, "Automatentabelle1")->trigger();
    }
    void TearDown() override { qputenv("PATH", oldPath); }

    // A ghdl that prints a known log (of a failed run) and exits with 1 on "-r";
    // `before` runs first at every step.
    void StandIn(const std::string& before, const std::string& log = "fsm/ghdl_lauf.txt") {
        const std::string path = dir.File("bin/ghdl");
        WriteBytes(path, "#!/bin/sh\n" + before + "\ncase \"$1\" in -r) /bin/cat '" +
                             DataPath(log) + "'; exit 1;; esac\nexit 0\n");
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    }
    TSimulationForm* Simulate() {
        Find<QAction>(&form, "Simulieren1")->trigger();
        return form.findChild<TSimulationForm*>("SimulationForm");
    }
};

} // namespace

TEST_F(SimulierenTest, ShowsSummaryFailingRowsAndLogWithoutBlocking) {
    StandIn("/bin/sleep 0.2");
    TSimulationForm* sim = Simulate();
    ASSERT_NE(sim, nullptr);
    EXPECT_TRUE(sim->Running()); // the editor got control back at once
    EXPECT_EQ(sim->Summary(), "Simulation läuft …");
    QSignalSpy finished(sim, &TSimulationForm::Finished);
    ASSERT_TRUE(finished.wait(10000));
    EXPECT_EQ(sim->Summary(), "3 Übergänge geprüft, 2 Fehler – nicht bestanden.");
    EXPECT_EQ(
        sim->Failures(),
        QStringList({"Zeile 2 (S1|S0|X0), Zustand S0, Ausgang Y0: erwartet y = 0, gesehen y = 1",
                     "Zeile 1 (S0|S1|X1), Zustand S1, Ausgang Y1: erwartet y = 1, gesehen y = 0"}));
    for (const char* part :
         {"> ghdl -a --std=08 -fsynopsys", "> ghdl -e", "> ghdl -r",
          "disable-at-0\nmoore_tb.vhd:80:10", "(report note): 3 Übergänge geprüft"})
        EXPECT_TRUE(sim->Log().contains(part)) << part << "\n" << sim->Log().toStdString();
}

// The summary reports no failure, but the simulator ended in an error after it.
TEST_F(SimulierenTest, ANonZeroExitIsNoPassEvenWithoutFailingRows) {
    StandIn("", "fsm/ghdl_abbruch.txt");
    TSimulationForm* sim = Simulate();
    ASSERT_NE(sim, nullptr);
    QSignalSpy finished(sim, &TSimulationForm::Finished);
    ASSERT_TRUE(finished.wait(10000));
    EXPECT_EQ(sim->Summary(), "3 Übergänge geprüft, 0 Fehler – nicht bestanden.");
    EXPECT_TRUE(sim->Failures().isEmpty());
}

TEST_F(SimulierenTest, CancelEndsTheRun) {
    StandIn("exec /bin/sleep 30");
    TSimulationForm* sim = Simulate();
    ASSERT_NE(sim, nullptr);
    QSignalSpy finished(sim, &TSimulationForm::Finished);
    Find<QPushButton>(sim, "AbbrechenBTN")->click();
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_FALSE(sim->Running());
    EXPECT_EQ(sim->Summary(), "Simulation abgebrochen.");
}

TEST_F(SimulierenTest, WithoutGhdlTellsHowToInstallIt) {
    EXPECT_EQ(Simulate(), nullptr);
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].caption, "Simulieren");
    EXPECT_TRUE(dialogs.asked[0].text.contains("sudo apt-get install ghdl"));
}

TEST_F(SimulierenTest, TestbenchErzeugenWritesEntityTbAndAsksBeforeOverwriting) {
    dialogs.fileNames = {"ampel.vhd", "ampel.vhd"};
    dialogs.yesNo = {false};
    Find<QAction>(&form, "TestbenchErzeugen1")->trigger();
    const std::string written = ReadBytes(dir.File("ampel_tb.vhd"));
    EXPECT_NE(written.find("entity ampel_tb is\r\n"), std::string::npos);
    WriteBytes(dir.File("ampel_tb.vhd"), "alt");
    Find<QAction>(&form, "TestbenchErzeugen1")->trigger();
    EXPECT_EQ(dialogs.asked.back().text,
              "Datei überschreiben?\n" + QString::fromStdString(dir.File("ampel_tb.vhd")));
    EXPECT_EQ(ReadBytes(dir.File("ampel_tb.vhd")), "alt");
}

// korvalt-cli fsm-testbench / simulate: the self-checking testbench of a
// state machine, and its run with GHDL when that is installed.
#include <iostream>

#include "app/commands.h"
#include "cli/cli.h"
#include "cli/fsm_args.h"
#include "common/process.h"
#include "fsm/automat_tb.h"
#include "fsm/checks.h"
#include "fsm/simulation.h"
#include "fsm/synthesis.h"

namespace korvalt::cli {

namespace {

std::string CheckedEntity(const std::string& entity) {
    if (const std::string problem = EntityNameProblem(ArgToCp1252(entity)); !problem.empty())
        throw TCliError(problem);
    return entity;
}

void PrintSkippedRows(const TMachine& a, const TTour& tour) {
    for (const auto& line : SkippedRowLines(a, tour))
        std::cerr << line << '\n';
}

int FsmTestbench(const TArgs& args) {
    const std::string usage =
        std::string("Aufruf: korvalt-cli fsm-testbench ARBEITSDATEI [--entity NAME] [-o DATEI] "
                    "[--moore|--mealy] ") +
        OptionFlagsUsage;
    const TFsmArgs fa = ParseFsmArgs(args, TFsmOptions::OutAndEntity, usage.c_str());
    const std::string entity =
        CheckedEntity(fa.entity.empty() ? EntityNameOf(DefaultVhdlFileName(fa.moore)) : fa.entity);
    const std::string out = fa.haveOut ? fa.out : AutomatTestbenchFileName(entity);
    TMachine a;
    if (!LoadAndCheck(fa, a)) return 1;
    const TTour tour = PlanTour(a, TMachineModel(a));
    PrintSkippedRows(a, tour);
    if (const TResult<TWritten> o = WriteStateMachineTestbench(a, ArgToCp1252(entity), out); !o)
        throw TCliError(o.error);
    return 0;
}

int Simulate(const TArgs& args) {
    const TFsmArgs fa = ParseFsmArgs(args, TFsmOptions::KindOnly,
                                     "Aufruf: korvalt-cli simulate ARBEITSDATEI [--moore|--mealy]");
    TMachine a;
    if (!LoadAndCheck(fa, a)) return 1;
    const std::string ghdl = FindProgram(SimulatorProgram);
    if (ghdl.empty()) {
        for (const auto& line : MissingSimulatorText())
            std::cerr << line << '\n';
        return ExitError;
    }
    PrintSkippedRows(a, PlanTour(a, TMachineModel(a)));
    const std::string entity = EntityNameOf(DefaultVhdlFileName(fa.moore));
    const TTempFolder scratch("korvalt-sim");
    if (scratch.Path().empty()) throw TCliError("Es kann kein temporärer Ordner angelegt werden.");
    if (const auto r = WriteSimulationFiles(a, scratch.Path(), entity); !r)
        throw WriteError("Die Datei", scratch.Path(), r.error);
    TGhdlRun run = SimulationRun(ghdl, scratch.Path(), entity);
    run.RunToEnd();
    const TSimulationOutcome outcome = SimulationOutcome(run);
    if (!outcome.summary.empty()) PrintLine(outcome.summary);
    for (const auto& f : outcome.failures)
        PrintLine(f);
    if (outcome.summary.empty()) {
        std::cerr << Show(run.Output());
        throw TCliError(outcome.message);
    }
    return outcome.passed ? 0 : 1;
}

const TCommand testbenchCommand{
    "fsm-testbench", FsmTestbench,
    R"(  korvalt-cli fsm-testbench ARBEITSDATEI [--entity NAME] [-o DATEI] [--moore|--mealy]
                           [OPTIONEN]
      Schreibt eine selbstprüfende VHDL-2008-Testbench (Entity NAME_tb) für
      die Entity NAME, die "fsm" erzeugt (Vorgabe moore bzw. mealy), nach
      DATEI (Vorgabe NAME_tb.vhd im aktuellen Ordner). Zeilen der
      Automatentabelle, die nie genommen werden können, stehen auf stderr.
      Rückgabewert 1, wenn eine Prüfung der Beschreibung fehlschlägt.
      OPTIONEN wie bei "fsm"; die Testbench prüft den Automaten in jedem Stil.
)"};
const TCommand simulateCommand{"simulate", Simulate,
                               R"(  korvalt-cli simulate ARBEITSDATEI [--moore|--mealy]
      Simuliert den Automaten mit seiner Testbench in GHDL und zeigt die
      Zeile "N Übergänge geprüft, F Fehler" und die fehlerhaften Zeilen.
      Rückgabewert 0: bestanden; 1: eine Prüfung der Beschreibung oder der
      Testbench schlug fehl; 2: die Simulation konnte nicht laufen (kein
      ghdl im PATH, Datei nicht lesbar).
)"};

} // namespace

} // namespace korvalt::cli

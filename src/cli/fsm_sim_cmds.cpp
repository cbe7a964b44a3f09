// korvalt-cli fsm-testbench / simulate: the self-checking testbench of a
// state machine, and its run with GHDL when that is installed.
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "app/commands.h"
#include "cli/cli.h"
#include "cli/fsm_args.h"
#include "common/paths.h"
#include "fsm/automat_tb.h"
#include "fsm/checks.h"
#include "fsm/simulation.h"
#include "fsm/synthesis.h"

extern char** environ;

namespace korvalt::cli {

namespace {

// Splits off "--entity NAME"; the rest goes to the shared parser.
std::string TakeEntity(TArgs& args) {
    std::string entity;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "--entity") continue;
        if (i + 1 >= args.size()) throw TCliError("Nach --entity fehlt der Name der Entity.");
        entity = args[i + 1];
        if (entity.empty()) throw TCliError("Der Name der Entity ist leer.");
        args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                   args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
        --i;
    }
    return entity;
}

std::string CheckedEntity(const std::string& entity) {
    if (const std::string problem = EntityNameProblem(ArgToCp1252(entity)); !problem.empty())
        throw TCliError(Show(problem));
    return entity;
}

void PrintSkippedRows(const TMachine& a, const TTour& tour) {
    for (const auto& line : SkippedRowLines(a, tour))
        std::cerr << Show(line) << '\n';
}

int FsmTestbench(const TArgs& argsIn) {
    const std::string usageText =
        std::string("Aufruf: korvalt-cli fsm-testbench ARBEITSDATEI [--entity NAME] [-o DATEI] "
                    "[--moore|--mealy] ") +
        OptionFlagsUsage;
    const char* usage = usageText.c_str();
    TArgs args = argsIn;
    std::string entity = TakeEntity(args);
    bool haveOut = false;
    for (const auto& a : args)
        haveOut = haveOut || a == "-o";
    const TFsmArgs fa = ParseFsmArgs(args, true, usage);
    if (entity.empty()) entity = EntityNameOf(DefaultVhdlFileName(fa.moore));
    CheckedEntity(entity);
    const std::string out = haveOut ? fa.out : AutomatTestbenchFileName(entity);
    TMachine a;
    if (!LoadAndCheck(fa, a)) return 1;
    const TTour tour = PlanTour(a, TMachineModel(a));
    PrintSkippedRows(a, tour);
    if (const TOutcome o = WriteStateMachineTestbench(a, ArgToCp1252(entity), out); !o)
        throw TCliError(o.message);
    return 0;
}

// Runs program with args, stdout and stderr together into output; the exit status.
int RunProgram(const std::string& program, const TStrings& args, std::string& output) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) throw TCliError("Der Simulator kann nicht gestartet werden.");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 2);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    std::vector<char*> argv = {const_cast<char*>(program.c_str())};
    for (const auto& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) {
        close(pipeFds[0]);
        throw TCliError("Der Simulator \"" + program + "\" kann nicht gestartet werden.");
    }
    char buffer[4096];
    for (ssize_t n; (n = read(pipeFds[0], buffer, sizeof buffer)) != 0;) {
        if (n < 0) {
            if (errno == EINTR) continue;
            break;
        }
        output.append(buffer, static_cast<std::size_t>(n));
    }
    close(pipeFds[0]);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// A folder of its own below the system's temporary folder, removed at the end.
struct TScratch {
    std::string path;
    TScratch() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "korvalt-sim-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw TCliError("Es kann kein temporärer Ordner angelegt werden.");
        path = WithTrailingSep(pattern);
    }
    ~TScratch() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
};

int Simulate(const TArgs& args) {
    const TFsmArgs fa =
        ParseFsmArgs(args, false, "Aufruf: korvalt-cli simulate ARBEITSDATEI [--moore|--mealy]");
    TMachine a;
    if (!LoadAndCheck(fa, a)) return 1;
    const char* path = std::getenv("PATH");
    const std::string ghdl = FindProgram(SimulatorProgram, path ? path : "");
    if (ghdl.empty()) {
        for (const auto& line : MissingSimulatorText())
            std::cerr << Show(line) << '\n';
        return ExitError;
    }
    PrintSkippedRows(a, PlanTour(a, TMachineModel(a)));
    const std::string entity = EntityNameOf(DefaultVhdlFileName(fa.moore));
    const TScratch scratch;
    if (const auto r = WriteSimulationFiles(a, scratch.path, entity); !r)
        throw WriteError("Die Datei", scratch.path, r.error);
    const auto commands = SimulationCommands(scratch.path, entity);
    std::string output;
    for (std::size_t i = 0; i < commands.size(); ++i) {
        output.clear();
        const int rc = RunProgram(ghdl, commands[i], output);
        if (i + 1 == commands.size()) {
            const TSimulationOutcome outcome = ReadSimulationOutput(output, rc);
            if (!outcome.summary.empty()) PrintLine(outcome.summary);
            for (const auto& f : outcome.failures)
                PrintLine(f);
            if (outcome.summary.empty()) {
                std::cerr << Show(output);
                throw TCliError("Die Simulation ist ohne Ergebnis abgebrochen.");
            }
            return outcome.passed ? 0 : 1;
        }
        if (rc != 0) {
            std::cerr << Show(output);
            throw TCliError(i == 0 ? "GHDL kann die erzeugten Dateien nicht analysieren."
                                   : "GHDL kann die Testbench nicht elaborieren.");
        }
    }
    return ExitError;
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

// korvalt-cli fsm-synth: what synthesis makes of a state machine (GHDL and
// Yosys in a temporary folder): flip-flops, logic cells, latches and warnings.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "cli/cli.h"
#include "cli/fsm_args.h"
#include "common/paths.h"
#include "fsm/simulation.h"
#include "fsm/synthcheck.h"
#include "fsm/synthesis.h"

extern char** environ;

namespace korvalt::cli {

namespace {

// Runs a step: stdout into its file when it names one, the rest into output.
int RunStep(const std::string& program, const TSynthStep& step, std::string& output) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) throw TCliError("Die Synthese kann nicht gestartet werden.");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (step.stdoutFile.empty())
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
    else
        posix_spawn_file_actions_addopen(&actions, 1, step.stdoutFile.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 2);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    std::vector<char*> argv = {const_cast<char*>(program.c_str())};
    for (const auto& a : step.args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) {
        close(pipeFds[0]);
        throw TCliError("Das Programm \"" + program + "\" kann nicht gestartet werden.");
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

int FsmSynth(const TArgs& args) {
    const std::string usage =
        std::string("Aufruf: korvalt-cli fsm-synth ARBEITSDATEI [--moore|--mealy] ") +
        OptionFlagsUsage;
    const TFsmArgs fa = ParseFsmArgs(args, false, usage.c_str());
    TMachine a;
    if (!LoadAndCheck(fa, a)) return 1;
    const char* path = std::getenv("PATH");
    const std::string ghdl = FindProgram(SimulatorProgram, path ? path : "");
    const std::string yosys = FindProgram(SynthesisProgram, path ? path : "");
    if (const TStrings missing = MissingSynthesisText(ghdl, yosys); !missing.empty())
        throw TCliError(Show(missing.front()));
    const std::string entity = EntityNameOf(DefaultVhdlFileName(fa.moore));
    std::string pattern =
        (std::filesystem::temp_directory_path() / "korvalt-synth-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw TCliError("Es kann kein temporärer Ordner angelegt werden.");
    const std::string folder = WithTrailingSep(pattern);
    struct TRemove {
        std::string path;
        ~TRemove() {
            std::error_code ec;
            std::filesystem::remove_all(path, ec);
        }
    } remove{folder};
    if (const auto r = SaveLines(folder + entity + ".vhd", BuildAutomatVhdl(a, entity)); !r)
        throw WriteError("Die Datei", folder, r.error);
    TSynthOutcome outcome;
    const auto steps = SynthCheckSteps(folder, entity);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        std::string output;
        const int rc =
            RunStep(steps[i].program == SynthesisProgram ? yosys : ghdl, steps[i], output);
        if (i == 1 && rc != 0 && GhdlLacksSynthesis(output))
            throw TCliError("Dieses GHDL kann nicht synthetisieren; bitte das Debian-Paket ghdl "
                            "(Version 2 oder neuer) installieren.");
        if (!ReadSynthStep(i, output, rc, outcome)) {
            if (!outcome.latch) std::cerr << Show(output);
            break;
        }
    }
    for (const auto& line : SynthOutcomeLines(outcome))
        PrintLine(line);
    return outcome.ok ? 0 : 1;
}

const TCommand fsmSynthCommand{"fsm-synth", FsmSynth,
                               R"(  korvalt-cli fsm-synth ARBEITSDATEI [--moore|--mealy] [OPTIONEN]
      Synthese prüfen: schreibt den Automaten (OPTIONEN wie bei "fsm") in
      einen temporären Ordner, synthetisiert ihn mit GHDL zu einer
      Verilog-Netzliste und lässt Yosys (synth -nofsm; stat) die Zellen
      zählen. Ausgabe: Flipflops, Logikzellen, Latches und Warnungen von
      GHDL. Rückgabewert 0: synthetisierbar ohne Latch; 1: eine Prüfung der
      Beschreibung oder die Synthese schlug fehl; 2: GHDL oder Yosys fehlt
      (die Meldung nennt das Debian-Paket).
)"};

} // namespace

} // namespace korvalt::cli

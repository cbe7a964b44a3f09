// korvalt-cli fsm-synth: what synthesis makes of a state machine (GHDL and
// Yosys in a temporary folder): flip-flops, logic cells, latches and warnings.
#include <iostream>

#include "cli/cli.h"
#include "cli/fsm_args.h"
#include "common/paths.h"
#include "common/process.h"
#include "fsm/simulation.h"
#include "fsm/synthcheck.h"
#include "fsm/synthesis.h"

namespace korvalt::cli {

namespace {

int FsmSynth(const TArgs& args) {
    const std::string usage =
        std::string("Aufruf: korvalt-cli fsm-synth ARBEITSDATEI [--moore|--mealy] ") +
        OptionFlagsUsage;
    const TFsmArgs fa = ParseFsmArgs(args, TFsmOptions::KindOnly, usage.c_str());
    TMachine a;
    if (!LoadAndCheck(fa, a)) return 1;
    const std::string ghdl = FindProgram(SimulatorProgram);
    const std::string yosys = FindProgram(SynthesisProgram);
    if (const TStrings missing = MissingSynthesisText(ghdl, yosys); !missing.empty())
        throw TCliError(missing.front());
    const std::string entity = EntityNameOf(DefaultVhdlFileName(fa.moore));
    const TTempFolder scratch("korvalt-synth");
    if (scratch.Path().empty()) throw TCliError("Es kann kein temporärer Ordner angelegt werden.");
    const std::string& folder = scratch.Path();
    if (const auto r = SaveLines(folder + entity + ".vhd", BuildAutomatVhdl(a, entity)); !r)
        throw WriteError("Die Datei", folder, r.error);
    TSynthOutcome outcome;
    const auto steps = SynthCheckSteps(folder, entity);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        std::string output;
        const std::string& program = steps[i].program == SynthesisProgram ? yosys : ghdl;
        const int rc = RunProgram(program, steps[i].args, "", output, steps[i].stdoutFile);
        if (rc < 0)
            throw TCliError("Das Programm \"" + program + "\" kann nicht gestartet werden.");
        if (i == 1 && rc != 0 && GhdlLacksSynthesis(output))
            throw TCliError("Dieses GHDL kann nicht synthetisieren; bitte das Debian-Paket ghdl "
                            "(Version 2 oder neuer) installieren.");
        if (!ReadSynthStep(i, output, rc, outcome)) {
            if (!outcome.latch) std::cerr << Show(output);
            break;
        }
    }
    for (const auto& line : SynthOutcomeLines(outcome))
        std::cout << line << '\n';
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

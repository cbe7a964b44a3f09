// korvalt-cli fsm / check: the state-machine generator without the editor.
#include <iostream>

#include "app/commands.h"
#include "cli/cli.h"
#include "cli/fsm_args.h"
#include "common/ascii.h"
#include "common/paths.h"
#include "fsm/checks.h"
#include "fsm/synthesis.h"
#include "fsm/workspace.h"

namespace korvalt::cli {

TFsmArgs ParseFsmArgs(const TArgs& args, bool allowOut, const char* usage) {
    TFsmArgs r;
    int kindFlags = 0;
    bool haveOut = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--moore" || args[i] == "--mealy") {
            r.moore = args[i] == "--moore";
            ++kindFlags;
        } else if (args[i] == "--numeric-std") {
            r.numericStd = true;
        } else if (args[i] == "--rising-edge") {
            r.risingEdge = true;
        } else if (args[i] == "--safe") {
            r.safe = true;
        } else if (args[i] == "--registered-outputs") {
            r.registeredOutputs = true;
        } else if (args[i].starts_with("--encoding=")) {
            TKodierung k{};
            if (!KodierungOf(std::string_view(args[i]).substr(11), k))
                throw TCliError("Unbekannte Kodierung \"" + args[i].substr(11) +
                                "\": erlaubt sind auto, one-hot, gray und binary.");
            r.encoding = k;
        } else if (allowOut && args[i] == "-o") {
            if (i + 1 >= args.size()) throw TCliError("Nach -o fehlt der Name der Ausgabedatei.");
            r.out = args[++i];
            haveOut = true;
        } else if (r.workspace.empty() && !args[i].starts_with("-")) {
            r.workspace = args[i];
        } else {
            throw TCliError(std::string("Unerwartetes Argument \"") + args[i] + "\". " + usage);
        }
    }
    if (r.workspace.empty()) throw TCliError(usage);
    if (kindFlags > 1) throw TCliError("Bitte nur eine der Angaben --moore und --mealy.");
    if (kindFlags == 0) {
        const std::string name = FileNamePart(r.workspace);
        if (SameText(name, "Moore.txt"))
            r.moore = true;
        else if (SameText(name, "Mealy.txt"))
            r.moore = false;
        else
            throw TCliError("Die Art des Automaten ist unbekannt: Die Datei heißt weder Moore.txt "
                            "noch Mealy.txt; bitte --moore oder --mealy angeben.");
    }
    if (haveOut && r.out.empty()) throw TCliError("Der Name der Ausgabedatei ist leer.");
    if (!haveOut) r.out = DefaultVhdlFileName(r.moore);
    return r;
}

// Loads the workspace and runs every check; false (report on stderr) when one fails.
bool LoadAndCheck(const TFsmArgs& args, TMachine& m) {
    TAutomat a;
    a.Moore = args.moore;
    TStrings ignored;
    if (!LoadWorkspaceFile(a, args.workspace, &ignored))
        throw TCliError("Die Arbeitsdatei \"" + args.workspace + "\" kann nicht gelesen werden.");
    if (!ignored.empty()) std::cerr << Show(IgnoredOptionenMessage(ignored)) << '\n';
    TOptionen& o = a.Optionen;
    o.NumericStd = o.NumericStd || args.numericStd;
    o.Flanke = o.Flanke || args.risingEdge;
    o.Sicher = o.Sicher || args.safe;
    o.Register = o.Register || args.registeredOutputs;
    if (args.encoding) o.Kodierung = *args.encoding;
    m = ReadMachine(a);
    const TAutomatReport report = CheckAutomat(m);
    if (report.Ok()) return true;
    for (const auto& line : ErrorReportLines(report))
        std::cerr << Show(line) << '\n';
    return false;
}

namespace {

int Fsm(const TArgs& args) {
    const std::string usage =
        std::string("Aufruf: korvalt-cli fsm ARBEITSDATEI [-o AUSGABE] [--moore|--mealy] ") +
        OptionFlagsUsage;
    const TFsmArgs fa = ParseFsmArgs(args, true, usage.c_str());
    TMachine a;
    if (!LoadAndCheck(fa, a)) return 1;
    if (const TOutcome o = WriteStateMachine(a, fa.out); !o) throw TCliError(o.message);
    return 0;
}

int Check(const TArgs& args) {
    TMachine a;
    return LoadAndCheck(ParseFsmArgs(args, false,
                                     "Aufruf: korvalt-cli check ARBEITSDATEI [--moore|--mealy]"),
                        a)
               ? 0
               : 1;
}

const TCommand fsmCommand{
    "fsm", Fsm,
    R"(  korvalt-cli fsm ARBEITSDATEI [-o AUSGABE] [--moore|--mealy] [OPTIONEN]
      Prüft die Automatenbeschreibung (Moore.txt oder Mealy.txt; die Art
      ergibt sich aus dem Dateinamen oder der Angabe) und schreibt die
      VHDL-Datei AUSGABE (Vorgabe moore.vhd bzw. mealy.vhd im aktuellen
      Ordner). Der Entity-Name ist der Dateiname bis zum ersten ".".
      Schlägt eine Prüfung fehl, stehen die Meldungen auf stderr, es wird
      nichts geschrieben, und der Rückgabewert ist 1.
      OPTIONEN (eine Angabe gilt vor der in der Arbeitsdatei gespeicherten):
        --numeric-std         nur std_logic_1164, ohne std_logic_arith/unsigned
        --rising-edge         rising_edge(clk) bzw. falling_edge(clk)
        --encoding=auto|one-hot|gray|binary
                              Kodierungsattribute (aufgezählte Zustände)
        --safe                ein Code ohne Zustand führt in den Resetzustand
        --registered-outputs  Moore-Ausgänge aus Flipflops
)"};
const TCommand checkCommand{"check", Check, R"(  korvalt-cli check ARBEITSDATEI [--moore|--mealy]
      Prüft die Automatenbeschreibung nur. Rückgabewert 0, wenn alle
      Prüfungen bestanden sind, sonst 1 mit den Meldungen auf stderr.
)"};

} // namespace

} // namespace korvalt::cli

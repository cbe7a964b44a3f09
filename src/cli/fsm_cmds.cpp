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

TFsmArgs ParseFsmArgs(const TArgs& args, TFsmOptions options, const char* usage) {
    std::vector<TOption> known = {{"--moore", ""},       {"--mealy", ""},
                                  {"--numeric-std", ""}, {"--rising-edge", ""},
                                  {"--safe", ""},        {"--registered-outputs", ""}};
    if (options != TFsmOptions::KindOnly) known.push_back(OutOption());
    if (options == TFsmOptions::OutAndEntity)
        known.push_back({"--entity", "Nach --entity fehlt der Name der Entity."});
    const TParsedArgs p = ParseArgs(args, known);
    TFsmArgs r;
    for (const auto& a : p.positional) {
        if (a.starts_with("--encoding=")) {
            TKodierung k{};
            if (!KodierungOf(std::string_view(a).substr(11), k))
                throw TCliError("Unbekannte Kodierung \"" + a.substr(11) +
                                "\": erlaubt sind auto, one-hot, gray und binary.");
            r.encoding = k;
            continue;
        }
        if (!r.workspace.empty() || a.starts_with("-"))
            throw TCliError("Unerwartetes Argument \"" + a + "\". " + usage);
        r.workspace = a;
    }
    if (r.workspace.empty()) throw TCliError(usage);
    r.numericStd = p.Has("--numeric-std");
    r.risingEdge = p.Has("--rising-edge");
    r.safe = p.Has("--safe");
    r.registeredOutputs = p.Has("--registered-outputs");
    if (p.Count("--moore") + p.Count("--mealy") > 1)
        throw TCliError("Bitte nur eine der Angaben --moore und --mealy.");
    if (p.Has("--moore") || p.Has("--mealy")) {
        r.moore = p.Has("--moore");
    } else {
        const std::string name = FileNamePart(r.workspace);
        if (SameText(name, "Moore.txt"))
            r.moore = true;
        else if (SameText(name, "Mealy.txt"))
            r.moore = false;
        else
            throw TCliError("Die Art des Automaten ist unbekannt: Die Datei heißt weder Moore.txt "
                            "noch Mealy.txt; bitte --moore oder --mealy angeben.");
    }
    r.haveOut = p.Has("-o");
    if (r.haveOut && p.Value("-o").empty()) throw TCliError("Der Name der Ausgabedatei ist leer.");
    r.out = r.haveOut ? p.Value("-o") : DefaultVhdlFileName(r.moore);
    if (p.Has("--entity") && p.Value("--entity").empty())
        throw TCliError("Der Name der Entity ist leer.");
    r.entity = p.Value("--entity");
    return r;
}

void LoadMachine(const TFsmArgs& args, TMachine& m) {
    TAutomat a;
    a.Moore = args.moore;
    TStrings ignored;
    if (!LoadWorkspaceFile(a, args.workspace, &ignored))
        throw TCliError("Die Arbeitsdatei \"" + args.workspace + "\" kann nicht gelesen werden.");
    if (!ignored.empty()) std::cerr << IgnoredOptionenMessage(ignored) << '\n';
    TOptionen& o = a.Optionen;
    o.NumericStd = o.NumericStd || args.numericStd;
    o.Flanke = o.Flanke || args.risingEdge;
    o.Sicher = o.Sicher || args.safe;
    o.Register = o.Register || args.registeredOutputs;
    if (args.encoding) o.Kodierung = *args.encoding;
    m = ReadMachine(a);
}

bool LoadAndCheck(const TFsmArgs& args, TMachine& m) {
    LoadMachine(args, m);
    const TAutomatReport report = CheckAutomat(m);
    if (report.Ok()) return true;
    for (const auto& line : ErrorReportLines(report))
        std::cerr << line << '\n';
    return false;
}

namespace {

int Fsm(const TArgs& args) {
    const std::string usage =
        std::string("Aufruf: korvalt-cli fsm ARBEITSDATEI [-o AUSGABE] [--moore|--mealy] ") +
        OptionFlagsUsage;
    const TFsmArgs fa = ParseFsmArgs(args, TFsmOptions::Out, usage.c_str());
    TMachine a;
    if (!LoadAndCheck(fa, a)) return 1;
    if (const TResult<TWritten> o = WriteStateMachine(a, fa.out); !o) throw TCliError(o.error);
    return 0;
}

int Check(const TArgs& args) {
    TMachine a;
    return LoadAndCheck(ParseFsmArgs(args, TFsmOptions::KindOnly,
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

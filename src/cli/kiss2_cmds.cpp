// korvalt-cli import-kiss2 / export-kiss2: state machines in and out of the
// KISS2 exchange format (fsm/kiss2.h).
#include <iostream>

#include "cli/cli.h"
#include "cli/fsm_args.h"
#include "common/ascii.h"
#include "common/paths.h"
#include "common/textfile.h"
#include "fsm/kiss2.h"
#include "fsm/workspace.h"

namespace korvalt::cli {

namespace {

int ImportKiss2(const TArgs& args) {
    const char* usage =
        "Aufruf: korvalt-cli import-kiss2 DATEI.kiss2 -o AUSGABE.txt [--moore|--mealy]";
    const TParsedArgs p = ParseArgs(args, {OutOption(), {"--moore", ""}, {"--mealy", ""}});
    if (p.positional.size() != 1 || p.positional[0].starts_with("-") || !p.Has("-o"))
        throw TCliError(usage);
    const std::string& in = p.positional[0];
    const std::string out = p.Value("-o");
    if (out.empty()) throw TCliError("Der Name der Ausgabedatei ist leer.");
    if (p.Count("--moore") + p.Count("--mealy") > 1)
        throw TCliError("Bitte nur eine der Angaben --moore und --mealy.");
    // The kind: the flag, else the output file's name, else Mealy.
    const bool moore =
        p.Has("--moore") || (!p.Has("--mealy") && SameText(FileNamePart(out), "Moore.txt"));
    std::string bytes;
    if (const auto r = ReadFileBytes(in, bytes); !r)
        throw TCliError(ReadFailureMessage("Die Datei", in, r.error));
    const TResult<TKiss2Import> imported = ReadKiss2(bytes, moore);
    if (!imported)
        throw TCliError(in + ", Zeile " + std::to_string(imported.value.line) + ": " +
                        imported.error);
    if (const auto w = SaveWorkspaceFile(imported.value.automat, out); !w)
        throw WriteError("Die Arbeitsdatei", out, w.error);
    for (const auto& line : imported.value.report)
        std::cout << line << '\n';
    return 0;
}

int ExportKiss2(const TArgs& args) {
    const char* usage = "Aufruf: korvalt-cli export-kiss2 ARBEITSDATEI -o DATEI.kiss2 "
                        "[--moore|--mealy]";
    const TFsmArgs fa = ParseFsmArgs(args, TFsmOptions::Out, usage);
    if (!fa.haveOut) throw TCliError(usage);
    TMachine m;
    LoadMachine(fa, m);
    const TResult<TStrings> lines = WriteKiss2(m);
    if (!lines) throw TCliError(lines.error);
    if (const auto w = SaveLines(fa.out, lines.value); !w)
        throw WriteError("Die Datei", fa.out, w.error);
    return 0;
}

const TCommand importCommand{
    "import-kiss2", ImportKiss2,
    R"(  korvalt-cli import-kiss2 DATEI.kiss2 -o AUSGABE.txt [--moore|--mealy]
      Liest einen Automaten im Austauschformat KISS2 und schreibt ihn als
      Arbeitsdatei AUSGABE.txt. Die Art: die Angabe, sonst der Name der
      Ausgabedatei (Moore.txt oder Mealy.txt), sonst Mealy. Eingänge heißen
      E + Muster, Ausgänge A + Muster (- als x); Zustandsnamen, die kein
      gültiger VHDL-Bezeichner sind, werden umbenannt. Der Bericht (Zahlen,
      Warnungen, Umbenennungen, sich überschneidende Zeilen) steht auf
      stdout. Eine fehlerhafte Datei wird mit Zeile und Grund abgelehnt
      (Rückgabewert 2), dann wird nichts geschrieben.
)"};
const TCommand exportCommand{
    "export-kiss2", ExportKiss2,
    R"(  korvalt-cli export-kiss2 ARBEITSDATEI -o DATEI.kiss2 [--moore|--mealy]
      Schreibt die Automatenbeschreibung (Moore.txt oder Mealy.txt; die Art
      ergibt sich aus dem Dateinamen oder der Angabe) im Format KISS2.
)"};

} // namespace

} // namespace korvalt::cli

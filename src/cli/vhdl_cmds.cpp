// korvalt-cli scan / testbench / insert: the entity scanner, the testbench
// skeleton and the component insertion without the window.
#include <iostream>

#include "app/commands.h"
#include "cli/cli.h"
#include "vhdl/emitters.h"
#include "vhdl/insert.h"
#include "vhdl/testbench.h"

namespace korvalt::cli {

static int Scan(const TArgs& args) {
    if (args.size() != 1) throw TCliError("Aufruf: korvalt-cli scan DATEI");
    for (const auto& line : ScanListing(ScanEntity(ReadInputFile(args[0], "Die Datei"))))
        PrintLine(line);
    return 0;
}

static int Testbench(const TArgs& args) {
    const TParsedArgs p = ParseArgs(args, {{"--vhdl", ""}});
    const TArgs& files = p.positional;
    const bool vhdl = p.Has("--vhdl");
    if (files.size() != 1) throw TCliError("Aufruf: korvalt-cli testbench DATEI [--vhdl]");
    const std::string& file = files[0];
    const TStrings lines = ReadInputFile(file, "Die Datei");
    const TResult<TWritten> o =
        vhdl ? WriteVhdlTestbench(file, lines) : WriteTestbenchSkeleton(file, lines);
    if (!o) throw TCliError(o.error);
    std::cout << o.value.written << '\n';
    if (!o.value.notice.empty()) std::cerr << o.value.notice << '\n';
    return 0;
}

static int Insert(const TArgs& args) {
    const TParsedArgs p = ParseArgs(args, {{"--no-comments", ""}, {"--signals", ""}});
    const TArgs& files = p.positional;
    const bool comments = !p.Has("--no-comments"), signals = p.Has("--signals");
    if (files.size() != 2)
        throw TCliError("Aufruf: korvalt-cli insert KOMPONENTE ZIEL [--no-comments] [--signals]");
    const std::string& component = files[0];
    const std::string& target = files[1];
    const TResult<TWritten> o = InsertComponentCommand(component, target, comments, signals);
    if (!o) throw TCliError(o.error);
    if (!o.value.notice.empty()) std::cerr << o.value.notice << '\n';
    return 0;
}

namespace {
const TCommand scanCommand{"scan", Scan, R"(  korvalt-cli scan DATEI
      Zeigt, was der Entity-Scanner in DATEI findet, je Zeile ein Eintrag:
      entity:, architecture:, clock:, reset:, dann generic: für jedes
      Generic (Name, Typ und Vorgabewert) und port:, input: und output:
      für jede Portdeklaration.
)"};
const TCommand testbenchCommand{"testbench", Testbench, R"(  korvalt-cli testbench DATEI [--vhdl]
      Schreibt das Testbench-Gerüst neben DATEI (Name bis zum ersten "."
      mit der Endung .wdl) und gibt seinen Pfad aus. Mit --vhdl entsteht
      stattdessen ENTITY_tb.vhd, eine lauffähige Testbench in VHDL-2008;
      eine vorhandene Datei dieses Namens wird überschrieben.
)"};
const TCommand insertCommand{"insert", Insert,
                             R"(  korvalt-cli insert KOMPONENTE ZIEL [--no-comments] [--signals]
      Fügt die Entity aus KOMPONENTE als Komponente in die VHDL-Datei ZIEL
      ein: Konfigurationszeile, Komponentendeklaration und Instanz map_XXX,
      mit Kommentaren, außer bei --no-comments. Mit --signals werden dazu
      eine Konstante je Generic und ein Signal je Port deklariert, soweit
      ZIEL den Namen noch nicht deklariert.
)"};
} // namespace

} // namespace korvalt::cli

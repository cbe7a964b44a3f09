// korvalt-cli diagram: the state diagram of a workspace file as SVG, PNG or
// DOT, the same picture the editor's "Diagramm speichern…" writes. The editor
// also runs it with an .xdot file to lay out large machines in a child process.
#include "cli/cli.h"
#include "cli/fsm_args.h"
#include "diagram/layout.h"
#include "fsm/workspace.h"

namespace korvalt::cli {

namespace {

constexpr const char* DiagramUsage =
    "Aufruf: korvalt-cli diagram ARBEITSDATEI -o DATEI.svg|.png|.dot [--moore|--mealy]";

int Diagram(const TArgs& args) {
    const TFsmArgs fa = ParseFsmArgs(args, TFsmOptions::Out, DiagramUsage);
    if (!fa.haveOut) throw TCliError(DiagramUsage);
    const std::string& out = fa.out;
    const TDiagramFormat format = DiagramFormatOf(out);
    if (format == TDiagramFormat::Unknown)
        throw TCliError("Die Ausgabedatei \"" + out +
                        "\" muss auf .svg, .png oder .dot enden (oder .xdot für die Anordnung).");
    // A missing file would silently give an empty diagram: it is an error here.
    ReadInputFile(fa.workspace, "Die Arbeitsdatei");
    TMachine a;
    LoadMachine(fa, a);
    if (const auto r = SaveDiagram(BuildStateGraph(a), out, format); !r)
        throw WriteError("Die Datei", out, r.error);
    return 0;
}

const TCommand diagramCommand{
    "diagram", Diagram,
    R"(  korvalt-cli diagram ARBEITSDATEI -o DATEI.svg|.png|.dot [--moore|--mealy]
      Zeichnet das Zustandsdiagramm der Automatenbeschreibung (Moore.txt
      oder Mealy.txt; die Art ergibt sich aus dem Dateinamen oder der
      Angabe). Die Endung wählt das Format: .svg und .png als Bild, .dot als
      Graphviz-Text ohne Koordinaten, .xdot mit den Koordinaten der Anordnung.
)"};

} // namespace

} // namespace korvalt::cli

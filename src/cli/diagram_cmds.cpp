// korvalt-cli diagram: the state diagram of a workspace file as SVG, PNG or
// DOT, the same picture the editor's "Diagramm speichern…" writes. The editor
// also runs it with an .xdot file to lay out large machines in a child process.
#include "cli/cli.h"
#include "common/ascii.h"
#include "common/paths.h"
#include "diagram/layout.h"
#include "fsm/workspace.h"

namespace korvalt::cli {

namespace {

constexpr const char* DiagramUsage =
    "Aufruf: korvalt-cli diagram ARBEITSDATEI -o DATEI.svg|.png|.dot [--moore|--mealy]";

int Diagram(const TArgs& args) {
    std::string workspace, out;
    int kindFlags = 0;
    bool moore = true, haveOut = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--moore" || args[i] == "--mealy") {
            moore = args[i] == "--moore";
            ++kindFlags;
        } else if (args[i] == "-o") {
            if (i + 1 >= args.size()) throw TCliError("Nach -o fehlt der Name der Ausgabedatei.");
            out = args[++i];
            haveOut = true;
        } else if (workspace.empty() && !args[i].starts_with("-")) {
            workspace = args[i];
        } else {
            throw TCliError("Unerwartetes Argument \"" + args[i] + "\". " + DiagramUsage);
        }
    }
    if (workspace.empty() || !haveOut) throw TCliError(DiagramUsage);
    if (kindFlags > 1) throw TCliError("Bitte nur eine der Angaben --moore und --mealy.");
    if (kindFlags == 0) {
        const std::string name = FileNamePart(workspace);
        if (!SameText(name, "Moore.txt") && !SameText(name, "Mealy.txt"))
            throw TCliError("Die Art des Automaten ist unbekannt: Die Datei heißt weder Moore.txt "
                            "noch Mealy.txt; bitte --moore oder --mealy angeben.");
        moore = SameText(name, "Moore.txt");
    }
    const TDiagramFormat format = DiagramFormatOf(out);
    if (format == TDiagramFormat::Unknown)
        throw TCliError("Die Ausgabedatei \"" + out +
                        "\" muss auf .svg, .png oder .dot enden (oder .xdot für die Anordnung).");
    TAutomat a;
    a.Moore = moore;
    // A missing file would silently give an empty diagram: it is an error here.
    ReadInputFile(workspace, "Die Arbeitsdatei");
    if (!LoadWorkspaceFile(a, workspace))
        throw TCliError("Die Arbeitsdatei \"" + workspace + "\" kann nicht gelesen werden.");
    if (const auto r = SaveDiagram(BuildStateGraph(ReadMachine(a)), out, format); !r)
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

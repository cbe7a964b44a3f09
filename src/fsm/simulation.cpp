#include "fsm/simulation.h"

#include "common/cp1252.h"
#include "common/paths.h"
#include "fsm/automat_tb.h"
#include "fsm/synthesis.h"

namespace korvalt {

TResult<> WriteSimulationFiles(const TMachine& a, const std::string& folder,
                               const std::string& entity) {
    if (TResult<> r = SaveLines(folder + entity + ".vhd", BuildAutomatVhdl(a, entity)); !r)
        return r;
    return SaveLines(folder + AutomatTestbenchFileName(entity), BuildAutomatTestbench(a, entity));
}

TGhdlRun SimulationRun(const std::string& program, const std::string& folder,
                       const std::string& entity) {
    const std::string tb = entity + "_tb";
    return TGhdlRun(
        program, folder,
        {{GhdlArgs("-a", folder,
                   {folder + entity + ".vhd", folder + AutomatTestbenchFileName(entity)}),
          "GHDL kann die erzeugten Dateien nicht analysieren."},
         {GhdlArgs("-e", folder, {tb}), "GHDL kann die Testbench nicht elaborieren."},
         // Metavalue warnings of the IEEE packages before the first reset are noise.
         {GhdlArgs("-r", folder, {tb, "--ieee-asserts=disable-at-0"}), ""}});
}

TSimulationOutcome ReadSimulationOutput(const std::string& output, int exitCode) {
    static const std::string summaryText = Utf8ToCp1252(" Übergänge geprüft, ");
    static const std::string failureMark = "(assertion error): ";
    static const std::string noteMark = "(report note): ";
    TSimulationOutcome r;
    for (const auto& line : SplitLines(output)) {
        if (const auto at = line.find(failureMark); at != std::string::npos)
            r.failures.push_back(line.substr(at + failureMark.size()));
        else if (line.find(summaryText) != std::string::npos) {
            const auto at = line.find(noteMark);
            r.summary = at == std::string::npos ? line : line.substr(at + noteMark.size());
        }
    }
    r.passed = exitCode == 0 && !r.summary.empty() && r.failures.empty();
    return r;
}

TSimulationOutcome SimulationOutcome(const TGhdlRun& run) {
    if (!run.Failure().empty()) {
        TSimulationOutcome failed;
        failed.message = run.Failure();
        return failed;
    }
    TSimulationOutcome r = ReadSimulationOutput(run.Output(), run.ExitCode());
    r.message = r.summary.empty() ? "Die Simulation ist ohne Ergebnis abgebrochen."
                                  : Cp1252ToUtf8(r.summary) +
                                        (r.passed ? " – bestanden." : " – nicht bestanden.");
    return r;
}

TStrings MissingSimulatorText() {
    const char* const lines[] = {
        "Zum Simulieren wird der VHDL-Simulator GHDL gebraucht; das Programm ghdl wurde im "
        "Suchpfad (PATH) nicht gefunden.",
        "",
        "So wird GHDL installiert:",
        "  Debian, Ubuntu:  sudo apt-get install ghdl",
        "  Fedora:          sudo dnf install ghdl",
        "  Windows, macOS:  ein fertiges Paket von der Seite des GHDL-Projekts "
        "(github.com/ghdl/ghdl, Releases) auspacken und seinen bin-Ordner in den PATH aufnehmen.",
        "",
        "Danach Korvalt neu starten und \"Simulieren\" noch einmal wählen."};
    return TStrings(std::begin(lines), std::end(lines));
}

} // namespace korvalt

#include "fsm/simulation.h"

#include <filesystem>

#include "common/cp1252.h"
#include "common/paths.h"
#include "fsm/automat_tb.h"
#include "fsm/synthesis.h"

namespace korvalt {

TWriteResult WriteSimulationFiles(const TMachine& a, const std::string& folder,
                                  const std::string& entity) {
    if (TWriteResult r = SaveLines(folder + entity + ".vhd", BuildAutomatVhdl(a, entity)); !r)
        return r;
    return SaveLines(folder + AutomatTestbenchFileName(entity), BuildAutomatTestbench(a, entity));
}

std::vector<TStrings> SimulationCommands(const std::string& folder, const std::string& entity) {
    // The generated machine uses the Synopsys packages STD_LOGIC_ARITH and STD_LOGIC_UNSIGNED.
    const TStrings flags = {"--std=08", "-fsynopsys", "--workdir=" + folder};
    auto with = [&](const char* command, TStrings rest) {
        TStrings args = {command};
        args.insert(args.end(), flags.begin(), flags.end());
        args.insert(args.end(), rest.begin(), rest.end());
        return args;
    };
    const std::string tb = entity + "_tb";
    return {with("-a", {folder + entity + ".vhd", folder + AutomatTestbenchFileName(entity)}),
            with("-e", {tb}),
            // Metavalue warnings of the IEEE packages before the first reset are noise.
            with("-r", {tb, "--ieee-asserts=disable-at-0"})};
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

std::string FindProgram(const std::string& name, const std::string& pathList) {
#ifdef _WIN32
    const char listSep = ';';
    const std::string suffix = ".exe";
#else
    const char listSep = ':';
    const std::string suffix;
#endif
    std::size_t start = 0;
    while (start <= pathList.size()) {
        const std::size_t end = std::min(pathList.find(listSep, start), pathList.size());
        const std::string folder = pathList.substr(start, end - start);
        start = end + 1;
        if (folder.empty()) continue;
        const std::string candidate = WithTrailingSep(folder) + name + suffix;
        std::error_code ec;
        const auto status = std::filesystem::status(candidate, ec);
        if (ec || !std::filesystem::is_regular_file(status)) continue;
        using std::filesystem::perms;
        if ((status.permissions() & (perms::owner_exec | perms::group_exec | perms::others_exec)) !=
            perms::none)
            return candidate;
    }
    return {};
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
    TStrings out;
    for (const char* l : lines)
        out.push_back(Utf8ToCp1252(l));
    return out;
}

} // namespace korvalt

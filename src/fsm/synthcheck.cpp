#include "fsm/synthcheck.h"

#include <cctype>

#include "common/ascii.h"
#include "common/cp1252.h"
#include "common/intread.h"
#include "fsm/simulation.h"

namespace korvalt {

std::vector<TSynthStep> SynthCheckSteps(const std::string& folder, const std::string& entity) {
    const TStrings flags = {"--std=08", "-fsynopsys", "--workdir=" + folder};
    auto ghdl = [&](const char* command, TStrings rest) {
        TSynthStep s{SimulatorProgram, {command}, {}};
        s.args.insert(s.args.end(), flags.begin(), flags.end());
        s.args.insert(s.args.end(), rest.begin(), rest.end());
        return s;
    };
    TSynthStep synth = ghdl("--synth", {"--out=verilog", entity});
    synth.stdoutFile = folder + entity + ".v";
    // GHDL names the Verilog module after the entity in lower case.
    const std::string top = LowerCase(entity);
    return {ghdl("-a", {folder + entity + ".vhd"}), synth,
            TSynthStep{SynthesisProgram,
                       {"-p", "read_verilog " + synth.stdoutFile + "; synth -nofsm -top " + top +
                                  "; stat"},
                       {}}};
}

bool GhdlLacksSynthesis(const std::string& output) {
    return output.find("--synth") != std::string::npos &&
           (output.find("unknown command") != std::string::npos ||
            output.find("not supported") != std::string::npos);
}

namespace {

// Cell counts of the last "Number of cells:" block of Yosys' stat.
void ReadStat(const std::string& output, TSynthOutcome& o) {
    o.flipFlops = 0;
    o.cells = 0;
    int total = -1, latches = 0;
    for (const auto& line : SplitLines(output)) {
        const std::string t = TrimBlanks(line);
        if (t.starts_with("Number of cells:")) {
            total = static_cast<int>(DecimalOf(TrimBlanks(t.substr(16))));
            o.flipFlops = 0;
            latches = 0;
            continue;
        }
        if (total < 0 || !t.starts_with("$_")) continue;
        const auto blank = t.find_first_of(" \t");
        if (blank == std::string::npos) continue;
        const std::string type = t.substr(0, blank);
        const int n = static_cast<int>(DecimalOf(TrimBlanks(t.substr(blank))));
        if (type.find("DFF") != std::string::npos) o.flipFlops += n;
        if (type.starts_with("$_DLATCH")) latches += n;
    }
    o.cells = total < 0 ? 0 : total - o.flipFlops - latches;
}

} // namespace

bool ReadSynthStep(std::size_t step, const std::string& output, int exitCode, TSynthOutcome& o) {
    if (step == 1) {
        for (const auto& line : SplitLines(output)) {
            if (line.find("latch infered") != std::string::npos) o.latch = true;
            // Both messages GHDL gives for an attribute it passes over.
            if (line.find("unhandled attribute") != std::string::npos ||
                (line.find("warning: attribute \"") != std::string::npos &&
                 line.find("is not kept in the netlist") != std::string::npos))
                o.unhandledAttribute = true;
            else if (line.find("warning") != std::string::npos)
                o.warnings.push_back(line);
        }
    }
    if (step == 2 && exitCode == 0) ReadStat(output, o);
    if (exitCode != 0 || o.latch) {
        static const char* const why[] = {"GHDL kann die erzeugte Datei nicht analysieren.",
                                          "GHDL kann den Automaten nicht synthetisieren.",
                                          "Yosys kann die Netzliste von GHDL nicht verarbeiten."};
        o.failure = o.latch ? "GHDL meldet ein Latch: der Automat ist nicht rein "
                              "getaktet und kombinatorisch."
                            : why[std::min<std::size_t>(step, 2)];
        o.ok = false;
        return false;
    }
    o.ok = step == 2;
    return true;
}

TStrings SynthOutcomeLines(const TSynthOutcome& o) {
    TStrings lines;
    if (!o.failure.empty()) lines.push_back(o.failure);
    if (o.flipFlops >= 0) {
        lines.push_back("Flipflops: " + std::to_string(o.flipFlops));
        lines.push_back("Logikzellen: " + std::to_string(o.cells));
    }
    if (o.ok) lines.push_back("Kein Latch (nach dem Bericht von GHDL).");
    for (const auto& w : o.warnings)
        lines.push_back("Warnung: " + Cp1252ToUtf8(w));
    if (o.unhandledAttribute)
        lines.push_back(
            "Hinweis: GHDL übergeht die Kodierungsattribute (\"unhandled attribute\"); sie "
            "gelten für Vivado, Synplify und Quartus. Das ist kein Fehler.");
    return lines;
}

TStrings MissingSynthesisText(const std::string& ghdlPath, const std::string& yosysPath) {
    TStrings lines;
    if (ghdlPath.empty())
        lines.push_back("Für die Synthese fehlt GHDL (Debian-Paket ghdl): "
                        "sudo apt-get install ghdl");
    if (yosysPath.empty())
        lines.push_back("Für die Synthese fehlt Yosys (Debian-Paket yosys): "
                        "sudo apt-get install yosys");
    return lines;
}

} // namespace korvalt

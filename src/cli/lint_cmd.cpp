// korvalt-cli lint: the template check for template authors, one line per
// finding ("VORLAGE:ZEILE: Abschnitt "NAME": ..."). With --ghdl every section
// is also expanded at its defaults and at both ends of its ranges and analysed
// by GHDL; GHDL's messages are given at the template line they come from.
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <set>
#include <tuple>

#include "cli/cli.h"
#include "common/ascii.h"
#include "common/cp1252.h"
#include "common/paths.h"
#include "common/process.h"
#include "common/textfile.h"
#include "fsm/ghdl.h"
#include "template/expand.h"
#include "template/lint.h"
#include "template/reader.h"

namespace korvalt::cli {

namespace {

// The trial values for a finding (UTF-8); names and values are template text.
std::string ValuesText(const std::vector<TParamRow>& rows) {
    std::string text;
    for (const auto& row : rows)
        text += (text.empty() ? "" : ", ") + DeclName(row.decl) + "=" + row.value;
    return text.empty() ? "ohne Parameter" : "bei " + Cp1252ToUtf8(text);
}

// GHDL's "file:line:col: message" as (line, message); line 0 when the form differs.
std::pair<std::size_t, std::string> SplitGhdlLine(const std::string& line,
                                                  const std::string& file) {
    if (!line.starts_with(file + ":")) return {0, line};
    std::size_t p = file.size() + 1, n = 0;
    while (p < line.size() && IsDigit(line[p]))
        n = n * 10 + static_cast<std::size_t>(line[p++] - '0');
    if (n == 0 || p >= line.size() || line[p] != ':') return {0, line};
    for (++p; p < line.size() && IsDigit(line[p]);) // the column
        ++p;
    if (p < line.size() && line[p] == ':') ++p;
    return {n, TrimBlanks(line.substr(p))};
}

// The file name the window proposes, when it makes a VHDL name for |NAME|.
std::string TrialFileName(const std::string& templatePath) {
    const std::string name = LowerCase(FileNamePart(templatePath));
    const std::string base = BaseNameBeforeDot(name);
    const bool usable =
        !base.empty() && IsLetter(base[0]) && std::all_of(base.begin(), base.end(), IsWordChar);
    return usable ? name : "modul.vhd";
}

class TGhdlTrial {
  public:
    TGhdlTrial() : ghdl_(FindProgram("ghdl")), scratch_("korvalt-lint"), dir_(scratch_.Path()) {
        if (dir_.empty()) throw TCliError("Kein temporäres Verzeichnis für GHDL.");
    }

    // Analyses every section (or the one named) at its trial values. False
    // when GHDL could not be found or started.
    // Only the first message of a run counts; the rest mostly follow from it.
    bool Run(const std::string& templatePath, const Tsrctemp& reader, const std::string& wanted,
             std::vector<TFinding>& out) {
        const auto& sections = reader.Sections();
        for (std::size_t k = 0; k < sections.size(); ++k) {
            const TTemplateSection& section = sections[k];
            if (!wanted.empty() && !SameText(section.name, wanted)) continue;
            // A section of an earlier one's name is written with that one's body.
            if (reader.Find(section.name) != &section) continue;
            const TStrings body = section.BodyText();
            if (body.empty()) continue; // the check reports it
            std::set<std::string> reported;
            for (const auto& rows : TrialValues(section.decls)) {
                const std::string work = dir_ + std::to_string(++n_) + PathSep;
                const std::string file = work + TrialFileName(templatePath);
                TStrings expanded = body;
                ExpandTemplate(file, expanded, ParamsFromRows(rows));
                std::filesystem::create_directory(work);
                if (!SaveLines(file, expanded)) continue;
                if (ghdl_.empty()) return false;
                TGhdlRun run(ghdl_, work, {{GhdlArgs("-a", work, {file}), ""}});
                run.RunToEnd();
                if (!run.Started()) return false;
                const int rc = run.ExitCode();
                if (rc == 0) continue;
                const TStrings messages = SplitLines(run.Output());
                std::size_t line = 0;
                std::string text =
                    messages.empty() ? "Exit-Code " + std::to_string(rc) : messages[0];
                for (const auto& m : messages)
                    if (const auto split = SplitGhdlLine(m, file);
                        split.first > 0 && split.first <= expanded.size()) {
                        std::tie(line, text) = split;
                        break;
                    }
                // GHDL quotes the trial file, which is Windows-1252 text.
                if (reported.insert(std::to_string(line) + text).second)
                    out.push_back({k, section.name,
                                   line ? section.bodyOpen + line : section.bodyOpen,
                                   "GHDL " + ValuesText(rows) + ": " + Cp1252ToUtf8(text)});
            }
        }
        return true;
    }

  private:
    std::string ghdl_;
    TTempFolder scratch_;
    std::string dir_;
    int n_ = 0;
};

} // namespace

static int Lint(const TArgs& args) {
    const TParsedArgs p = ParseArgs(args, {{"--ghdl", ""}});
    const TArgs& positional = p.positional;
    const bool ghdl = p.Has("--ghdl");
    if (positional.empty() || positional.size() > 2)
        throw TCliError("Aufruf: korvalt-cli lint [--ghdl] VORLAGE [ABSCHNITT]");
    const std::string& path = positional[0];
    const Tsrctemp reader(ReadInputFile(path, "Die Vorlage"));
    std::string wanted;
    if (positional.size() == 2) {
        wanted = ArgToCp1252(positional[1]);
        if (!reader.Find(wanted))
            throw TCliError("Die Vorlage hat keinen Abschnitt \"" + positional[1] + "\".");
    }
    std::vector<TFinding> findings;
    for (auto& f : CheckTemplate(reader.Sections(), path))
        if (wanted.empty() || SameText(f.sectionName, wanted)) findings.push_back(std::move(f));
    if (ghdl && !TGhdlTrial().Run(path, reader, wanted, findings))
        std::cerr << "korvalt-cli: GHDL ist nicht installiert; die Abschnitte werden nicht "
                     "übersetzt.\n";
    for (const auto& f : findings) {
        // The path is printed as given; the section name is file text.
        std::cout << path << ':';
        if (f.section == NoLine)
            std::cout << ' ' << f.message << '\n';
        else
            std::cout << f.line << ": Abschnitt \"" << Cp1252ToUtf8(f.sectionName)
                      << "\": " << f.message << '\n';
    }
    return findings.empty() ? 0 : 1;
}

namespace {
const TCommand lintCommand{"lint", Lint, R"(  korvalt-cli lint [--ghdl] VORLAGE [ABSCHNITT]
      Prüft die Vorlage (oder nur den Abschnitt): Platzhalter ohne Parameter,
      Parameter ohne Platzhalter, Wiederholungen und |P-| an den Grenzen des
      Bereichs, Vorgabewerte außerhalb des Bereichs, fehlende oder offene
      Rümpfe, doppelte Abschnittsnamen, ungelesene Deklarationen und einen
      Dateinamen, der für |NAME| keinen gültigen VHDL-Bezeichner ergibt. Je
      Befund eine Zeile VORLAGE:ZEILE: Abschnitt "NAME": Befund.
      --ghdl übersetzt zusätzlich jeden Abschnitt mit GHDL, bei den
      Vorgabewerten und an beiden Enden jedes Bereichs.
      Rückgabewert 0 ohne Befund, 1 mit Befunden, 2 wenn die Vorlage nicht
      gelesen werden kann.
)"};
} // namespace

} // namespace korvalt::cli

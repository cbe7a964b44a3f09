// korvalt-cli: the command-line front end over Korvalt's core, for build
// scripts and tests. Each command writes exactly the files the matching window
// command writes; output is UTF-8 with LF line ends.
#include <cstdio>
#include <iostream>
#include <map>

#include "cli/cli.h"
#include "common/cp1252.h"
#include "common/textfile.h"

namespace korvalt::cli {

void PrintLine(const std::string& cp1252Text) { std::cout << Cp1252ToUtf8(cp1252Text) << '\n'; }

std::string ArgToCp1252(const std::string& arg) { return Utf8ToCp1252(arg); }

std::string Show(const std::string& cp1252Text) { return Cp1252ToUtf8(cp1252Text); }

std::vector<std::string> ReadInputFile(const std::string& path, const std::string& what) {
    std::vector<std::string> lines;
    if (!ReadLines(path, lines)) throw TCliError(what + " \"" + path + "\" kann nicht gelesen werden.");
    return lines;
}

namespace {

const char* const HelpText = R"(korvalt-cli: VHDL-Dateien aus Korvalt-Vorlagen und -Beschreibungen erzeugen

Aufruf:
  korvalt-cli sections VORLAGE
      Listet die Abschnitte der Vorlage. Je Parameter eine Zeile:
      Abschnitt, Tab, Deklaration, Tab, Vorgabewert, Tab, Bereich (lo..hi).
      Ein Abschnitt ohne Parameter steht allein auf seiner Zeile.

  korvalt-cli expand VORLAGE ABSCHNITT [NAME=WERT ...] -o AUSGABE
      Erzeugt die VHDL-Datei AUSGABE aus dem Abschnitt (Groß-/Kleinschreibung
      egal). Nicht genannte Parameter behalten ihren Vorgabewert; ein Wert
      besteht aus Ziffern und muss im deklarierten Bereich liegen. |NAME|
      wird durch den Dateinamen von AUSGABE bis zum ersten "." ersetzt.

  korvalt-cli --help
      Zeigt diese Hilfe.

Ausgaben sind UTF-8; Dateiinhalte werden als Windows-1252 gelesen und
geschrieben, jede geschriebene Zeile endet mit CR LF.
Rückgabewert: 0 bei Erfolg, 2 bei einem Fehler (eine Zeile auf stderr).
)";

} // namespace
} // namespace korvalt::cli

int main(int argc, char** argv) {
    using namespace korvalt::cli;
    const std::map<std::string, int (*)(const TArgs&)> commands = {
        {"sections", Sections},
        {"expand", Expand},
    };
    TArgs args(argv + 1, argv + argc);
    if (args.empty()) {
        std::cerr << "korvalt-cli: Kein Befehl angegeben (korvalt-cli --help zeigt die Befehle).\n";
        return ExitError;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        std::cout << HelpText;
        return 0;
    }
    const auto cmd = commands.find(args[0]);
    if (cmd == commands.end()) {
        std::cerr << "korvalt-cli: Unbekannter Befehl \"" << args[0]
                  << "\" (korvalt-cli --help zeigt die Befehle).\n";
        return ExitError;
    }
    try {
        const int rc = cmd->second(TArgs(args.begin() + 1, args.end()));
        std::cout.flush();
        return rc;
    } catch (const TCliError& e) {
        std::cerr << "korvalt-cli: " << e.what() << '\n';
        return ExitError;
    } catch (const std::exception& e) {
        std::cerr << "korvalt-cli: Interner Fehler: " << e.what() << '\n';
        return ExitError;
    }
}

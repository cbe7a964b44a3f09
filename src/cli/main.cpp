// korvalt-cli: the command-line front end over Korvalt's core, for build
// scripts and tests. Each command writes exactly the files the matching window
// command writes; output is UTF-8 with LF line ends.
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <iostream>
#include <map>

#include "app/commands.h"
#include "cli/cli.h"
#include "common/cp1252.h"
#include "common/textfile.h"

namespace korvalt::cli {

void PrintLine(const std::string& cp1252Text) {
    std::cout << Cp1252ToUtf8(cp1252Text) << '\n';
}

std::string ArgToCp1252(const std::string& arg) {
    return Utf8ToCp1252(arg);
}

std::string Show(const std::string& cp1252Text) {
    return Cp1252ToUtf8(cp1252Text);
}

TCliError WriteError(const std::string& what, const std::string& path, const std::string& reason) {
    return TCliError(WriteFailureMessage(what, path, reason));
}

std::vector<std::string> ReadInputFile(const std::string& path, const std::string& what) {
    std::vector<std::string> lines;
    const TResult<TFileRead> r = ReadLines(path, lines);
    if (!r) throw TCliError(ReadFailureMessage(what, path, r.error));
    return lines;
}

TParsedArgs ParseArgs(const TArgs& args, const std::vector<TOption>& options) {
    TParsedArgs r;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const TOption* option = nullptr;
        for (const auto& o : options)
            if (o.name == args[i]) option = &o;
        if (!option) {
            r.positional.push_back(args[i]);
            continue;
        }
        ++r.counts[option->name];
        if (option->missingValue.empty()) continue;
        if (i + 1 >= args.size()) throw TCliError(option->missingValue);
        r.values[option->name] = args[++i];
    }
    return r;
}

TOption OutOption() {
    return {"-o", "Nach -o fehlt der Name der Ausgabedatei."};
}

namespace {

struct TEntry {
    int (*run)(const TArgs&);
    const char* help;
};

std::map<std::string, TEntry>& Registry() {
    static std::map<std::string, TEntry> commands;
    return commands;
}

void PrintHelp() {
    std::cout << "korvalt-cli: VHDL-Dateien aus Korvalt-Vorlagen und -Beschreibungen erzeugen\n\n"
                 "Aufruf:\n";
    for (const auto& [name, entry] : Registry())
        std::cout << entry.help << '\n';
    std::cout << "  korvalt-cli --help\n      Zeigt diese Hilfe.\n"
                 "  korvalt-cli BEFEHL --help\n      Zeigt die Hilfe zu einem Befehl.\n\n"
                 "Ausgaben sind UTF-8; Dateiinhalte werden als Windows-1252 gelesen und\n"
                 "geschrieben, jede geschriebene Zeile endet mit CR LF.\n"
                 "Rückgabewert: 0 bei Erfolg, 1 bei einer nicht bestandenen Prüfung,\n"
                 "2 bei einem Fehler (eine Zeile auf stderr).\n";
}

} // namespace

TCommand::TCommand(const char* name, int (*run)(const TArgs&), const char* help) {
    Registry()[name] = TEntry{run, help};
}

} // namespace korvalt::cli

int main(int argc, char** argv) {
    using namespace korvalt::cli;
    // The system's reasons in messages follow the user's language.
    std::setlocale(LC_ALL, "");
    TArgs args(argv + 1, argv + argc);
    if (args.empty()) {
        std::cerr << "korvalt-cli: Kein Befehl angegeben (korvalt-cli --help zeigt die Befehle).\n";
        return ExitError;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintHelp();
        return 0;
    }
    const auto cmd = Registry().find(args[0]);
    if (cmd == Registry().end()) {
        std::cerr << "korvalt-cli: Unbekannter Befehl \"" << args[0]
                  << "\" (korvalt-cli --help zeigt die Befehle).\n";
        return ExitError;
    }
    // "korvalt-cli BEFEHL --help" shows that command's part of the help.
    if (std::find(args.begin() + 1, args.end(), "--help") != args.end()) {
        std::cout << cmd->second.help << '\n';
        return 0;
    }
    try {
        const int rc = cmd->second.run(TArgs(args.begin() + 1, args.end()));
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

// Shared plumbing of korvalt-cli: the argument list, German error lines on
// stderr, and the Windows-1252 <-> UTF-8 conversion of file text at the
// terminal (the core's messages are UTF-8 already and are printed as they are).
#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace korvalt::cli {

using TArgs = std::vector<std::string>;

// Exit codes: 0 success, 1 a failed check (later commands), 2 any error.
inline constexpr int ExitError = 2;

// Thrown by a command to end with one German line on stderr and exit code 2.
struct TCliError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// An option of a command: a flag ("--vhdl"), or one followed by a value
// ("-o DATEI"), with the error line for the value missing after it.
struct TOption {
    std::string name;
    std::string missingValue; // empty for a flag
};
// A command's arguments: the options it knows, and the rest in their order.
struct TParsedArgs {
    TArgs positional;
    std::map<std::string, int> counts;         // how often each option was given
    std::map<std::string, std::string> values; // the last value of each option with one
    int Count(const std::string& name) const {
        const auto c = counts.find(name);
        return c == counts.end() ? 0 : c->second;
    }
    bool Has(const std::string& name) const { return Count(name) > 0; }
    std::string Value(const std::string& name) const {
        const auto v = values.find(name);
        return v == values.end() ? std::string() : v->second;
    }
};
// Picks the options out of args; anything else (unknown options too) is positional.
TParsedArgs ParseArgs(const TArgs& args, const std::vector<TOption>& options);
// The option -o with its error line.
TOption OutOption();

// Prints file text (Windows-1252) on stdout as UTF-8, followed by LF.
void PrintLine(const std::string& cp1252Text);
// A command-line argument (UTF-8) as Windows-1252, for comparing with file text.
std::string ArgToCp1252(const std::string& arg);
// File text for an error message.
std::string Show(const std::string& cp1252Text);
// The error for a file that could not be written: what it is, its path, the system's reason.
TCliError WriteError(const std::string& what, const std::string& path, const std::string& reason);
// Reads a file that must exist and be readable; raises the German error otherwise.
std::vector<std::string> ReadInputFile(const std::string& path, const std::string& what);

// A command registers itself from its own file with a static TCommand:
//   static const TCommand scan{"scan", Scan, "  korvalt-cli scan DATEI\n      ...\n"};
// Its help text (German, indented as in --help) is printed in name order.
struct TCommand {
    TCommand(const char* name, int (*run)(const TArgs&), const char* help);
};

} // namespace korvalt::cli

// Arguments and loading shared by the state-machine commands of korvalt-cli.
#pragma once

#include <string>

#include "cli/cli.h"
#include "fsm/machine.h"

namespace korvalt::cli {

struct TFsmArgs {
    std::string workspace;
    std::string out; // moore.vhd or mealy.vhd unless -o is given
    bool haveOut = false;
    std::string entity; // --entity NAME; empty when not given
    bool moore = true;
};

// Which options a state-machine command takes besides --moore and --mealy.
enum class TFsmOptions { KindOnly, Out, OutAndEntity };

// ARBEITSDATEI [-o AUSGABE] [--entity NAME] [--moore|--mealy]; the kind comes
// from the file name (Moore.txt, Mealy.txt) unless given. Raises the usage on a bad argument.
TFsmArgs ParseFsmArgs(const TArgs& args, TFsmOptions options, const char* usage);
// Loads the workspace into m; raises the error when it cannot be read.
void LoadMachine(const TFsmArgs& args, TMachine& m);
// Loads the workspace into m and runs every check; false (report on stderr) when one fails.
bool LoadAndCheck(const TFsmArgs& args, TMachine& m);

} // namespace korvalt::cli

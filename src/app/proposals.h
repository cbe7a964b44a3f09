// The file names the state-machine editor proposes for what it writes: the
// VHDL file, its testbench and the diagram are named after the description
// file being edited ("ampel.txt" proposes "ampel.vhd"). The current work
// (Moore.txt, Mealy.txt) proposes "moore.vhd" or "mealy.vhd" as before.
// korvalt-cli keeps its own defaults.
#pragma once

#include <string>
#include <string_view>

namespace korvalt {

// descriptionFile: the path of the description opened or saved under a name;
// empty for the current work. extension: ".vhd", ".svg", ...
std::string ProposedOutputName(bool moore, std::string_view descriptionFile,
                               std::string_view extension);

} // namespace korvalt

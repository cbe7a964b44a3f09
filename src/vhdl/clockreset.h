// Where the clock and the reset of an entity's design are found: in the
// process text, from the sensitivity list and the if conditions (for the
// testbench skeleton), and from the first process whose body shows a clock
// edge (for the runnable testbench). Used by the entity scanner.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "common/strings.h"
#include "vhdl/entity.h"

namespace korvalt {

// Clock and reset, each as "+" or "-" and the name as the sensitivity list writes it.
struct TRoles {
    std::string clock, reset;
};
// The process text as the scanner collects it, with where each line starts.
TRoles ScanClockAndReset(const std::string& process, const std::vector<std::size_t>& lineStarts);

// Sets edgeClock, edgeReset and resetKind of an entity whose ports are known.
void ScanClockProcess(TEntity& e, const TStrings& lines);

} // namespace korvalt

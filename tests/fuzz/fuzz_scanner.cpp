// The entity scanner and every emitter on arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/textfile.h"
#include "vhdl/emitters.h"
#include "vhdl/testbench.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const korvalt::TStrings lines = korvalt::SplitLines(text);
    using namespace korvalt;
    const TEntity s = ScanEntity(lines);
    ComponentDecl(s, 3);
    InputSignals(s, 3);
    OutputSignals(s, 3);
    StimulusProcesses(s, 3);
    InstanceMap(s, 3, true);
    InstanceMap(s, 0, false);
    InstanceMap(s, 3, true, true, "map_XXX_2");
    VhdlTestbenchLines(s, ContextClause(lines));
    TestbenchMap(s, 3);
    ConfigLine(s, 0);
    PlaceholderFunctions(s, 3);
    GenericNotes(s);
    TestbenchLines(s);
    return 0;
}

// The entity scanner and every emitter on arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/textfile.h"
#include "vhdl/testbench.h"
#include "vhdl/u_signals.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const korvalt::TStrings lines = korvalt::SplitLines(text);
    korvalt::TSignal s = korvalt::TSignal::FromLines(lines);
    s.ComponentDecl(3);
    s.InputSignals(3);
    s.OutputSignals(3);
    s.StimulusProcesses(3);
    s.InstanceMap(3, true);
    s.InstanceMap(0, false);
    s.InstanceMap(3, true, true);
    korvalt::VhdlTestbenchLines(s, korvalt::ContextClause(lines));
    s.TestbenchMap(3);
    s.ConfigLine(0);
    korvalt::TestbenchLines(s);
    return 0;
}

// The testbench text, line by line, from the emitters of TSignal.
#include "vhdl/testbench.h"

#include "common/paths.h"

namespace korvalt {

std::string TestbenchFileName(const std::string& chosenPath) {
    const std::string name = FileNamePart(chosenPath);
    return FolderPart(chosenPath) + name.substr(0, name.find('.')) + ".wdl";
}

TStrings TestbenchLines(TSignal& design) {
    auto add = [](TStrings& to, const TStrings& lines) {
        to.insert(to.end(), lines.begin(), lines.end());
    };
    TStrings out{"library IEEE;",
                 "use IEEE.STD_LOGIC_1164.ALL;",
                 "use IEEE.STD_LOGIC_ARITH.ALL;",
                 "use IEEE.STD_LOGIC_UNSIGNED.ALL;",
                 "use work.testpack.ALL;",
                 "",
                 "entity testbench is",
                 "end testbench;",
                 "",
                 "architecture behavioral of testbench is",
                 ""};
    add(out, design.ComponentDecl(3));
    out.push_back("");
    add(out, design.InputSignals(3));
    add(out, design.OutputSignals(3));
    out.insert(out.end(), {"", "   constant tb_time : time:= 100 ns; -- Zeitkonstante definieren",
                           "", "BEGIN", ""});
    add(out, design.TestbenchMap(3));
    out.push_back("");
    add(out, design.StimulusProcesses(3));
    out.insert(out.end(), {"", "   ptest : PROCESS", "           BEGIN", "", "",
                           "           wait; -- Test beendet", "           END PROCESS ptest;", "",
                           "END behavioral;", ""});
    return out;
}

TWriteResult BuildTestbench(TSignal& design, const std::string& outputPath) {
    return SaveLines(outputPath, TestbenchLines(design));
}

} // namespace korvalt

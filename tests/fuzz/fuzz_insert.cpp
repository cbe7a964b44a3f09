// Component insertion on arbitrary bytes: the input up to its first NUL is the
// component, the rest the target. Every line of the target must come out
// unchanged and in order; insertion only adds lines.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/textfile.h"
#include "vhdl/insert.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::size_t nul = text.find('\0');
    const std::string component = text.substr(0, nul);
    const std::string target = nul == std::string::npos ? text : text.substr(nul + 1);
    const korvalt::TStrings targetLines = korvalt::SplitLines(target);
    for (const int mode : {0, 1, 2}) {
        const korvalt::TStrings out = korvalt::InsertedLines(korvalt::SplitLines(component),
                                                             targetLines, mode == 0, mode == 2);
        std::size_t t = 0;
        for (std::size_t o = 0; o < out.size() && t < targetLines.size(); ++o)
            if (out[o] == targetLines[t]) ++t;
        if (t != targetLines.size()) std::abort(); // a target line was lost or changed
    }
    return 0;
}

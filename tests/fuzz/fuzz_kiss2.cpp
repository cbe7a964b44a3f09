// KISS2 reader on arbitrary bytes, as Moore and as Mealy machine. A file it
// takes must give a description that is written back as KISS2 and read again;
// its checks, VHDL and testbench must not fail on it either.
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/textfile.h"
#include "fsm/automat_tb.h"
#include "fsm/checks.h"
#include "fsm/kiss2.h"
#include "fsm/synthesis.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (bool moore : {true, false}) {
        const auto r = korvalt::ReadKiss2(text, moore);
        if (!r) {
            if (r.error.empty() || r.value.line < 1)
                __builtin_trap(); // a refusal says where and why
            continue;
        }
        const korvalt::TMachine m = korvalt::ReadMachine(r.value.automat);
        const auto written = korvalt::WriteKiss2(m);
        if (!written) __builtin_trap(); // every imported machine can be exported
        std::string again;
        for (const auto& line : written.value)
            again += line + "\r\n";
        const auto back = korvalt::ReadKiss2(again, moore);
        // Only a Mealy machine whose rows were all left out has nothing to write back.
        if (!back && !m.Zeilen.empty()) __builtin_trap();
        korvalt::CheckAutomat(m);
        korvalt::BuildAutomatVhdl(m, "f");
        korvalt::BuildAutomatTestbench(m, "f");
    }
    return 0;
}

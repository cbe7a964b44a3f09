#include <gtest/gtest.h>

#include <fstream>

#include "support/testsupport.h"
#include "vhdl/highlight.h"

using namespace korvalt;

// tests/data/vhdl/highlight.txt: each VHDL line followed by its expected spans.
TEST(VhdlSpans, FindKeywordsCommentsStringsAndNumbersAsTheDataFileSays) {
    std::ifstream in(test::DataPath("vhdl/highlight.txt"));
    std::string line, expected;
    bool inComment = false;
    int cases = 0;
    while (std::getline(in, line)) {
        if (line.starts_with("# ")) continue;
        std::getline(in, expected);
        std::string found;
        for (const TVhdlSpan& s : VhdlSpans(line, inComment))
            found += std::string(found.empty() ? "" : "\t") + "KCSN"[static_cast<int>(s.kind)] +
                     " " + line.substr(s.start, s.length);
        EXPECT_EQ(found, expected) << line;
        ++cases;
    }
    EXPECT_GE(cases, 6);
}

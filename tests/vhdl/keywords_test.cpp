#include <gtest/gtest.h>

#include "support/testsupport.h"
#include "vhdl/keywords.h"

using namespace korvalt;

// tests/data/vhdl/keywords.txt: whole-word search, first words and reserved words.
TEST(Keywords, AsTheDataFileSays) {
    const auto rows = test::DataRows("vhdl/keywords.txt");
    EXPECT_GE(rows.size(), 20u);
    for (const auto& c : rows) {
        ASSERT_EQ(c.size(), 4u) << c[0];
        const std::string code = CodeUpper(c[1]);
        std::string found;
        if (c[0] == "find") {
            const auto p = FindWord(code, c[2]);
            found = p == std::string::npos ? "-" : std::to_string(p);
        } else if (c[0] == "has") {
            found = std::to_string(HasWord(code, c[2]));
        } else if (c[0] == "first") {
            found = std::to_string(FirstWordIs(code, c[2]));
        } else if (c[0] == "reserved") {
            found = std::to_string(IsVhdlReservedWord(c[1]));
        } else {
            found = code;
        }
        EXPECT_EQ(found, c[3]) << c[0] << "(" << c[1] << ", " << c[2] << ")";
    }
}

#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "common/ascii.h"
#include "common/intread.h"
#include "common/paths.h"
#include "support/testsupport.h"

using namespace korvalt;

namespace {
std::string Pos(std::size_t p) {
    return p == std::string::npos ? "-" : std::to_string(p);
}
} // namespace

// tests/data/common/text.txt: ASCII casing and search, blanks, path parts and numbers.
TEST(TextHelpers, AsTheDataFileSays) {
    using TCase = std::vector<std::string>;
    const std::map<std::string, std::function<std::string(const TCase&)>> functions = {
        {"upper", [](const TCase& c) { return UpperCase(c[1]); }},
        {"lower", [](const TCase& c) { return LowerCase(c[1]); }},
        {"same", [](const TCase& c) { return std::to_string(SameText(c[1], c[2])); }},
        {"trim", [](const TCase& c) { return TrimBlanks(c[1]); }},
        {"findnocase",
         [](const TCase& c) {
             return Pos(FindNoCase(c[1], c[2], c.size() > 4 ? std::stoul(c[4].substr(5)) : 0));
         }},
        {"filename", [](const TCase& c) { return FileNamePart(c[1]); }},
        {"folder", [](const TCase& c) { return FolderPart(c[1]); }},
        {"beforedot", [](const TCase& c) { return BaseNameBeforeDot(c[1]); }},
        {"withsep", [](const TCase& c) { return WithTrailingSep(c[1]); }},
        {"intof", [](const TCase& c) { return std::to_string(IntOf(c[1])); }},
        {"decimal", [](const TCase& c) { return std::to_string(DecimalOf(c[1])); }},
    };
    const auto rows = test::DataRows("common/text.txt");
    EXPECT_GE(rows.size(), 60u);
    for (const TCase& c : rows) {
        ASSERT_GE(c.size(), 4u) << c[0];
        EXPECT_EQ(functions.at(c[0])(c), c[3]) << c[0] << "(" << c[1] << ", " << c[2] << ")";
    }
}

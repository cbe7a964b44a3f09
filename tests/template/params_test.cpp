#include <gtest/gtest.h>

#include "support/testsupport.h"
#include "template/params.h"

using namespace korvalt;

// tests/data/template/params.txt: a declaration's name, default and range, and
// what a committed value is corrected to.
TEST(Declarations, AsTheDataFileSays) {
    const auto rows = test::DataRows("template/params.txt");
    EXPECT_GE(rows.size(), 20u);
    for (const auto& c : rows) {
        if (c[0] == "decl") {
            const auto r = DeclRange(c[1]);
            const std::string range =
                r ? std::to_string(r->lo) + ".." + std::to_string(r->hi) : "-";
            EXPECT_EQ(DeclName(c[1]) + "|" + DeclDefault(c[1]) + "|" + range,
                      c[2] + "|" + c[3] + "|" + c[4]);
        } else {
            EXPECT_EQ(CheckValue(c[1], c[2]).value_or("-"), c.at(3)) << c[1] << " " << c[2];
            if (c.size() > 4) {
                EXPECT_EQ(CorrectValue(c[1], c[2])->message, c[4]);
            }
        }
    }
}

TEST(Declarations, GridRowsShowBlanksForEmptyTextsAndWidthFollowsTheLongest) {
    std::vector<TTemplateDecl> decls;
    for (const char* text : {"BREITE[4..16]", "START[0,15]", "", "X[]"})
        decls.push_back(ReadDecl(text));
    const auto rows = BuildParamRows(decls);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].decl, "BREITE[4..16]");
    EXPECT_EQ(rows[0].value, "4");
    EXPECT_EQ(rows[2].decl, " ");
    EXPECT_EQ(rows[2].value, "0");
    EXPECT_EQ(rows[3].value, " ");
    EXPECT_TRUE(BuildParamRows({}).empty());
    EXPECT_EQ(LongestDecl(decls), 13u);
    EXPECT_EQ(LongestDecl({ReadDecl("N")}), 10u);
}

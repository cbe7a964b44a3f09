#include <gtest/gtest.h>

#include "template/params.h"

using namespace korvalt;

TEST(Declarations, DefaultsAndRanges) {
    const struct {
        const char* decl;
        const char* name;
        const char* def;
        bool ranged;
        int lo, hi;
    } cases[] = {
        {"BREITE[4..16]", "BREITE", "4", true, 4, 16},
        {"START[0,15]", "START", "0", true, 0, 15},
        {"N[16,4]", "N", "16", true, 4, 16},
        {"BREITE[8]", "BREITE", "8", false, 0, 0}, // a default alone sets no range
        {"X[]", "X", "", false, 0, 0},
        {"WERT", "WERT", "0", false, 0, 0},
        {"", "", "0", false, 0, 0},
        {"M[8,1..16]", "M", "8", true, 0, 16}, // "8,1" reads as 0
        {"K[3..7", "K", "3", false, 0, 0},     // no "]": no range text, no range
        {"A B[2,5]", "A B", "2", true, 2, 5},
        {"Q[$10..x20]", "Q", "$10", true, 16, 32},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DeclName(c.decl), c.name) << c.decl;
        EXPECT_EQ(DeclDefault(c.decl), c.def) << c.decl;
        const auto r = DeclRange(c.decl);
        ASSERT_EQ(r.has_value(), c.ranged) << c.decl;
        if (r) {
            EXPECT_EQ(r->lo, c.lo) << c.decl;
            EXPECT_EQ(r->hi, c.hi) << c.decl;
        }
    }
}

TEST(Declarations, GridRowsShowBlanksForEmptyTextsAndWidthFollowsTheLongest) {
    const auto rows = BuildParamRows("BREITE[4..16]|START[0,15]||X[]|");
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].decl, "BREITE[4..16]");
    EXPECT_EQ(rows[0].value, "4");
    EXPECT_EQ(rows[2].decl, " ");
    EXPECT_EQ(rows[2].value, "0");
    EXPECT_EQ(rows[3].value, " ");
    EXPECT_TRUE(BuildParamRows("").empty());
    EXPECT_EQ(LongestDecl("BREITE[4..16]|START[0,15]|"), 13u);
    EXPECT_EQ(LongestDecl("N|"), 10u);
}

TEST(CheckValue, CorrectsCommittedValuesOutsideTheRangeToTheLowerBound) {
    const struct {
        const char* decl;
        const char* value;
        const char* corrected; // nullptr: the value stands
    } cases[] = {
        {"START[0,15]", "20", "0"},       {"START[0,15]", "2", nullptr},
        {"BREITE[4..16]", "12", nullptr}, {"BREITE[4..16]", "1", "4"},
        {"N[16,4]", "17", "4"},           {"N[16,4]", "3", "4"},
        {"BREITE[8]", "6", nullptr},      {"WERT", "99999", nullptr},
        {"START[0,15]", "", nullptr},     {"BREITE[4..16]", "016", nullptr},
    };
    for (const auto& c : cases) {
        const auto r = CheckValue(c.decl, c.value);
        if (c.corrected)
            EXPECT_EQ(r.value_or("(stands)"), c.corrected) << c.decl << " " << c.value;
        else
            EXPECT_FALSE(r.has_value()) << c.decl << " " << c.value;
    }
}

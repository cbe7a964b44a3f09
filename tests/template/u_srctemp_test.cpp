#include <gtest/gtest.h>

#include "support/testsupport.h"
#include "template/u_srctemp.h"

using namespace korvalt;

TEST(Tsrctemp, ReadsTheCounterTemplate) {
    const Tsrctemp t(test::DataPath("template/zaehler.vhd"));
    EXPECT_EQ(t.Sections(), (TStrings{"Aufwaertszaehler", "Abwaertszaehler"}));
    EXPECT_EQ(t.VarDecls(), (TStrings{"BREITE[4..16]|START[0,15]|", "BREITE[8]|"}));
    TStrings body;
    t.GetBody(body, "ABWAERTSZAEHLER");
    ASSERT_EQ(body.size(), 4u);
    EXPECT_EQ(body[0], "entity |NAME| is");
}

TEST(Tsrctemp, UnreadableFileGivesEmptyLists) {
    const Tsrctemp t("/nonexistent/korvalt.vhd");
    EXPECT_TRUE(t.Sections().empty());
    EXPECT_TRUE(t.VarDecls().empty());
    TStrings body;
    t.GetBody(body, "x");
    EXPECT_TRUE(body.empty());
}

// tests/data/template/pairing.txt: sections and the declaration areas paired with them.
TEST(Tsrctemp, DeclarationAreasAndPairing) {
    const auto rows = test::DataRows("template/pairing.txt", '\t');
    EXPECT_GE(rows.size(), 9u);
    for (const auto& c : rows) {
        const Tsrctemp t(test::ListOf(c[1]));
        EXPECT_EQ(t.Sections(), test::ListOf(c[2])) << c[0];
        EXPECT_EQ(t.VarDecls(), test::ListOf(c.at(3))) << c[0];
    }
}

TEST(Tsrctemp, BodyLookupMatchesWholeHeaderIgnoringCaseAndTakesTheFirst) {
    const Tsrctemp t(TStrings{"#Zaehler", "<", "one", "", "#x", ">", "#ZAEHLER", "<", "two", ">",
                              "#Ohne", "-N", "#Rest", "<", "r"});
    TStrings body;
    t.GetBody(body, "zaehler");
    // A "#" line inside a body is still copied, empty lines included.
    EXPECT_EQ(body, (TStrings{"one", "", "#x"}));
    body.clear();
    t.GetBody(body, "Zaehl");
    EXPECT_TRUE(body.empty());
    // Without its own "<" the search runs on to the next one; no ">" ends at the file's end.
    body.clear();
    t.GetBody(body, "Ohne");
    EXPECT_EQ(body, (TStrings{"r"}));
}

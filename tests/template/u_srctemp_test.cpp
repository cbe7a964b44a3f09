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

TEST(Tsrctemp, DeclarationAreasAndPairing) {
    const struct {
        const char* what;
        TStrings lines;
        TStrings sections;
        TStrings decls;
    } cases[] = {
        {"name verbatim with blanks",
         {"#Zaehler 8 Bit", "-N", "<", "x", ">"},
         {"Zaehler 8 Bit"},
         {"N|"}},
        {"empty line ends declarations", {"#A", "-N", "", "-M", "<"}, {"A"}, {"N|"}},
        {"a lone dash is an empty declaration", {"#A", "-", "-B", "<"}, {"A"}, {"|B|"}},
        {"section without declarations", {"#A", "<", ">"}, {"A"}, {""}},
        {"double-dash commentary is a declaration", {"#A", "-- note", "<"}, {"A"}, {"- note|"}},
        {"open at end of file adds nothing", {"#A", "-N"}, {"A"}, {}},
        {"header then empty line shifts pairing",
         {"#A", "", "-N[1,2]", "<", ">", "#B", "-M", "<", ">"},
         {"A", "B"},
         {"M|"}},
        {"a header ends the previous area",
         {"#A", "-N", "#B", "-M", "<"},
         {"A", "B"},
         {"N|", "M|"}},
        {"dash lines in a body are body text",
         {"#A", "<", "-x", ">", "", "#B", "-M", "<"},
         {"A", "B"},
         {"", "M|"}},
    };
    for (const auto& c : cases) {
        const Tsrctemp t(c.lines);
        EXPECT_EQ(t.Sections(), c.sections) << c.what;
        EXPECT_EQ(t.VarDecls(), c.decls) << c.what;
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

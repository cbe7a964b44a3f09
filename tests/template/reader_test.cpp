#include <gtest/gtest.h>

#include "support/testsupport.h"
#include "template/reader.h"

using namespace korvalt;

TEST(Tsrctemp, ReadsTheCounterTemplateAndFindsASectionByItsWholeNameIgnoringCase) {
    const Tsrctemp t(test::DataPath("template/zaehler.vhd"));
    ASSERT_EQ(t.Sections().size(), 2u);
    const TTemplateSection& up = t.Sections()[0];
    EXPECT_EQ(up.name, "Aufwaertszaehler");
    EXPECT_EQ(up.DescriptionText(), "Zaehlt ab START aufwaerts.");
    ASSERT_EQ(up.decls.size(), 2u);
    EXPECT_EQ(up.decls[1].text + "|" + up.decls[1].name + "|" + up.decls[1].def + "|" +
                  std::to_string(up.decls[1].range->hi),
              "START[0,15]|START|0|15");
    const TTemplateSection* down = t.Find("ABWAERTSZAEHLER");
    ASSERT_EQ(down, &t.Sections()[1]);
    EXPECT_EQ(down->Body().at(0).text, "entity |NAME| is");
    EXPECT_EQ(down->BodyText().size(), 4u);
    EXPECT_EQ(t.Find("Abwaerts"), nullptr);
    // Generation writes the body of the first section of a name.
    const Tsrctemp twice(TStrings{"#Z", "<", "a", ">", "#z", "<", "b", ">"});
    EXPECT_EQ(twice.Find("z")->BodyText(), TStrings{"a"});
    EXPECT_TRUE(Tsrctemp("/nonexistent/korvalt.vhd").Sections().empty());
}

// tests/data/template/sections.txt: the sections read from a template's lines.
TEST(Tsrctemp, SectionsAsTheDataFileSays) {
    const auto rows = test::DataRows("template/sections.txt", '\t');
    EXPECT_GE(rows.size(), 12u);
    for (const auto& c : rows) {
        const Tsrctemp t(test::ListOf(c[1]));
        TStrings shown;
        for (const auto& s : t.Sections()) {
            std::string decls, description, body;
            for (const auto& d : s.decls)
                decls += (decls.empty() ? "" : ",") + d.text + "@" + std::to_string(d.line);
            for (const auto& l : s.description)
                description += (description.empty() ? "" : ",") + std::to_string(l.line);
            if (const auto b = s.Body(); !b.empty())
                body = std::to_string(b.front().line) + ".." + std::to_string(b.back().line);
            shown.push_back(s.name + "|" + decls + "|" + description + "|<" +
                            std::to_string(s.bodyOpen) + ">" + std::to_string(s.bodyClose) + "|" +
                            body);
        }
        EXPECT_EQ(shown, test::ListOf(c.at(2))) << c[0];
    }
}

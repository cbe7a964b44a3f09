#include <gtest/gtest.h>

#include <sstream>

#include "common/textfile.h"
#include "support/testsupport.h"
#include "template/expand.h"
#include "template/reader.h"

using namespace korvalt;

TEST(ExpandTemplate, CounterExampleByteForByte) {
    const Tsrctemp t(test::DataPath("template/zaehler.vhd"));
    TStrings body = t.Find("Aufwaertszaehler")->BodyText();
    const std::string path = OutputPath("/vhdl/", "zaehler8");
    EXPECT_EQ(path, "/vhdl/zaehler8.VHD");
    ExpandTemplate(path, body, {{"BREITE", "8"}, {"START", "3"}});
    EXPECT_TRUE(test::MatchesExpected(test::CrLf(body), "template/zaehler8.VHD", false));
}

// tests/data/template/markers.txt: lines with markers as they are written, and output paths.
TEST(ExpandTemplate, MarkersAndPathsAsTheDataFileSays) {
    const auto rows = test::DataRows("template/markers.txt", '\t');
    EXPECT_GE(rows.size(), 25u);
    for (const auto& c : rows) {
        if (c[0] == "outputpath") {
            EXPECT_EQ(OutputPath(c[1], c[2]), c.at(4)) << c[1] << " " << c[2];
            continue;
        }
        std::vector<TParam> params;
        std::istringstream words(c[2]);
        for (std::string w; words >> w;)
            params.push_back({w.substr(0, w.find('=')), w.substr(w.find('=') + 1)});
        TStrings body{c[1]};
        ExpandTemplate(c[3], body, params);
        EXPECT_EQ(body[0], c.at(4)) << c[1];
    }
}

TEST(ReplaceAll, EmptyMarkerReplacesNothing) {
    std::string s = "abc";
    ReplaceAll(s, "", "x");
    EXPECT_EQ(s, "abc");
    ReplaceAll(s, "B", "bb");
    EXPECT_EQ(s, "abbc");
}

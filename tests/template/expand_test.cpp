#include <gtest/gtest.h>

#include "common/textfile.h"
#include "support/testsupport.h"
#include "template/expand.h"
#include "template/u_srctemp.h"

using namespace korvalt;

namespace {
std::string Expand1(const std::string& line, const std::vector<TParam>& params,
                    const std::string& path = "/w/zaehler8.VHD") {
    TStrings body{line};
    ExpandTemplate(path, body, params);
    return body[0];
}
} // namespace

TEST(ExpandTemplate, CounterExampleByteForByte) {
    const Tsrctemp t(test::DataPath("template/zaehler.vhd"));
    TStrings body;
    t.GetBody(body, "Aufwaertszaehler");
    const std::string path = OutputPath("/vhdl/", "zaehler8");
    EXPECT_EQ(path, "/vhdl/zaehler8.VHD");
    ExpandTemplate(path, body, {{"BREITE", "8"}, {"START", "3"}});
    EXPECT_TRUE(test::MatchesExpected(test::CrLf(body), "template/zaehler8.VHD", false));
}

TEST(ExpandTemplate, Markers) {
    const std::vector<TParam> b8{{"BREITE", "8"}};
    const struct {
        const char* line;
        std::vector<TParam> params;
        const char* out;
    } cases[] = {
        {"|breite| |BREITE-|", b8, "8 7"},
        {"q <= |$1,BREITE-|;", b8, "q <= \"1111111\";"},
        {"|$0,BREITE| and |$0,BREITE|", b8, "\"00000000\" and \"00000000\""},
        {"|$0,BREITE| |$1,BREITE|", b8, "\"00000000\" |$1,BREITE|"},
        {"|BREITE-| |$0,BREITE|", {{"BREITE", "0"}}, "0 |$0,BREITE|"},
        {"|$0,BREITE-|", {{"BREITE", "1"}}, "\"\""},
        {"|BREITE| |BREITE-| |$1,BREITE|", {{"BREITE", "012"}}, "012 11 \"111111111111\""},
        {"|$1,BREITE|", {{"BREITE", "-3"}}, "|$1,BREITE|"},
        {"|$1,BREITE|", {{"BREITE", "abc"}}, "|$1,BREITE|"},
        {"|$1,OTHER| |X|", b8, "|$1,OTHER| |X|"},
        {"|$1BREITE|", b8, "|$1BREITE|"},
        {"|$,BREITE|", b8, "|$,BREITE|"},
        {"|$01,W|", {{"W", "2"}, {"W", "3"}}, "\"010101\""}, // the last match counts
        {"|NAME| |NAME-|", {{"NAME", "5"}}, "zaehler8 4"},
        {"|name|", {}, "zaehler8"},
        {"|X|", {{"X", "|X|"}}, "|X|"}, // inserted text is not searched again
    };
    for (const auto& c : cases)
        EXPECT_EQ(Expand1(c.line, c.params), c.out) << c.line;
}

TEST(ExpandTemplate, NameMarkerComesFromTheFileNamePart) {
    EXPECT_EQ(Expand1("|NAME|", {}, "/w/mein.paket.vhd"), "mein");
    EXPECT_EQ(Expand1("|NAME|", {}, "/w.x/zaehler"), "");
    EXPECT_EQ(Expand1("|NAME|", {}, "zaehler.vhd"), "zaehler");
}

TEST(ExpandTemplate, MarkerFarIntoALongLine) {
    std::string line(300, 'a');
    line += "|BREITE-|";
    EXPECT_EQ(Expand1(line, {{"BREITE", "8"}}), std::string(300, 'a') + "7");
}

TEST(OutputPath, AppendsVhdOnlyWhenTheFileNamePartHasNoDot) {
    EXPECT_EQ(OutputPath("/w/", "zaehler8.vhd"), "/w/zaehler8.vhd");
    EXPECT_EQ(OutputPath("/w/", "mein.paket.vhd"), "/w/mein.paket.vhd");
    EXPECT_EQ(OutputPath("/w.d/", "zaehler8"), "/w.d/zaehler8.VHD");
    EXPECT_EQ(OutputPath("/w/", "sub.d/x"), "/w/sub.d/x.VHD");
    EXPECT_EQ(OutputPath("", "x"), "x.VHD");
}

TEST(ReplaceAll, EmptyMarkerReplacesNothing) {
    std::string s = "abc";
    ReplaceAll(s, "", "x");
    EXPECT_EQ(s, "abc");
    ReplaceAll(s, "B", "bb");
    EXPECT_EQ(s, "abbc");
}

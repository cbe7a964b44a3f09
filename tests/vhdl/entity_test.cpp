#include "vhdl/emitters.h"
#include "vhdl/insert.h"
#include "vhdl/testbench.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>

#include "common/textfile.h"
#include "support/testsupport.h"

using namespace korvalt;
using namespace korvalt::test;

namespace {

TEntity ScanText(const std::string& text) {
    return ScanEntity(SplitLines(text));
}

std::string Process(const std::string& sensitivity, const std::string& body) {
    return "entity p is\nend p;\narchitecture a of p is\nbegin\n  q: process" + sensitivity +
           "\n  begin\n" + body + "\n  end process q;\nend a;\n";
}

} // namespace

TEST(Scan, AHugeSensitivityListDoesNotStallTheScan) {
    // Thousands of signals, each tested in a condition of its own: searched
    // pairwise this took minutes.
    std::string list = "(clk, rst", body;
    for (int i = 0; i < 50000; ++i) {
        list += ", s" + std::to_string(i);
        body += "if s" + std::to_string(i) + " = '1' then q <= '0'; elsif x then q <= d; end if;\n";
    }
    const TEntity s =
        ScanText(Process(list + ")", "if rst = '1' then q <= '0';\nelsif clk'event and clk = '1' "
                                     "then q <= d;\nend if;\n" +
                                         body));
    EXPECT_EQ(s.clock, (TSignalRef{"clk", "clk", true}));
    EXPECT_EQ(s.reset, (TSignalRef{"rst", " rst", true}));
}

TEST(Scan, TwoFilesInTurnGiveTheSecondFilesPortsAndGenericsOnly) {
    const TEntity first = ScanText("entity a is\n generic(N : natural := 1);\n port(x : in bit;\n"
                                   " y : out bit);\nend a;\n");
    const TEntity second = ScanText("entity b is\n port(z : in bit);\nend b;\n");
    ASSERT_EQ(first.ports.size(), 2u);
    EXPECT_EQ(ScanListing(second), (TStrings{"entity: b", "architecture: ", "clock: ", "reset: ",
                                             "port: z : in bit;", "input: z : in bit;"}));
}

TEST(Emitters, ReproduceTheCounterExample) {
    TStrings lines;
    ASSERT_TRUE(ReadLines(DataPath("vhdl/zaehler.vhd"), lines));
    const TEntity s = ScanEntity(lines);
    TStrings out;
    auto group = [&](const std::string& label, const TStrings& lines) {
        if (!out.empty()) out.push_back("");
        out.push_back(label);
        out.insert(out.end(), lines.begin(), lines.end());
    };
    group("ComponentDecl(3):", ComponentDecl(s, 3));
    group("ComponentDecl(0):", ComponentDecl(s, 0));
    TStrings signals = InputSignals(s, 3);
    const TStrings outputs = OutputSignals(s, 3);
    signals.insert(signals.end(), outputs.begin(), outputs.end());
    group("InputSignals(3), then OutputSignals(3):", signals);
    group("TestbenchMap(3):", TestbenchMap(s, 3));
    group("StimulusProcesses(3):", StimulusProcesses(s, 3));
    group("InstanceMap(3, with comments):", InstanceMap(s, 3, true));
    group("InstanceMap(3, without comments):", InstanceMap(s, 3, false));
    group("ConfigLine(0):", {ConfigLine(s, 0)});
    EXPECT_TRUE(MatchesExpected(CrLf(out), "vhdl/emitters_zaehler.txt", false));
}

// tests/data/vhdl/emitter_cases.txt: the fragments written for small entities.
TEST(Emitters, FragmentsOfSmallEntities) {
    const std::map<std::string, TStrings (*)(const TEntity&, int)> emitters = {
        {"PortClause", PortClause},
        {"InputSignals", InputSignals},
        {"InstanceMap", [](const TEntity& s, int i) { return InstanceMap(s, i, false); }},
        {"InstanceMapWithComments",
         [](const TEntity& s, int i) { return InstanceMap(s, i, true); }},
        {"TestbenchMap", TestbenchMap},
        {"ComponentDecl", ComponentDecl},
        {"StimulusProcesses", StimulusProcesses},
        // The runnable testbench's header: the clock and reset it assumed.
        {"Assumed", [](const TEntity& s, int) {
             const TStrings tb = VhdlTestbenchLines(s, {});
             return TStrings(tb.begin() + 1, tb.begin() + 3);
         }}};
    // Whole outputs written from the text: the runnable testbench's declarations
    // (behind its tb_periode line, up to its begin) and the insertion into an
    // empty architecture, with and without declared signals.
    const std::map<std::string, TStrings (*)(const TStrings&)> outputs = {
        {"TestbenchDeclarations",
         [](const TStrings& text) {
             const TStrings tb = VhdlTestbenchLines(ScanEntity(text), {});
             auto from = std::find_if(tb.begin(), tb.end(), [](const std::string& l) {
                 return l.find("tb_periode :") != std::string::npos;
             });
             return TStrings(from + 1, std::find(from, tb.end(), "begin"));
         }},
        {"Inserted",
         [](const TStrings& text) {
             return InsertedLines(text, {"architecture a of t is", "begin", "end a;"}, false);
         }},
        {"Notes", [](const TStrings& text) { return GenericNotes(ScanEntity(text)); }},
        {"InsertedWithSignals", [](const TStrings& text) {
             return InsertedLines(text, {"architecture a of t is", "begin", "end a;"}, false, true);
         }}};
    const TStrings lines = SplitLines(ReadBytes(DataPath("vhdl/emitter_cases.txt")));
    int cases = 0;
    for (std::size_t i = 1; i < lines.size(); ++cases) {
        const std::string what = lines[i++];
        std::istringstream call(what.substr(what.find(" | ") + 3));
        std::string emitter;
        int indent = 0;
        call >> emitter >> indent;
        TStrings text, expected;
        while (i < lines.size() && lines[i] != "---")
            text.push_back(lines[i++]);
        for (++i; i < lines.size() && lines[i].rfind("===", 0) != 0;)
            expected.push_back(lines[i++]);
        if (outputs.count(emitter))
            EXPECT_EQ(outputs.at(emitter)(text), expected) << what;
        else
            EXPECT_EQ(emitters.at(emitter)(ScanEntity(text), indent), expected) << what;
    }
    EXPECT_GE(cases, 15);
}

// tests/data/vhdl/scan_cases.txt: ports and their directions, entity and
// architecture names, clock and reset of whole texts.
TEST(Scan, CasesOfTheScanTable) {
    // Blocks of "=== what it shows", the VHDL text, "---" and the expected listing.
    const TStrings lines = SplitLines(ReadBytes(DataPath("vhdl/scan_cases.txt")));
    int cases = 0;
    for (std::size_t i = 0; i < lines.size();) {
        const std::string what = lines[i++];
        TStrings text, expected;
        while (i < lines.size() && lines[i] != "---")
            text.push_back(lines[i++]);
        for (++i; i < lines.size() && lines[i].rfind("===", 0) != 0;)
            expected.push_back(lines[i++]);
        EXPECT_EQ(ScanListing(ScanEntity(text)), expected) << what;
        ++cases;
    }
    EXPECT_GE(cases, 30);
}

#include "vhdl/u_signals.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "common/textfile.h"
#include "support/testsupport.h"

using namespace korvalt;
using namespace korvalt::test;

namespace {

TSignal ScanText(const std::string& text) {
    return TSignal::FromLines(SplitLines(text));
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
    const TSignal s =
        ScanText(Process(list + ")", "if rst = '1' then q <= '0';\nelsif clk'event and clk = '1' "
                                     "then q <= d;\nend if;\n" +
                                         body));
    EXPECT_EQ(s.ClockSignal(), "+clk");
    EXPECT_EQ(s.ResetSignal(), "+ rst");
}

TEST(Emitters, ReproduceTheCounterExample) {
    TSignal s(DataPath("vhdl/zaehler.vhd"));
    TStrings out;
    auto group = [&](const std::string& label, const TStrings& lines) {
        if (!out.empty()) out.push_back("");
        out.push_back(label);
        out.insert(out.end(), lines.begin(), lines.end());
    };
    group("ComponentDecl(3):", s.ComponentDecl(3));
    group("ComponentDecl(0):", s.ComponentDecl(0));
    TStrings signals = s.InputSignals(3);
    const TStrings& outputs = s.OutputSignals(3);
    signals.insert(signals.end(), outputs.begin(), outputs.end());
    group("InputSignals(3), then OutputSignals(3):", signals);
    group("TestbenchMap(3):", s.TestbenchMap(3));
    group("StimulusProcesses(3):", s.StimulusProcesses(3));
    group("InstanceMap(3, with comments):", s.InstanceMap(3, true));
    group("InstanceMap(3, without comments):", s.InstanceMap(3, false));
    group("ConfigLine(0):", {s.ConfigLine(0)});
    EXPECT_TRUE(MatchesExpected(CrLf(out), "vhdl/emitters_zaehler.txt", false));
}

// tests/data/vhdl/emitter_cases.txt: the fragments written for small entities.
TEST(Emitters, FragmentsOfSmallEntities) {
    const std::map<std::string, TStrings (*)(TSignal&, int)> emitters = {
        {"PortClause", [](TSignal& s, int i) { return s.PortClause(i); }},
        {"InputSignals", [](TSignal& s, int i) { return s.InputSignals(i); }},
        {"InstanceMap", [](TSignal& s, int i) { return s.InstanceMap(i, false); }},
        {"InstanceMapWithComments", [](TSignal& s, int i) { return s.InstanceMap(i, true); }},
        {"TestbenchMap", [](TSignal& s, int i) { return s.TestbenchMap(i); }},
        {"ComponentDecl", [](TSignal& s, int i) { return s.ComponentDecl(i); }},
        {"StimulusProcesses", [](TSignal& s, int i) { return s.StimulusProcesses(i); }}};
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
        TSignal s = TSignal::FromLines(text);
        EXPECT_EQ(emitters.at(emitter)(s, indent), expected) << what;
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
        EXPECT_EQ(ScanListing(TSignal::FromLines(text)), expected) << what;
        ++cases;
    }
    EXPECT_GE(cases, 30);
}

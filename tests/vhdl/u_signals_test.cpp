#include "vhdl/u_signals.h"

#include <gtest/gtest.h>

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

TEST(Emitters, FragmentsOfSmallEntities) {
    const std::string shared = "entity e is\n port(a, b : in bit;\n q : out bit);\nend e;\n";
    const std::string mixed = "entity m is\n port(q : out bit;\n a : in bit;\n z : linkage bit;\n"
                              " r : out bit;\n b : in bit);\nend m;\n";
    const std::string ownLines =
        "entity e is\n  port(\n    a : in bit;\n    q : out bit\n  );\nend e;\n";
    const std::string noPorts = "entity foo is end foo;";
    const std::string clockAlone = Process("(c)", "if c'event and c = '0' then q <= d; end if;");
    // The length check comes before each association: a head longer than 50 characters stands
    // alone, and so does every association behind it.
    const std::string longName =
        "entity a_rather_long_entity_name_here is\n port(p1 : in bit;\n"
        " p2 : in bit;\n p3 : out bit);\nend a_rather_long_entity_name_here;\n";
    const std::string head = "   map_tb : a_rather_long_entity_name_here port map(",
                      C(head.size(), ' ');
    const std::string activeLow = Process(
        "(r,c)", "if r = '0' then q <= '0'; elsif c'event and c = '1' then q <= d; end if;");
    const struct {
        const std::string& text;
        TStrings (*emit)(TSignal&);
        TStrings expected;
    } cases[] = {
        // clang-format off
        // A shared declaration keeps the blank after its comma.
        {shared, [](TSignal& s) { return s.PortClause(0); }, {"   PORT(", "         a : in bit;", "          b : in bit;", "         q : out bit", "        );"}},
        {shared, [](TSignal& s) { return s.InputSignals(0); }, {"Signal a : in bit;", "Signal  b : in bit;"}},
        {shared, [](TSignal& s) { return s.InstanceMap(0, false); }, {"map_XXX : e port map(a, b,q);"}},
        {shared, [](TSignal& s) { return s.TestbenchMap(0); }, {"map_tb : e port map(a=>a, b=> b,q=>q);"}},
        // Mixed directions: the positional instance follows the declaration, inputs first.
        {mixed, [](TSignal& s) { return s.ComponentDecl(0); }, {"component m", "   PORT(", "         a : in bit;", "         b : in bit;", "         q : out bit;", "         r : out bit", "        );", "end component;"}},
        {mixed, [](TSignal& s) { return s.InstanceMap(0, false); }, {"map_XXX : m port map(a,b,q,r);"}},
        {mixed, [](TSignal& s) { return s.InstanceMap(0, true); }, {"map_XXX : m port map(", "                     a, --  in bit", "                     b, --  in bit",
                                                                    "                     q, --  out bit", "                     r --  out bit", "                     );"}},
        // The last port keeps its name and type; entries without ":" are left out of the maps.
        {ownLines, [](TSignal& s) { return s.PortClause(0); }, {"   PORT(", "         a : in bit;", "         q : out bit", "        );"}},
        {ownLines, [](TSignal& s) { return s.InstanceMap(0, true); }, {"map_XXX : e port map(", "                     a, --  in bit", "                     q --  out bit", "                     );"}},
        {ownLines, [](TSignal& s) { return s.TestbenchMap(0); }, {"map_tb : e port map(a=>a,q=>q);"}},
        {noPorts, [](TSignal& s) { return s.ComponentDecl(2); }, {"  component foo", "  end component;"}},
        {noPorts, [](TSignal& s) { return s.InstanceMap(3, true); }, {}},
        {clockAlone, [](TSignal& s) { return s.StimulusProcesses(0); }, {"pclk: PROCESS", "      BEGIN", "        c <= '1'; wait for tb_time;", "        c <= '0'; wait for tb_time;", "      END PROCESS pclk;"}},
        {activeLow, [](TSignal& s) { return s.StimulusProcesses(1); }, {" prst: PROCESS", "       BEGIN", "         r <= '0'; wait for 50 ns;", "         r <= '1'; wait;", "       END PROCESS prst;", "",
                                                                        " pclk: PROCESS", "       BEGIN", "         c <= '0'; wait for tb_time;", "         c <= '1'; wait for tb_time;", "       END PROCESS pclk;"}},
        {longName, [](TSignal& s) { return s.TestbenchMap(3); }, {head, C + "p1=>p1,", C + "p2=>p2,", C + "p3=>p3);"}},
        // clang-format on
    };
    for (const auto& c : cases) {
        TSignal s = ScanText(c.text);
        EXPECT_EQ(c.emit(s), c.expected) << c.text;
    }
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

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

TEST(Scan, PortLinesAndWhatTheyRecord) {
    // Each line stands between an input first and an output last; dirs holds one letter per
    // recorded port: i(nput), o(utput) or - (neither).
    const struct {
        std::string line;
        TStrings ports;
        std::string dirs;
    } cases[] = {
        // clang-format off
        {"a, b : in std_logic;", {"a : in std_logic;", " b : in std_logic;"}, "ii"},
        {"q : buffer std_logic;", {"q : out std_logic;"}, "o"},
        {"z : inout std_logic;", {"z : inout std_logic;"}, "o"},
        {"c : in std_logic; -- Eingang", {"c : in std_logic;"}, "i"},
        {"l : linkage std_logic;", {"l : linkage std_logic;"}, "-"},
        {"s : in std_logic bus;", {"s : in std_logic;"}, "i"},
        {"dout : in std_logic;", {"dout : in std_logic;"}, "i"}, // a name ending in in/out says nothing
        {"main : out std_logic;", {"main : out std_logic;"}, "o"},
        {"m : std_logic;", {"m : std_logic;"}, "i"}, // no mode word: an input, as in VHDL
        {"k :\tIN buffer_t;", {"k :\tIN buffer_t;"}, "i"},
        // Keywords inside names and comments neither cut nor end the port list.
        {"data_bus : in std_logic;", {"data_bus : in std_logic;"}, "i"},
        {"send, busy : out std_logic;", {"send : out std_logic;", " busy : out std_logic;"}, "oo"},
        {"portA : in std_logic; -- end of port, is process begin", {"portA : in std_logic;"}, "i"},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        TStrings ports{"first : in std_logic;"}, inputs{ports[0]}, outputs;
        for (std::size_t i = 0; i < c.ports.size(); ++i) {
            ports.push_back(c.ports[i]);
            if (c.dirs[i] != '-') (c.dirs[i] == 'i' ? inputs : outputs).push_back(c.ports[i]);
        }
        ports.push_back("last : out std_logic;");
        outputs.push_back(ports.back());
        const TSignal s = ScanText("entity t is\n  port(first : in std_logic;\n       " + c.line +
                                   "\n       last : out std_logic);\nend t;\n");
        EXPECT_EQ(s.Ports(), ports);
        EXPECT_EQ(s.Inputs(), inputs);
        EXPECT_EQ(s.Outputs(), outputs);
    }
}

TEST(Scan, WholeTexts) {
    const struct {
        std::string text;
        const char *entity, *arch, *clock, *reset;
        TStrings ports;
    } cases[] = {
        // clang-format off
        {"entity register is\n port(d : in bit);\nend register;\n", "register", "", "", "", {"d : in bit;"}},
        // A comment ending the port list's lines must not hide a ")" or add one.
        {"entity e is\n  port(a : in bit; -- (x\n  y : out bit); -- (fertig)\nend e; -- end)\n", "e", "", "", "", {"a : in bit;", "y : out bit;"}},
        // Port list opened and closed on lines of their own.
        {"entity e is\n  port(\n    a : in bit;\n    q : out bit\n  );\nend e;\n", "e", "", "", "", {"", "a : in bit;", "q : out bit", ";"}},
        {"((((|||;;;)))\n\x01\xff", "", "", "", "", {}},
        {"architecture rtl of top is\nbegin\nend architecture rtl;\n", "", "rtl", "", "", {}},
        {"architecture rtl of top is -- architecture x of y\n", "", "rtl", "", "", {}},
        {"architecture rtl\nof top is\n", "", "", "", "", {}},
        {"signal architecture_sel : bit;\narchitecture  a1 of t is\n", "", "a1", "", "", {}},
        {Process("(clk, rst)", "if rst = '1' then q <= '0';\nelsif clk'event and clk = '1' then q <= d;\nend if;"), "p", "a", "+clk", "+ rst", {}},
        // A synchronous reset in an if statement of its own is dropped.
        {Process("(clk)", "if clk'event and clk = '1' then\n if rst = '0' then q <= '0'; end if;\nend if;"), "p", "a", "+clk", "", {}},
        // A clock written as a function call is not recognised, and no reset survives.
        {Process("(clk,rst)", "if rst = '1' then q <= '0';\nelsif rising_edge(clk) then q <= d;\nend if;"), "p", "a", "", "", {}},
        // Comments in the process text are not read; falling clock and active-low reset.
        {Process("(clk,rst)", "-- if rst then elsif clk'event then\nif rst = '0' then q <= '0';\n"
                              "elsif clk'event and clk = '0' then q <= d; -- clk'event\nend if;"), "p", "a", "-clk", "-rst", {}},
        {Process("", "wait;"), "p", "a", "", "", {}},
        {"entity x is end x;\nprocess", "x", "", "", "", {}},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const TSignal s = ScanText(c.text);
        EXPECT_EQ(s.EntityName(), c.entity);
        EXPECT_EQ(s.ArchName(), c.arch);
        EXPECT_EQ(s.ClockSignal(), c.clock);
        EXPECT_EQ(s.ResetSignal(), c.reset);
        EXPECT_EQ(s.Ports(), c.ports);
    }
}

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

TEST(Scan, CasesOfTheScanTable) {
    // Blocks of "=== what it shows", the VHDL text, "---" and the expected listing.
    const TStrings lines = SplitLines(ReadBytes(DataPath("vhdl/scan_cases.txt")));
    for (std::size_t i = 0; i < lines.size();) {
        const std::string what = lines[i++];
        TStrings text, expected;
        while (i < lines.size() && lines[i] != "---")
            text.push_back(lines[i++]);
        for (++i; i < lines.size() && lines[i].rfind("===", 0) != 0;)
            expected.push_back(lines[i++]);
        EXPECT_EQ(ScanListing(TSignal::FromLines(text)), expected) << what;
    }
}

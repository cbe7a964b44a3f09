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

// An entity t whose port list holds the given lines between a first and a last port.
TSignal ScanPortLines(const std::vector<std::string>& lines) {
    std::string text = "entity t is\n  port(first : in std_logic;\n";
    for (const auto& l : lines)
        text += "       " + l + "\n";
    text += "       last : out std_logic);\nend t;\n";
    return ScanText(text);
}

TStrings Inner(const TStrings& ports) {
    if (ports.size() < 2) return {"(fewer than two ports)"};
    TStrings inner(ports.begin() + 1, ports.end() - 1);
    return inner;
}

std::string Process(const std::string& sensitivity, const std::string& body) {
    return "entity p is\nend p;\narchitecture a of p is\nbegin\n  q: process" + sensitivity +
           "\n  begin\n" + body + "\n  end process q;\nend a;\n";
}

const TStrings ZaehlerPorts{"clk : in std_logic;", "rst : in std_logic;",
                            "x : in std_logic_vector(1 downto 0);",
                            "y : out std_logic_vector(2 downto 0);"};

} // namespace

TEST(Scan, RecordsTheCounterDesign) {
    TSignal s(DataPath("vhdl/zaehler.vhd"));
    EXPECT_EQ(s.EntityName(), "zaehler");
    EXPECT_EQ(s.ArchName(), "Behavioral");
    EXPECT_EQ(s.ClockSignal(), "+clk");
    EXPECT_EQ(s.ResetSignal(), "+rst");
    EXPECT_EQ(s.Ports(), ZaehlerPorts);
    EXPECT_EQ(s.Inputs(), TStrings(ZaehlerPorts.begin(), ZaehlerPorts.begin() + 3));
    EXPECT_EQ(s.Outputs(), TStrings{ZaehlerPorts[3]});
}

TEST(Scan, ActiveLowResetAndFallingClockGetMinus) {
    std::string text = ReadBytes(DataPath("vhdl/zaehler.vhd"));
    for (auto p = text.find("'1'"); p != std::string::npos; p = text.find("'1'"))
        text[p + 1] = '0';
    const TSignal s = ScanText(text);
    EXPECT_EQ(s.ResetSignal(), "-rst");
    EXPECT_EQ(s.ClockSignal(), "-clk");
}

TEST(Scan, PortLinesAndWhatTheyRecord) {
    const struct {
        std::string line;
        TStrings ports, inputs, outputs; // besides first and last
    } cases[] = {
        {"a, b : in std_logic;",
         {"a : in std_logic;", " b : in std_logic;"},
         {"a : in std_logic;", " b : in std_logic;"},
         {}},
        {"q : buffer std_logic;", {"q : out std_logic;"}, {}, {"q : out std_logic;"}},
        {"z : inout std_logic;", {"z : inout std_logic;"}, {}, {"z : inout std_logic;"}},
        {"c : in std_logic; -- Eingang", {"c : in std_logic;"}, {"c : in std_logic;"}, {}},
        {"l : linkage std_logic;", {"l : linkage std_logic;"}, {}, {}},
        {"s : in std_logic bus;", {"s : in std_logic;"}, {"s : in std_logic;"}, {}},
        // A name that merely ends in "in" or "out" says nothing about the direction.
        {"dout : in std_logic;", {"dout : in std_logic;"}, {"dout : in std_logic;"}, {}},
        {"main : out std_logic;", {"main : out std_logic;"}, {}, {"main : out std_logic;"}},
        // Without a mode word the port is an input, as in VHDL.
        {"m : std_logic;", {"m : std_logic;"}, {"m : std_logic;"}, {}},
        {"k :\tIN buffer_t;", {"k :\tIN buffer_t;"}, {"k :\tIN buffer_t;"}, {}},
        // Keywords inside names and comments neither cut nor end the port list.
        {"data_bus : in std_logic;",
         {"data_bus : in std_logic;"},
         {"data_bus : in std_logic;"},
         {}},
        {"send, busy : out std_logic;",
         {"send : out std_logic;", " busy : out std_logic;"},
         {},
         {"send : out std_logic;", " busy : out std_logic;"}},
        {"portA : in std_logic; -- end of port, is process begin",
         {"portA : in std_logic;"},
         {"portA : in std_logic;"},
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const TSignal s = ScanPortLines({c.line});
        EXPECT_EQ(s.EntityName(), "t");
        EXPECT_EQ(Inner(s.Ports()), c.ports);
        EXPECT_EQ(TStrings(s.Inputs().begin() + 1, s.Inputs().end()), c.inputs);
        EXPECT_EQ(TStrings(s.Outputs().begin(), s.Outputs().end() - 1), c.outputs);
    }
}

TEST(Scan, LayoutsOutsideTheGeneratedOne) {
    // Port list opened on the next line: an empty first entry, no direction.
    TSignal s =
        ScanText("entity e is\n  port(\n    a : in std_logic;\n    q : out std_logic);\nend e;\n");
    EXPECT_EQ(s.Ports(), (TStrings{"", "a : in std_logic;", "q : out std_logic;"}));
    EXPECT_EQ(s.Inputs(), TStrings{"a : in std_logic;"});

    // Closing parenthesis on a line of its own: the last port without ";", then ";".
    s = ScanText("entity e is\n  port(a : in std_logic;\n       q : out std_logic\n  );\nend e;\n");
    EXPECT_EQ(s.Ports(), (TStrings{"a : in std_logic;", "q : out std_logic", ";"}));
    EXPECT_EQ(s.Outputs(), TStrings{"q : out std_logic"});

    // Whole words: register is not cut at its "IS".
    s = ScanText("entity register is\n port(d : in bit);\nend register;\n");
    EXPECT_EQ(s.EntityName(), "register");
    EXPECT_EQ(s.Ports(), TStrings{"d : in bit;"});

    // A comment ending the port list's lines must not hide a ")" or add one.
    s = ScanText(
        "entity e is\n  port(a : in bit; -- (x\n  y : out bit); -- (fertig)\nend e; -- end)\n");
    EXPECT_EQ(s.Ports(), (TStrings{"a : in bit;", "y : out bit;"}));

    // The whole entity on one line, and a file that is not VHDL at all.
    for (const char* text : {"entity foo is end foo;", "((((|||;;;)))\n\x01\xff", "", "entity"}) {
        s = ScanText(text);
        EXPECT_TRUE(s.Ports().empty()) << text;
    }
}

TEST(Scan, ArchitectureName) {
    const struct {
        const char* text;
        const char* arch;
    } cases[] = {
        {"architecture rtl of top is\nbegin\nend architecture rtl;\n", "rtl"},
        {"architecture rtl of top is\nbegin\nend rtl;\n", "rtl"},
        {"architecture rtl of top is -- architecture x of y\n", "rtl"},
        {"architecture rtl\nof top is\n", ""},
        {"signal architecture_sel : bit;\narchitecture  a1 of t is\n", "a1"},
        {"architecture", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ScanText(c.text).ArchName(), c.arch) << c.text;
}

TEST(Scan, ClockAndResetFromTheProcessText) {
    const struct {
        std::string text;
        const char* clock;
        const char* reset;
    } cases[] = {
        {Process(
             "(clk, rst)",
             "if rst = '1' then q <= '0';\nelsif clk'event and clk = '1' then q <= d;\nend if;"),
         "+clk", "+ rst"},
        // A synchronous reset in an if statement of its own is dropped.
        {Process("(clk)",
                 "if clk'event and clk = '1' then\n if rst = '0' then q <= '0'; end if;\nend if;"),
         "+clk", ""},
        // A clock written as a function call is not recognised, and no reset survives.
        {Process("(clk,rst)",
                 "if rst = '1' then q <= '0';\nelsif rising_edge(clk) then q <= d;\nend if;"),
         "", ""},
        // Comments in the process text are not read.
        {Process("(clk,rst)", "-- if rst then elsif clk'event then\nif rst = '0' then q <= '0';\n"
                              "elsif clk'event and clk = '1' then q <= d; -- clk'event\nend if;"),
         "+clk", "-rst"},
        {Process("", "wait;"), "", ""},
        {"entity x is end x;\nprocess", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const TSignal s = ScanText(c.text);
        EXPECT_EQ(s.ClockSignal(), c.clock);
        EXPECT_EQ(s.ResetSignal(), c.reset);
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

TEST(Scan, MissingOrEmptyFileGivesEmptyObject) {
    TTempDir dir;
    WriteBytes(dir.File("leer.vhd"), "");
    for (const auto& path : {dir.File("fehlt.vhd"), dir.File("leer.vhd"), std::string()}) {
        TSignal s(path);
        EXPECT_EQ(s.EntityName() + s.ArchName() + s.ClockSignal() + s.ResetSignal(), "");
        EXPECT_TRUE(s.Ports().empty() && s.Inputs().empty() && s.Outputs().empty());
    }
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

TEST(Emitters, NothingRecorded) {
    TSignal s("");
    EXPECT_EQ(s.ComponentDecl(2), (TStrings{"  component ", "  end component;"}));
    EXPECT_TRUE(s.PortClause(0).empty());
    EXPECT_TRUE(s.InputSignals(0).empty());
    EXPECT_TRUE(s.OutputSignals(0).empty());
    EXPECT_TRUE(s.StimulusProcesses(0).empty());
    EXPECT_TRUE(s.InstanceMap(3, true).empty());
    EXPECT_TRUE(s.TestbenchMap(3).empty());
    EXPECT_EQ(s.ConfigLine(0), "");
}

TEST(Emitters, OnlyClockOrOnlyResetAndActiveLow) {
    TSignal s = ScanText(Process("(c)", "if c'event and c = '0' then q <= d; end if;"));
    EXPECT_EQ(s.StimulusProcesses(0),
              (TStrings{"pclk: PROCESS", "      BEGIN", "        c <= '1'; wait for tb_time;",
                        "        c <= '0'; wait for tb_time;", "      END PROCESS pclk;"}));
    // A reset alone cannot come from a scan; a hand-recorded object shows its lines.
    s = ScanText(Process(
        "(r,c)", "if r = '0' then q <= '0'; elsif c'event and c = '1' then q <= d; end if;"));
    const TStrings both = s.StimulusProcesses(1);
    ASSERT_EQ(both.size(), 11u);
    EXPECT_EQ(both[2], "         r <= '1'; wait for 50 ns;");
    EXPECT_EQ(both[3], "         r <= '0'; wait;");
    EXPECT_EQ(both[4], "       END PROCESS prst;");
    EXPECT_EQ(both[5], "");
}

TEST(Emitters, SharedDeclarationKeepsTheBlankAfterTheComma) {
    TSignal s = ScanText("entity e is\n port(a, b : in bit;\n q : out bit);\nend e;\n");
    EXPECT_EQ(s.PortClause(0)[2], "          b : in bit;");
    EXPECT_EQ(s.InputSignals(0)[1], "Signal  b : in bit;");
    EXPECT_EQ(s.InstanceMap(0, false), TStrings{"map_XXX : e port map(a, b,q);"});
    EXPECT_EQ(s.TestbenchMap(0), TStrings{"map_tb : e port map(a=>a, b=> b,q=>q);"});
}

TEST(Emitters, InstanceFollowsTheDeclarationWhenDirectionsAreMixed) {
    TSignal s = ScanText("entity m is\n port(q : out bit;\n a : in bit;\n z : linkage bit;\n"
                         " r : out bit;\n b : in bit);\nend m;\n");
    EXPECT_EQ(s.ComponentDecl(0),
              (TStrings{"component m", "   PORT(", "         a : in bit;", "         b : in bit;",
                        "         q : out bit;", "         r : out bit", "        );",
                        "end component;"}));
    EXPECT_EQ(s.InstanceMap(0, false), TStrings{"map_XXX : m port map(a,b,q,r);"});
    EXPECT_EQ(s.InstanceMap(0, true)[4], "                     r --  out bit");
}

TEST(Emitters, PortListOpenedAndClosedOnLinesOfTheirOwn) {
    TSignal s = ScanText("entity e is\n  port(\n    a : in bit;\n    q : out bit\n  );\nend e;\n");
    // The last port keeps its name and type; entries without ":" are left out of the maps.
    EXPECT_EQ(s.PortClause(0),
              (TStrings{"   PORT(", "         a : in bit;", "         q : out bit", "        );"}));
    EXPECT_EQ(s.InstanceMap(0, true),
              (TStrings{"map_XXX : e port map(", "                     a, --  in bit",
                        "                     q --  out bit", "                     );"}));
    EXPECT_EQ(s.TestbenchMap(0), TStrings{"map_tb : e port map(a=>a,q=>q);"});
}

// The length check comes before each association: a head longer than 50
// characters stands alone, and so does every association behind it.
TEST(Emitters, TestbenchMapWrapsAfterFiftyCharacters) {
    TSignal s = ScanText("entity a_rather_long_entity_name_here is\n port(p1 : in bit;\n"
                         " p2 : in bit;\n p3 : out bit);\nend a_rather_long_entity_name_here;\n");
    const std::string head = "   map_tb : a_rather_long_entity_name_here port map(";
    const std::string C(head.size(), ' ');
    EXPECT_EQ(s.TestbenchMap(3), (TStrings{head, C + "p1=>p1,", C + "p2=>p2,", C + "p3=>p3);"}));
}

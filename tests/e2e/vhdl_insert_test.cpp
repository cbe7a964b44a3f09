// Component insertion checked by GHDL: a design inserted into a target whose
// architecture declares signals named like the design's ports must leave a
// target that analyses, with and without comments in the instance.
#include <gtest/gtest.h>

#include <string>

#include "ghdl.h"
#include "support/testsupport.h"

using namespace korvalt::test;

namespace {

const std::string Ieee = "library ieee;\nuse ieee.std_logic_1164.all;\n";

const struct {
    const char* name;
    std::string text;    // empty: the counter design of the worked example
    std::string signals; // the target's signals, named like the ports
} Designs[] = {
    {"zaehler", "",
     "signal clk, rst : std_logic; signal x : std_logic_vector(1 downto 0); "
     "signal y : std_logic_vector(2 downto 0);"},
    // Keywords inside port names and comments, and a VHDL-93 closing line.
    {"sender", Ieee + R"(entity sender is
    Port(send : in std_logic; -- begin to send
         busy : out std_logic;
         data_bus : in std_logic_vector(7 downto 0);
         main : out std_logic_vector(7 downto 0);
         portA, endx : in std_logic); -- end of the ports
end sender;
architecture rtl of sender is -- the architecture
begin
    busy <= send and endx;
    main <= data_bus when portA = '1' else (others => '0');
end architecture rtl;
)",
     "signal send, busy, portA, endx : std_logic; signal data_bus, main : std_logic_vector(7 "
     "downto 0);"},
    // Outputs before inputs: the positional instance must follow the declaration.
    {"mixer", Ieee + R"(entity mixer is
    Port(q : out std_logic;
         a : in std_logic;
         dout : buffer std_logic_vector(3 downto 0);
         din : in std_logic_vector(3 downto 0);
         clk, rst : in std_logic);
end mixer;
architecture behavioral of mixer is
begin
    p: process(clk, rst) -- one process: begin, end
    begin
        if rst = '1' then dout <= (others => '0'); q <= '0';
        elsif clk'event and clk = '1' then dout <= din; q <= a;
        end if;
    end process p;
end behavioral;
)",
     "signal q, a, clk, rst : std_logic; signal dout, din : std_logic_vector(3 downto 0);"},
};

} // namespace

TEST(VhdlInsertGhdl, InsertedComponentsAnalyseWithAndWithoutComments) {
    for (const auto& d : Designs) {
        for (const bool comments : {true, false}) {
            SCOPED_TRACE(std::string(d.name) + (comments ? " with comments" : " without comments"));
            TTempDir dir;
            const std::string design = dir.File(std::string(d.name) + ".vhd");
            WriteBytes(design, d.text.empty() ? ReadBytes(DataPath("vhdl/zaehler.vhd")) : d.text);
            WriteBytes(
                dir.File("top.vhd"),
                CrLf({"library ieee;", "use ieee.std_logic_1164.all;", "entity top is", "end top;",
                      "architecture rtl of top is", "  " + d.signals, "begin", "end rtl;"}));
            const auto analysed = GhdlAnalyse(design, dir.Path());
            ASSERT_TRUE(analysed.Ok()) << analysed.output;

            std::vector<std::string> args{KORVALT_CLI, "insert", design, dir.File("top.vhd")};
            if (!comments) args.push_back("--no-comments");
            const auto r = korvalt::test::Run(args);
            ASSERT_EQ(r.exitCode, 0) << r.err;
            const auto top = GhdlAnalyse(dir.File("top.vhd"), dir.Path());
            EXPECT_TRUE(top.Ok()) << top.output << ReadBytes(dir.File("top.vhd"));
        }
    }
}

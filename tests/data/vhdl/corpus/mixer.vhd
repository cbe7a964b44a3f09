-- pruefe: clk rst
-- ziel: signal q, a, clk, rst : std_logic; signal dout, din : std_logic_vector(3 downto 0);
library ieee;
use ieee.std_logic_1164.all;
-- Outputs before inputs: the positional instance must follow the declaration.
entity mixer is
    Port(q : out std_logic;
         a : in std_logic;
@C@         dout : buffer std_logic_vector(3 downto 0);
         din : in std_logic_vector(3 downto 0);
         clk, rst : in std_logic);
@END mixer@
architecture behavioral of mixer is
begin
    p: process(clk, rst) -- one process: begin, end
    begin
        if rst = @RST@ then dout <= (others => '0'); q <= '0';
        elsif @EDGE clk@ then dout <= din; q <= a;
        end if;
    end process p;
end behavioral;

-- pruefe: clk rst
-- ziel: signal clk, rst, a, b : std_logic; signal q : std_logic_vector(3 downto 0);
library ieee;
use ieee.std_logic_1164.all;
-- The closing bracket on a line of its own, an output before the inputs and
-- a name list last, without ";".
entity splitter is
  port (
    q   : out std_logic_vector(3 downto 0); -- result
    clk : in std_logic;
@C@    rst : in std_logic;
    a, b : in std_logic -- operands
  );
@END splitter@

architecture rtl of splitter is
begin
  reg : process (clk, rst)
  begin
    if rst = @RST@ then
      q <= (others => '0');
    elsif @EDGE clk@ then
      q <= a & b & b & a;
    end if;
  end process reg;
end architecture rtl;

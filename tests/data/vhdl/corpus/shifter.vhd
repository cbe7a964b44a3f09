-- pruefe: clk rst
-- ziel: signal clk, rst, din : std_logic; signal dout : std_logic_vector(3 downto 0);
library IEEE;
use IEEE.STD_LOGIC_1164.ALL;

entity shifter is
    Port(clk,rst : in std_logic;
@C@         din : in std_logic;
         dout : out std_logic_vector(3 downto 0));
@END shifter@

architecture Behavioral of shifter is
  signal r : std_logic_vector(3 downto 0);
begin
  pSync:  PROCESS(clk,rst)
          BEGIN
            if rst = @RST@ then r <= "0000";
               elsif @EDGE clk@ then
                     r <= r(2 downto 0) & din;
            end if;
          END PROCESS pSync;
  dout <= r;
end Behavioral;

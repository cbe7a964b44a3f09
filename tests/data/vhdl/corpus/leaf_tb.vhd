-- pruefe:
-- ziel:
library ieee;
use ieee.std_logic_1164.all;

entity leaf_bench is
@END leaf_bench@

architecture sim of leaf_bench is
  signal a, y : std_logic := '0';
begin
@C@  u_leaf : entity work.leaf port map (
    a => a,
    y => y
  );
  process
  begin
    a <= '1';
    wait for 10 ns;
    wait;
  end process;
end architecture sim;

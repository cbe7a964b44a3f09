library ieee;
use ieee.std_logic_1164.all;

entity top is
  port (a : in std_logic;
        b : out std_logic);
end top;

architecture rtl of top is
  signal s : std_logic;
begin
  b <= a;
end rtl;

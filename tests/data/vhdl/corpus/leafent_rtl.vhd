-- The architecture of leafent, in a file of its own.
library ieee;
use ieee.std_logic_1164.all;

architecture rtl of leafent is
begin
  q <= d when arstn = '1' else '0';
end architecture rtl;

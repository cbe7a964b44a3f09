-- pruefe: - arstn:0
-- ziel: signal clk, arstn, d, q : std_logic;
-- dazu: leafent_rtl.vhd
library ieee;
use ieee.std_logic_1164.all;

-- An entity file without an architecture: it comes in a file of its own.
entity leafent is
  port (clk   : in  std_logic;
        arstn : in  std_logic;
        d     : in  std_logic;
        q     : out std_logic);
end entity leafent;

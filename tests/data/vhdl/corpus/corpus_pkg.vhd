-- Types the corpus designs take from a package, and a leaf entity that the
-- testbench-like design instantiates.
library ieee;
use ieee.std_logic_1164.all;

package corpus_pkg is
  type req_t is record
    valid : std_logic;
    addr  : std_logic_vector(7 downto 0);
  end record;
  type rsp_t is record
    ready : std_logic;
    data  : std_logic_vector(7 downto 0);
  end record;
  type word_array_t is array (natural range <>) of std_logic_vector(7 downto 0);
  constant DEFAULT_LANES : natural := 2;
  type stream_cfg_t is record
    depth : natural;
    mode  : std_logic;
  end record;
end package corpus_pkg;

library ieee;
use ieee.std_logic_1164.all;

entity leaf is
  port (a : in std_logic; y : out std_logic);
end entity leaf;

architecture rtl of leaf is
begin
  y <= not a;
end architecture rtl;

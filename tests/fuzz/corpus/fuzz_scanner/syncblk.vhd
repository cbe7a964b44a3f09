-- pruefe: clk rst
-- ziel: signal clk, rst, en, par : std_logic; signal din : std_logic_vector(7 downto 0); signal dout : std_logic_vector(7 downto 0);
library ieee;
use ieee.std_logic_1164.all;
use work.corpus_pkg.all;

-- Block library style: a synchronous reset inside the edge, string generics,
-- a record generic without default, an unconstrained input, a generic named
-- like its entity and a function in the entity's own declarative part.
entity syncblk is
  generic (
    G_NAME  : string    := "the end";
    G_SEP   : string    := "--";
    G_LABEL : string    := "Wert  A"; -- zwei Leerzeichen
    G_CHAR  : character := ';';
    G_CFG   : stream_cfg_t;
    syncblk : natural   := 2
  );
  port (
    clk  : in  std_logic;
    rst  : in  std_logic;
    en   : in  std_logic;
    din  : in  std_logic_vector;
    dout : out std_logic_vector(7 downto 0);
    par  : out std_logic
  );
  function parity(v : std_logic_vector) return std_logic is
    variable p : std_logic := '0';
  begin
    for i in v'range loop
      p := p xor v(i);
    end loop;
    return p;
  end function parity;
end entity syncblk;

architecture rtl of syncblk is
begin
  assert G_NAME = "the end" and G_SEP = "--" and G_LABEL = "Wert  A" and G_CHAR = ';'
    report "Vorgabe verloren" severity failure;
  process (clk)
  begin
    if rising_edge(clk) then
      if rst = '0' then
        dout <= (others => '0');
        par  <= '0';
      elsif en = '1' then
        dout <= din(din'left downto din'left - 7);
        par  <= parity(din);
      end if;
    end if;
  end process;
end architecture rtl;

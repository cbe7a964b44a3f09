library ieee;
use ieee.std_logic_1164.all;

entity filter is
  generic (TAPS : positive := 4; WIDTH, SHIFT : natural; -- Breite und Verschiebung
           MODE : string := "fir");
  port (clk, rst_n : in std_logic;
        a : in std_logic_vector(WIDTH - 1 downto 0); b : out std_logic;
        valid : out boolean
  );
end entity filter;

architecture rtl of filter is
begin
  process (clk, rst_n)
  begin
    if rst_n = '0' then
      b <= '0';
    elsif rising_edge(clk) then
      b <= a(0);
    end if;
  end process;
  valid <= true;
end architecture rtl;

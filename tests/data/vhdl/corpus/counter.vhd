-- pruefe: clk rst
-- ziel: signal clk, rst, en : std_logic; signal q : std_logic_vector(7 downto 0); signal wrap : boolean;
library ieee;
use ieee.std_logic_1164.all;
use ieee.numeric_std.all;

entity counter is
  generic (
    WIDTH : natural := 8;
    STEP  : integer  -- no default: the user sets it
  );
  port (
    clk : in std_logic;
    rst : in std_logic;
@C@    en  : in std_logic;
    q   : out std_logic_vector(WIDTH - 1 downto 0);
    wrap : out boolean
  );
@END counter@

architecture rtl of counter is
  signal cnt : unsigned(WIDTH - 1 downto 0);
begin
  count : process (clk, rst)
    constant MAXDIF : integer := 10; -- if MAXDIF then
    variable IF_THEN : boolean;
  begin
    if rst = @RST@ then
      cnt <= (others => '0');
    elsif @EDGE clk@ then
      if en = '1' then
        cnt <= cnt + to_unsigned(STEP, WIDTH);
      end if;
    end if;
  end process count;
  q <= std_logic_vector(cnt);
  wrap <= cnt = 0;
end architecture rtl;

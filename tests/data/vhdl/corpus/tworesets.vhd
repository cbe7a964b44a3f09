-- pruefe: clk arst srst_n:0
-- ziel: signal clk, arst, srst_n, d, q : std_logic;
library ieee;
use ieee.std_logic_1164.all;

-- Two resets, as many IP blocks have them: an asynchronous one whose level
-- the condition gives, and a synchronous one inside the edge, active low by
-- its name. Held at '0' like the other inputs, srst_n would keep q at '0'.
entity tworesets is
  port (
    clk    : in  std_logic;
    arst   : in  std_logic;
@C@    srst_n : in  std_logic;
    d      : in  std_logic;
    q      : out std_logic
  );
@END tworesets@

architecture rtl of tworesets is
begin
  process (clk, arst)
  begin
    if arst = @RST@ then
      q <= '0';
    elsif @EDGE clk@ then
      if srst_n = '0' then
        q <= '0';
      else
        q <= d;
      end if;
    end if;
  end process;
end architecture rtl;

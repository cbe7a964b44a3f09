-- pruefe: clk_i rstn_i
-- ziel: signal clk_i, rstn_i, r, phasedir, phasestep, phaseloadreg, valid_o : std_logic; signal data_o, data_i : std_logic_vector(7 downto 0);
library ieee;
use ieee.std_logic_1164.all;
use ieee.numeric_std.all;

-- Processor style: outputs first, inputs after them, the last port without
-- ";" and ");" alone; a combinational process before the clocked one.
entity core is
  port (
    valid_o : out std_logic; -- gueltig
    data_o  : out std_logic_vector(7 downto 0);
    clk_i   : in  std_logic; -- global clock, rising edge
    rstn_i  : in  std_logic; -- global reset, low-active, async
    signal r : in std_logic;
    phasedir,
    phasestep,
    phaseloadreg : in std_logic := '0';
    data_i  : in  std_logic_vector(7 downto 0) -- data
  );
end entity core;

architecture core_rtl of core is
  signal exec : std_logic;
  signal acc  : unsigned(7 downto 0);
begin
  branch_check: process(exec, r, phasedir)
  begin
    if exec = '1' then
      valid_o <= r;
    else
      valid_o <= phasedir;
    end if;
  end process branch_check;

  regs: process(rstn_i, clk_i)
  begin
    if (rstn_i = '0') then
      acc  <= (others => '0');
      exec <= '0';
    elsif rising_edge(clk_i) then
      acc  <= acc + unsigned(data_i);
      exec <= phasestep xor phaseloadreg;
    end if;
  end process regs;
  data_o <= std_logic_vector(acc);
end architecture core_rtl;

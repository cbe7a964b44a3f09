-- Testbench zu zaehler (VHDL-2008), geschrieben von Korvalt
-- Takt: clk, steigende Flanke
-- Reset: rst, aktiv '1', asynchron
library IEEE;
use IEEE.STD_LOGIC_1164.ALL;
use IEEE.STD_LOGIC_ARITH.ALL;
use IEEE.STD_LOGIC_UNSIGNED.ALL;

entity zaehler_tb is
end entity zaehler_tb;

architecture sim of zaehler_tb is
   constant tb_periode : time := 20 ns; -- Taktperiode
   signal clk : std_logic := '0';
   signal rst : std_logic := '0';
   signal x : std_logic_vector(1 downto 0) := (others => '0');
   signal y : std_logic_vector(2 downto 0) := (others => '0');
begin

   tb_dut : entity work.zaehler
      port map(
         clk => clk,
         rst => rst,
         x => x,
         y => y
      );

   tb_takt : process
   begin
      clk <= '0';
      wait for tb_periode / 2;
      clk <= '1';
      wait for tb_periode / 2;
   end process tb_takt;

   tb_reset : process
   begin
      rst <= '1';
      wait for 3 * tb_periode;
      rst <= '0';
      wait;
   end process tb_reset;

   tb_stimuli : process
   begin
      wait for 5 * tb_periode; -- Reset abwarten
      -- Hier die eigenen Stimuli eintragen:

      wait for 10 * tb_periode;
      report "Simulation beendet" severity note;
      std.env.stop;
      wait;
   end process tb_stimuli;

end architecture sim;

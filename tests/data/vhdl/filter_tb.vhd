-- Testbench zu filter (VHDL-2008), geschrieben von Korvalt
-- Takt: clk, steigende Flanke
-- Reset: rst_n, aktiv '0', asynchron
library ieee;
use ieee.std_logic_1164.all;

entity filter_tb is
end entity filter_tb;

architecture sim of filter_tb is
   constant tb_periode : time := 20 ns; -- Taktperiode
   constant TAPS : positive := 4;
   constant WIDTH : natural := 1; -- Wert muss gesetzt werden
   constant SHIFT : natural := 1; -- Wert muss gesetzt werden
   constant MODE : string := "fir";
   signal clk : std_logic := '0';
   signal rst_n : std_logic := '0';
   signal a : std_logic_vector(WIDTH - 1 downto 0) := (others => '0');
   signal b : std_logic := '0';
   signal valid : boolean := false;
begin

   tb_dut : entity work.filter
      generic map(
         TAPS => TAPS,
         WIDTH => WIDTH,
         SHIFT => SHIFT,
         MODE => MODE
      )
      port map(
         clk => clk,
         rst_n => rst_n,
         a => a,
         b => b,
         valid => valid
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
      rst_n <= '0';
      wait for 3 * tb_periode;
      rst_n <= '1';
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

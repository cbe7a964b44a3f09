library IEEE;
use IEEE.STD_LOGIC_1164.all;
use IEEE.NUMERIC_STD.all;

entity tb is
end tb;

architecture pruefung of tb is
   signal clk, rst, en, load, tc : std_logic := '0';
   signal d, q : std_logic_vector(3 downto 0) := "0000";
begin
   dut : entity work.t_zaehler
      port map(clk => clk, rst => rst, en => en, load => load, d => d, q => q, tc => tc);

   process
      procedure takt is
      begin
         clk <= '1';
         wait for 5 ns;
         clk <= '0';
         wait for 5 ns;
      end procedure;
      procedure pruefe(wert : integer; ende : std_logic; was : string) is
      begin
         assert to_integer(unsigned(q)) = wert and tc = ende
            report was & ": q = " & integer'image(to_integer(unsigned(q))) &
                   ", tc = " & std_logic'image(tc)
            severity failure;
      end procedure;
   begin
      rst <= '1';
      wait for 5 ns;
      pruefe(0, '0', "Reset");
      rst <= '0';
      takt;
      pruefe(0, '0', "ohne Freigabe");
      en <= '1';
      for i in 1 to 14 loop
         takt;
         pruefe(i, '0', "Zaehlen");
      end loop;
      takt;
      pruefe(15, '1', "Endstand");
      en <= '0';
      wait for 1 ns;
      pruefe(15, '0', "Endstand ohne Freigabe");
      en <= '1';
      takt;
      pruefe(0, '0', "Ueberlauf");
      load <= '1';
      d <= "1010";
      takt;
      pruefe(10, '0', "Laden");
      load <= '0';
      takt;
      pruefe(11, '0', "nach dem Laden");
      report "Zaehler geprueft";
      wait;
   end process;
end pruefung;

-- Selbstprüfende Testbench für den Automaten mealy (Mealy, Zustände codiert).
-- Takt: steigende Flanke, Periode 10 ns. Reset: aktiv bei '0'. Resetzustand: S0.
-- Die Übergangsfolge nimmt jede Zeile der Automatentabelle, die genommen werden kann,
-- mindestens einmal: 4 von 4 Zeilen in 4 Schritten mit 1 Reset.
-- Alle Zeilen werden geprüft.
-- Am Ende steht "N Übergänge geprüft, F Fehler"; N zählt die Prüfungen der Ausgänge,
-- hier 4: eine je Schritt.
-- Der Simulator endet mit Status 1, wenn F > 0 ist, sonst mit Status 0.
library IEEE;
use IEEE.STD_LOGIC_1164.ALL;

entity mealy_tb is
end mealy_tb;

architecture Test of mealy_tb is
   constant Periode : time := 10 ns;
   signal clk : std_logic := '0';
   signal rst : std_logic := '0';
   signal x : std_logic_vector(0 downto 0) := (others => '0');
   signal y : std_logic_vector(0 downto 0);
   signal z : std_logic_vector(0 downto 0);
begin
   dut: entity work.mealy port map (clk => clk, rst => rst, x => x, z => z, y => y);

   pruefung: process
      variable geprueft : natural := 0;
      variable fehler : natural := 0;

      function Bits(v : std_logic_vector) return string is
         variable s : string(1 to v'length);
         variable i : positive := 1;
      begin
         for k in v'range loop
            s(i) := std_logic'image(v(k))(2);
            i := i + 1;
         end loop;
         return s;
      end function;

      procedure Pruefe(erwartet : std_logic_vector; wo : string) is
      begin
         geprueft := geprueft + 1;
         if y /= erwartet then
            fehler := fehler + 1;
         end if;
         assert y = erwartet
            report wo & ": erwartet y = " & Bits(erwartet) & ", gesehen y = " & Bits(y)
            severity error;
      end procedure;

      procedure Zuruecksetzen is
      begin
         rst <= '0';
         wait for Periode / 2;
         rst <= '1';
         wait for Periode / 2;
      end procedure;

      -- Der Eingang e; die Ausgänge der genommenen Zeile vor der aktiven Taktflanke.
      procedure Schritt(e : std_logic_vector; erwartet : std_logic_vector; wo : string) is
      begin
         x <= e;
         wait for Periode / 4;
         Pruefe(erwartet, wo);
         clk <= '1';
         wait for Periode / 4;
         clk <= '0';
         wait for Periode / 2;
      end procedure;
   begin
      -- Reset: drei Taktperioden lang aktiv, dann losgelassen.
      for i in 1 to 3 loop
         clk <= '1';
         wait for Periode / 2;
         clk <= '0';
         wait for Periode / 2;
      end loop;
      rst <= '1';
      wait for Periode / 2;
      Schritt("0", "0", "Zeile 1 (S0|S0|X0|Y0), Zustand S0, Ausgang Y0");
      Schritt("1", "1", "Zeile 2 (S0|S1|X1|Y1), Zustand S0, Ausgang Y1");
      Schritt("1", "0", "Zeile 3 (S1|S1|X1|Y0), Zustand S1, Ausgang Y0");
      Schritt("0", "1", "Zeile 4 (S1|S0|X0|Y1), Zustand S1, Ausgang Y1");

      report integer'image(geprueft) & " Übergänge geprüft, " & integer'image(fehler) & " Fehler";
      if fehler > 0 then
         std.env.stop(1);
      else
         std.env.stop(0);
      end if;
      wait;
   end process;
end Test;


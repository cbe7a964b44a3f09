-- Selbstprüfende Testbench für den Automaten moore (Moore, Zustände als Aufzählung).
-- Takt: steigende Flanke, Periode 10 ns. Reset: aktiv bei '1'. Resetzustand: S0.
-- Die Übergangsfolge nimmt jede Zeile der Automatentabelle, die genommen werden kann,
-- mindestens einmal: 2 von 2 Zeilen in 2 Schritten mit 1 Reset.
-- Alle Zeilen werden geprüft.
-- Am Ende steht "N Übergänge geprüft, F Fehler"; N zählt die Prüfungen der Ausgänge,
-- hier 3: nach jedem Schritt und jedem Reset in einen Zustand mit Ausgangsbelegung.
-- Der Simulator endet mit Status 1, wenn F > 0 ist, sonst mit Status 0.
library IEEE;
use IEEE.STD_LOGIC_1164.ALL;

entity moore_tb is
end moore_tb;

architecture Test of moore_tb is
   constant Periode : time := 10 ns;
   signal clk : std_logic := '0';
   signal rst : std_logic := '1';
   signal x : std_logic_vector(0 downto 0) := (others => '0');
   signal y : std_logic_vector(0 downto 0);
begin
   dut: entity work.moore port map (clk => clk, rst => rst, x => x, y => y);

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
         rst <= '1';
         wait for Periode / 2;
         rst <= '0';
         wait for Periode / 2;
      end procedure;

      -- Eine aktive Taktflanke mit dem Eingang e; danach die Ausgänge des erreichten Zustands.
      procedure Schritt(e : std_logic_vector; erwartet : std_logic_vector; wo : string) is
      begin
         x <= e;
         wait for Periode / 4;
         clk <= '1';
         wait for Periode / 4;
         Pruefe(erwartet, wo);
         clk <= '0';
         wait for Periode / 2;
      end procedure;

      -- Eine aktive Taktflanke ohne Prüfung.
      procedure Weiter(e : std_logic_vector) is
      begin
         x <= e;
         wait for Periode / 4;
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
      rst <= '0';
      wait for Periode / 2;
      Pruefe("0", "Reset, Zustand S0, Ausgang Y0");
      Schritt("1", "1", "Zeile 1 (S0|S1|X1), Zustand S1, Ausgang Y1");
      Schritt("0", "0", "Zeile 2 (S1|S0|X0), Zustand S0, Ausgang Y0");

      report integer'image(geprueft) & " Übergänge geprüft, " & integer'image(fehler) & " Fehler";
      if fehler > 0 then
         std.env.stop(1);
      else
         std.env.stop(0);
      end if;
      wait;
   end process;
end Test;


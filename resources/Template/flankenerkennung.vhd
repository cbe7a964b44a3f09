Flankenerkennung: puls ist fuer genau einen Takt '1', nachdem sich der Eingang
geaendert hat. Eingaenge, die nicht zum Takt clk gehoeren (Taster, andere
Taktbereiche), laufen zuerst durch einen Synchronisierer (letzte Variante).
Asynchroner Reset (rst, aktiv '1').
#Steigende Flanke
puls = '1' einen Takt lang, nachdem a von '0' auf '1' gewechselt hat.
Fuer BREITE Signale zugleich, jedes mit eigenem Bit in puls.
-BREITE[1..32]
<
library IEEE;
use IEEE.STD_LOGIC_1164.all;

-- |NAME|: steigende Flanken von |BREITE| Signalen
entity |NAME| is
   port(clk, rst : in std_logic;
        a : in std_logic_vector(|BREITE-| downto 0);
        puls : out std_logic_vector(|BREITE-| downto 0));
end |NAME|;

architecture verhalten of |NAME| is
   signal alt : std_logic_vector(|BREITE-| downto 0);
begin
   process(clk, rst)
   begin
      if rst = '1' then
         alt <= (others => '0');
         puls <= (others => '0');
      elsif clk'event and clk = '1' then
         alt <= a;
         puls <= a and not alt;
      end if;
   end process;
end verhalten;
>

#Fallende Flanke
puls = '1' einen Takt lang, nachdem a von '1' auf '0' gewechselt hat.
Fuer BREITE Signale zugleich, jedes mit eigenem Bit in puls.
-BREITE[1..32]
<
library IEEE;
use IEEE.STD_LOGIC_1164.all;

-- |NAME|: fallende Flanken von |BREITE| Signalen
entity |NAME| is
   port(clk, rst : in std_logic;
        a : in std_logic_vector(|BREITE-| downto 0);
        puls : out std_logic_vector(|BREITE-| downto 0));
end |NAME|;

architecture verhalten of |NAME| is
   signal alt : std_logic_vector(|BREITE-| downto 0);
begin
   process(clk, rst)
   begin
      if rst = '1' then
         alt <= (others => '0');
         puls <= (others => '0');
      elsif clk'event and clk = '1' then
         alt <= a;
         puls <= alt and not a;
      end if;
   end process;
end verhalten;
>

#Beide Flanken
puls = '1' einen Takt lang nach jedem Wechsel von a, steigend = '1' nur nach
einem Wechsel von '0' auf '1'. Fuer BREITE Signale zugleich.
-BREITE[1..32]
<
library IEEE;
use IEEE.STD_LOGIC_1164.all;

-- |NAME|: beide Flanken von |BREITE| Signalen
entity |NAME| is
   port(clk, rst : in std_logic;
        a : in std_logic_vector(|BREITE-| downto 0);
        puls, steigend : out std_logic_vector(|BREITE-| downto 0));
end |NAME|;

architecture verhalten of |NAME| is
   signal alt : std_logic_vector(|BREITE-| downto 0);
begin
   process(clk, rst)
   begin
      if rst = '1' then
         alt <= (others => '0');
         puls <= (others => '0');
         steigend <= (others => '0');
      elsif clk'event and clk = '1' then
         alt <= a;
         puls <= a xor alt;
         steigend <= a and not alt;
      end if;
   end process;
end verhalten;
>

#Synchronisierer mit Flankenerkennung
Fuer ein asynchrones Signal a: STUFEN Flipflops hintereinander synchronisieren
es auf clk (2 genuegen meist, 3 bei hohen Taktfrequenzen); sync ist das
synchronisierte Signal, steigend und fallend melden seine Flanken.
-STUFEN[2..4]
<
library IEEE;
use IEEE.STD_LOGIC_1164.all;

-- |NAME|: Synchronisierer mit |STUFEN| Stufen und Flankenerkennung
entity |NAME| is
   port(clk, rst : in std_logic;
        a : in std_logic;
        sync, steigend, fallend : out std_logic);
end |NAME|;

architecture verhalten of |NAME| is
   -- kette(|STUFEN|) haelt den vorigen Wert des synchronisierten Signals
   signal kette : std_logic_vector(|STUFEN| downto 0);
begin
   process(clk, rst)
   begin
      if rst = '1' then
         kette <= (others => '0');
      elsif clk'event and clk = '1' then
         kette <= kette(|STUFEN-| downto 0) & a;
      end if;
   end process;
   sync <= kette(|STUFEN-|);
   steigend <= kette(|STUFEN-|) and not kette(|STUFEN|);
   fallend <= kette(|STUFEN|) and not kette(|STUFEN-|);
end verhalten;
>

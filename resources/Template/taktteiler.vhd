Taktteiler mit asynchronem Reset (rst, aktiv '1'). Im Entwurf weiterverwendet
wird besser der Freigabeimpuls (erste Variante) als ein geteilter Takt: so bleibt
die ganze Schaltung an einem Takt.
#Freigabeimpuls alle TEILER Takte
puls ist in jedem TEILER-ten Takt fuer genau einen Takt '1'
(TEILER 50000000 ergibt bei 50 MHz einen Impuls pro Sekunde).
-TEILER[2..100000000]
<
library IEEE;
use IEEE.STD_LOGIC_1164.all;

-- |NAME|: Freigabeimpuls alle |TEILER| Takte
entity |NAME| is
   port(clk, rst : in std_logic;
        puls : out std_logic);
end |NAME|;

architecture verhalten of |NAME| is
   signal z : integer range 0 to |TEILER-|;
begin
   process(clk, rst)
   begin
      if rst = '1' then
         z <= 0;
         puls <= '0';
      elsif clk'event and clk = '1' then
         if z = |TEILER-| then
            z <= 0;
            puls <= '1';
         else
            z <= z + 1;
            puls <= '0';
         end if;
      end if;
   end process;
end verhalten;
>

#Symmetrischer Takt
Der Ausgang takt wechselt alle HALBPERIODE Takte seinen Pegel: er hat die
Frequenz clk / (2 * HALBPERIODE) und ein Tastverhaeltnis von 50 %.
-HALBPERIODE[1..100000000]
<
library IEEE;
use IEEE.STD_LOGIC_1164.all;

-- |NAME|: Takt geteilt durch 2 * |HALBPERIODE|
entity |NAME| is
   port(clk, rst : in std_logic;
        takt : out std_logic);
end |NAME|;

architecture verhalten of |NAME| is
   signal z : integer range 0 to |HALBPERIODE-|;
   signal t : std_logic;
begin
   process(clk, rst)
   begin
      if rst = '1' then
         z <= 0;
         t <= '0';
      elsif clk'event and clk = '1' then
         if z = |HALBPERIODE-| then
            z <= 0;
            t <= not t;
         else
            z <= z + 1;
         end if;
      end if;
   end process;
   takt <= t;
end verhalten;
>

#Teiler durch 2 hoch STUFEN
Binaerer Teiler: q(i) hat die Frequenz clk / 2 hoch (i + 1); takt ist das
hoechstwertige Bit, also clk / 2 hoch STUFEN.
-STUFEN[2..32]
<
library IEEE;
use IEEE.STD_LOGIC_1164.all;
use IEEE.STD_LOGIC_UNSIGNED.all;

-- |NAME|: Takt geteilt durch 2**|STUFEN|
entity |NAME| is
   port(clk, rst : in std_logic;
        q : out std_logic_vector(|STUFEN-| downto 0);
        takt : out std_logic);
end |NAME|;

architecture verhalten of |NAME| is
   signal z : std_logic_vector(|STUFEN-| downto 0);
begin
   process(clk, rst)
   begin
      if rst = '1' then
         z <= (others => '0');
      elsif clk'event and clk = '1' then
         z <= z + 1;
      end if;
   end process;
   q <= z;
   takt <= z(z'high);
end verhalten;
>

Zaehler: synchrone Binaerzaehler mit asynchronem Reset (rst, aktiv '1'),
Freigabe (en) und synchronem Laden (load hat Vorrang vor en, d wird uebernommen).
BREITE ist die Zahl der Zaehlerbits. tc meldet den Endstand, solange en = '1' ist,
und eignet sich so zum Kaskadieren mehrerer Zaehler.
#Aufwaertszaehler
Zaehlt bei en = '1' um eins aufwaerts; tc bei Zaehlerstand "11...1".
-BREITE[2..32]
<
library IEEE;
use IEEE.STD_LOGIC_1164.all;
use IEEE.STD_LOGIC_ARITH.all;
use IEEE.STD_LOGIC_UNSIGNED.all;

-- |NAME|: |BREITE| Bit Aufwaertszaehler mit Freigabe und Laden
entity |NAME| is
   port(clk, rst : in std_logic;
        en, load : in std_logic;
        d : in std_logic_vector(|BREITE-| downto 0);
        q : out std_logic_vector(|BREITE-| downto 0);
        tc : out std_logic);
end |NAME|;

architecture verhalten of |NAME| is
   signal z : std_logic_vector(|BREITE-| downto 0);
begin
   process(clk, rst)
   begin
      if rst = '1' then
         z <= (others => '0');
      elsif clk'event and clk = '1' then
         if load = '1' then
            z <= d;
         elsif en = '1' then
            z <= z + 1;
         end if;
      end if;
   end process;
   q <= z;
   tc <= '1' when en = '1' and z = |$1,BREITE| else '0';
end verhalten;
>

#Abwaertszaehler
Zaehlt bei en = '1' um eins abwaerts; tc bei Zaehlerstand "00...0".
-BREITE[2..32]
<
library IEEE;
use IEEE.STD_LOGIC_1164.all;
use IEEE.STD_LOGIC_ARITH.all;
use IEEE.STD_LOGIC_UNSIGNED.all;

-- |NAME|: |BREITE| Bit Abwaertszaehler mit Freigabe und Laden
entity |NAME| is
   port(clk, rst : in std_logic;
        en, load : in std_logic;
        d : in std_logic_vector(|BREITE-| downto 0);
        q : out std_logic_vector(|BREITE-| downto 0);
        tc : out std_logic);
end |NAME|;

architecture verhalten of |NAME| is
   signal z : std_logic_vector(|BREITE-| downto 0);
begin
   process(clk, rst)
   begin
      if rst = '1' then
         z <= (others => '0');
      elsif clk'event and clk = '1' then
         if load = '1' then
            z <= d;
         elsif en = '1' then
            z <= z - 1;
         end if;
      end if;
   end process;
   q <= z;
   tc <= '1' when en = '1' and z = |$0,BREITE| else '0';
end verhalten;
>

#Auf-Abwaertszaehler
Zaehlt bei en = '1' aufwaerts, wenn auf = '1' ist, sonst abwaerts;
tc beim letzten Stand der jeweiligen Richtung.
-BREITE[2..32]
<
library IEEE;
use IEEE.STD_LOGIC_1164.all;
use IEEE.STD_LOGIC_ARITH.all;
use IEEE.STD_LOGIC_UNSIGNED.all;

-- |NAME|: |BREITE| Bit Auf-/Abwaertszaehler mit Freigabe und Laden
entity |NAME| is
   port(clk, rst : in std_logic;
        en, load, auf : in std_logic;
        d : in std_logic_vector(|BREITE-| downto 0);
        q : out std_logic_vector(|BREITE-| downto 0);
        tc : out std_logic);
end |NAME|;

architecture verhalten of |NAME| is
   signal z : std_logic_vector(|BREITE-| downto 0);
   constant NULLEN : std_logic_vector(|BREITE-| downto 0) := (others => '0');
   constant EINSEN : std_logic_vector(|BREITE-| downto 0) := (others => '1');
begin
   process(clk, rst)
   begin
      if rst = '1' then
         z <= (others => '0');
      elsif clk'event and clk = '1' then
         if load = '1' then
            z <= d;
         elsif en = '1' then
            if auf = '1' then
               z <= z + 1;
            else
               z <= z - 1;
            end if;
         end if;
      end if;
   end process;
   q <= z;
   tc <= '1' when en = '1' and ((auf = '1' and z = EINSEN) or (auf = '0' and z = NULLEN))
         else '0';
end verhalten;
>

#Modulo-Zaehler
Zaehlt bei en = '1' von 0 bis ENDWERT und beginnt dann wieder bei 0
(ENDWERT 9 ergibt einen Dezimalzaehler). ENDWERT muss in BREITE Bits passen.
-BREITE[4..32]
-ENDWERT[9]
<
library IEEE;
use IEEE.STD_LOGIC_1164.all;
use IEEE.STD_LOGIC_ARITH.all;
use IEEE.STD_LOGIC_UNSIGNED.all;

-- |NAME|: |BREITE| Bit Zaehler von 0 bis |ENDWERT|
entity |NAME| is
   port(clk, rst : in std_logic;
        en : in std_logic;
        q : out std_logic_vector(|BREITE-| downto 0);
        tc : out std_logic);
end |NAME|;

architecture verhalten of |NAME| is
   constant ENDE : std_logic_vector(|BREITE-| downto 0) := conv_std_logic_vector(|ENDWERT|, |BREITE|);
   signal z : std_logic_vector(|BREITE-| downto 0);
begin
   process(clk, rst)
   begin
      if rst = '1' then
         z <= (others => '0');
      elsif clk'event and clk = '1' then
         if en = '1' then
            if z = ENDE then
               z <= (others => '0');
            else
               z <= z + 1;
            end if;
         end if;
      end if;
   end process;
   q <= z;
   tc <= '1' when en = '1' and z = ENDE else '0';
end verhalten;
>

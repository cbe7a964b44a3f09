Multiplexer: waehlen eines von mehreren Eingangsworten der Breite BREITE
(rein kombinatorisch, ohne Takt).
#2 zu 1
s = '0' waehlt a, s = '1' waehlt b.
-BREITE[1..64]
<
library IEEE;
use IEEE.STD_LOGIC_1164.all;

-- |NAME|: 2-zu-1 Multiplexer, |BREITE| Bit
entity |NAME| is
   port(s : in std_logic;
        a, b : in std_logic_vector(|BREITE-| downto 0);
        y : out std_logic_vector(|BREITE-| downto 0));
end |NAME|;

architecture verhalten of |NAME| is
begin
   y <= b when s = '1' else a;
end verhalten;
>

#4 zu 1
s = "00" waehlt a, "01" b, "10" c und "11" d.
-BREITE[1..64]
<
library IEEE;
use IEEE.STD_LOGIC_1164.all;

-- |NAME|: 4-zu-1 Multiplexer, |BREITE| Bit
entity |NAME| is
   port(s : in std_logic_vector(1 downto 0);
        a, b, c, d : in std_logic_vector(|BREITE-| downto 0);
        y : out std_logic_vector(|BREITE-| downto 0));
end |NAME|;

architecture verhalten of |NAME| is
begin
   process(s, a, b, c, d)
   begin
      case s is
         when "00" => y <= a;
         when "01" => y <= b;
         when "10" => y <= c;
         when others => y <= d;
      end case;
   end process;
end verhalten;
>

#2 hoch SELBITS zu 1
2 hoch SELBITS Eingangsworte liegen hintereinander im Vektor d: Wort i belegt
die Bits (i+1)*BREITE-1 bis i*BREITE; s waehlt das Wort (vorzeichenlos).
-SELBITS[3..8]
-BREITE[1..64]
<
library IEEE;
use IEEE.STD_LOGIC_1164.all;
use IEEE.STD_LOGIC_ARITH.all;
use IEEE.STD_LOGIC_UNSIGNED.all;

-- |NAME|: Multiplexer fuer 2**|SELBITS| Worte zu |BREITE| Bit
entity |NAME| is
   port(s : in std_logic_vector(|SELBITS-| downto 0);
        d : in std_logic_vector(2**|SELBITS| * |BREITE| - 1 downto 0);
        y : out std_logic_vector(|BREITE-| downto 0));
end |NAME|;

architecture verhalten of |NAME| is
begin
   process(s, d)
   begin
      y <= d(|BREITE-| downto 0);
      for i in 1 to 2**|SELBITS| - 1 loop
         if conv_integer(s) = i then
            y <= d((i + 1) * |BREITE| - 1 downto i * |BREITE|);
         end if;
      end loop;
   end process;
end verhalten;
>

Dekoder und Kodierer (rein kombinatorisch, ohne Takt).
#Binaer zu 1-aus-N
Der Binaerwert a (EINGAENGE Bits, vorzeichenlos) setzt genau ein Bit von y:
Bit a, solange en = '1' ist; bei en = '0' sind alle Bits von y '0'.
-EINGAENGE[2..8]
<
library IEEE;
use IEEE.STD_LOGIC_1164.all;
use IEEE.STD_LOGIC_UNSIGNED.all;

-- |NAME|: Dekoder |EINGAENGE| Bit binaer zu 1 aus 2**|EINGAENGE|
entity |NAME| is
   port(en : in std_logic;
        a : in std_logic_vector(|EINGAENGE-| downto 0);
        y : out std_logic_vector(2**|EINGAENGE| - 1 downto 0));
end |NAME|;

architecture verhalten of |NAME| is
begin
   process(en, a)
   begin
      y <= (others => '0');
      if en = '1' then
         y(conv_integer(a)) <= '1';
      end if;
   end process;
end verhalten;
>

#Prioritaetskodierer
Gibt in y die Nummer des hoechstwertigen gesetzten Bits von r aus
(r hat 2 hoch AUSGAENGE Bits); gueltig = '0', wenn kein Bit gesetzt ist.
-AUSGAENGE[2..8]
<
library IEEE;
use IEEE.STD_LOGIC_1164.all;
use IEEE.STD_LOGIC_ARITH.all;

-- |NAME|: Prioritaetskodierer 2**|AUSGAENGE| zu |AUSGAENGE| Bit
entity |NAME| is
   port(r : in std_logic_vector(2**|AUSGAENGE| - 1 downto 0);
        y : out std_logic_vector(|AUSGAENGE-| downto 0);
        gueltig : out std_logic);
end |NAME|;

architecture verhalten of |NAME| is
begin
   process(r)
   begin
      y <= (others => '0');
      gueltig <= '0';
      for i in 0 to 2**|AUSGAENGE| - 1 loop
         if r(i) = '1' then
            y <= conv_std_logic_vector(i, |AUSGAENGE|);
            gueltig <= '1';
         end if;
      end loop;
   end process;
end verhalten;
>

#7-Segment hexadezimal
Zeigt die Ziffer a (0 bis F) auf einer Siebensegmentanzeige; seg(0) ist
Segment a, seg(6) Segment g. LOWAKTIV 1 gibt die Segmente low-aktiv aus
(gemeinsame Anode), 0 high-aktiv (gemeinsame Kathode).
-LOWAKTIV[0,1]
<
library IEEE;
use IEEE.STD_LOGIC_1164.all;

-- |NAME|: 7-Segment-Dekoder 0 bis F
entity |NAME| is
   port(a : in std_logic_vector(3 downto 0);
        seg : out std_logic_vector(6 downto 0));
end |NAME|;

architecture verhalten of |NAME| is
   constant LOW_AKTIV : boolean := |LOWAKTIV| = 1;
   signal s : std_logic_vector(6 downto 0);
begin
   process(a)
   begin
      case a is                      -- gfedcba
         when "0000" => s <= "0111111";
         when "0001" => s <= "0000110";
         when "0010" => s <= "1011011";
         when "0011" => s <= "1001111";
         when "0100" => s <= "1100110";
         when "0101" => s <= "1101101";
         when "0110" => s <= "1111101";
         when "0111" => s <= "0000111";
         when "1000" => s <= "1111111";
         when "1001" => s <= "1101111";
         when "1010" => s <= "1110111";
         when "1011" => s <= "1111100";
         when "1100" => s <= "0111001";
         when "1101" => s <= "1011110";
         when "1110" => s <= "1111001";
         when others => s <= "1110001";
      end case;
   end process;
   seg <= not s when LOW_AKTIV else s;
end verhalten;
>

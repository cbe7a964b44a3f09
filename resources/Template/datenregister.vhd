Datenregister: BREITE Flipflops, die d mit der steigenden Taktflanke uebernehmen,
solange die Freigabe en = '1' ist.
#Register mit Freigabe
Asynchroner Reset (rst, aktiv '1') auf 0.
-BREITE[1..64]
<
library IEEE;
use IEEE.STD_LOGIC_1164.all;

-- |NAME|: |BREITE| Bit Register mit Freigabe
entity |NAME| is
   port(clk, rst : in std_logic;
        en : in std_logic;
        d : in std_logic_vector(|BREITE-| downto 0);
        q : out std_logic_vector(|BREITE-| downto 0));
end |NAME|;

architecture verhalten of |NAME| is
begin
   process(clk, rst)
   begin
      if rst = '1' then
         q <= (others => '0');
      elsif clk'event and clk = '1' then
         if en = '1' then
            q <= d;
         end if;
      end if;
   end process;
end verhalten;
>

#Register mit synchronem Reset
Reset (rst, aktiv '1') wirkt nur mit der Taktflanke und hat Vorrang vor en.
-BREITE[1..64]
<
library IEEE;
use IEEE.STD_LOGIC_1164.all;

-- |NAME|: |BREITE| Bit Register mit Freigabe und synchronem Reset
entity |NAME| is
   port(clk, rst : in std_logic;
        en : in std_logic;
        d : in std_logic_vector(|BREITE-| downto 0);
        q : out std_logic_vector(|BREITE-| downto 0));
end |NAME|;

architecture verhalten of |NAME| is
begin
   process(clk)
   begin
      if clk'event and clk = '1' then
         if rst = '1' then
            q <= (others => '0');
         elsif en = '1' then
            q <= d;
         end if;
      end if;
   end process;
end verhalten;
>

#Register mit Resetwert
Asynchroner Reset (rst, aktiv '1') auf den Wert RESETWERT (dezimal, bis 2147483647).
-BREITE[1..64]
-RESETWERT
<
library IEEE;
use IEEE.STD_LOGIC_1164.all;
use IEEE.STD_LOGIC_ARITH.all;

-- |NAME|: |BREITE| Bit Register mit Freigabe, Resetwert |RESETWERT|
entity |NAME| is
   port(clk, rst : in std_logic;
        en : in std_logic;
        d : in std_logic_vector(|BREITE-| downto 0);
        q : out std_logic_vector(|BREITE-| downto 0));
end |NAME|;

architecture verhalten of |NAME| is
   constant STARTWERT : std_logic_vector(|BREITE-| downto 0) := conv_std_logic_vector(|RESETWERT|, |BREITE|);
begin
   process(clk, rst)
   begin
      if rst = '1' then
         q <= STARTWERT;
      elsif clk'event and clk = '1' then
         if en = '1' then
            q <= d;
         end if;
      end if;
   end process;
end verhalten;
>

#Verzoegerungskette
STUFEN Register hintereinander: q ist d, um STUFEN Takte verzoegert.
Asynchroner Reset (rst, aktiv '1') auf 0.
-BREITE[1..64]
-STUFEN[2..32]
<
library IEEE;
use IEEE.STD_LOGIC_1164.all;

-- |NAME|: |BREITE| Bit breite Verzoegerung um |STUFEN| Takte
entity |NAME| is
   port(clk, rst : in std_logic;
        en : in std_logic;
        d : in std_logic_vector(|BREITE-| downto 0);
        q : out std_logic_vector(|BREITE-| downto 0));
end |NAME|;

architecture verhalten of |NAME| is
   type t_kette is array (0 to |STUFEN-|) of std_logic_vector(|BREITE-| downto 0);
   signal kette : t_kette;
begin
   process(clk, rst)
   begin
      if rst = '1' then
         kette <= (others => (others => '0'));
      elsif clk'event and clk = '1' then
         if en = '1' then
            kette(0) <= d;
            for i in 1 to |STUFEN-| loop
               kette(i) <= kette(i - 1);
            end loop;
         end if;
      end if;
   end process;
   q <= kette(|STUFEN-|);
end verhalten;
>

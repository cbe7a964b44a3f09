Schieberegister mit asynchronem Reset (rst, aktiv '1') und Freigabe (en):
bei en = '1' wird mit jeder steigenden Taktflanke um eine Stelle geschoben.
BREITE ist die Zahl der Stufen (mindestens 2).
#Seriell-Parallel
Serieller Eingang si, alle Stufen parallel an q; so ist die letzte Stufe.
Geschoben wird zum hoechstwertigen Bit hin.
-BREITE[2..64]
<
library IEEE;
use IEEE.STD_LOGIC_1164.all;

-- |NAME|: |BREITE| Bit Schieberegister, seriell ein, parallel aus
entity |NAME| is
   port(clk, rst : in std_logic;
        en, si : in std_logic;
        q : out std_logic_vector(|BREITE-| downto 0);
        so : out std_logic);
end |NAME|;

architecture verhalten of |NAME| is
   signal z : std_logic_vector(|BREITE-| downto 0);
begin
   process(clk, rst)
   begin
      if rst = '1' then
         z <= (others => '0');
      elsif clk'event and clk = '1' then
         if en = '1' then
            z <= z(z'high - 1 downto 0) & si;
         end if;
      end if;
   end process;
   q <= z;
   so <= z(z'high);
end verhalten;
>

#Parallel-Seriell
Bei load = '1' wird d parallel geladen (Vorrang vor en), danach mit en = '1'
zum hoechstwertigen Bit hin geschoben; so gibt das hoechstwertige Bit aus,
von rechts wird si nachgeschoben.
-BREITE[2..64]
<
library IEEE;
use IEEE.STD_LOGIC_1164.all;

-- |NAME|: |BREITE| Bit Schieberegister, parallel laden, seriell aus
entity |NAME| is
   port(clk, rst : in std_logic;
        en, load, si : in std_logic;
        d : in std_logic_vector(|BREITE-| downto 0);
        so : out std_logic);
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
            z <= z(z'high - 1 downto 0) & si;
         end if;
      end if;
   end process;
   so <= z(z'high);
end verhalten;
>

#Links-Rechts mit Laden
Universalschieberegister: load = '1' laedt d, sonst schiebt en = '1' nach links
(links = '1', sl rueckt ins niederwertigste Bit) oder nach rechts (links = '0',
sr rueckt ins hoechstwertige Bit). Alle Stufen liegen parallel an q.
-BREITE[2..64]
<
library IEEE;
use IEEE.STD_LOGIC_1164.all;

-- |NAME|: |BREITE| Bit Schieberegister, links und rechts, parallel laden
entity |NAME| is
   port(clk, rst : in std_logic;
        en, load, links : in std_logic;
        sl, sr : in std_logic;
        d : in std_logic_vector(|BREITE-| downto 0);
        q : out std_logic_vector(|BREITE-| downto 0));
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
            if links = '1' then
               z <= z(z'high - 1 downto 0) & sl;
            else
               z <= sr & z(z'high downto 1);
            end if;
         end if;
      end if;
   end process;
   q <= z;
end verhalten;
>

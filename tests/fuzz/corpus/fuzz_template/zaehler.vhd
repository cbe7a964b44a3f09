Zaehler-Vorlagen
#Aufwaertszaehler
Zaehlt ab START aufwaerts.
-BREITE[4..16]
-START[0,15]
<
entity |NAME| is
   port(clk, rst : in std_logic;
        q : out std_logic_vector(|BREITE-| downto 0));
end |NAME|;
architecture verhalten of |name| is
   signal z : std_logic_vector(|BREITE-| downto 0);
begin
   process(clk, rst)
   begin
      if rst = '1' then z <= |$0,BREITE|;
      elsif clk'event and clk = '1' then
         if z = |$1,BREITE| then z <= conv_std_logic_vector(|START|, |BREITE|);
         else z <= z + 1;
         end if;
      end if;
   end process;
   q <= z;
end verhalten;
>

#Abwaertszaehler
-BREITE[8]
<
entity |NAME| is
   port(clk : in std_logic;
        q : out std_logic_vector(|BREITE-| downto 0));
end |NAME|;
>

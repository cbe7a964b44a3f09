library IEEE;
use IEEE.STD_LOGIC_1164.ALL;

entity stil_alle is
    Port(clk,rst : in std_logic;
         x : in std_logic_vector(0 downto 0);
         y : out std_logic_vector(1 downto 0));
end stil_alle;

architecture Behavioral of stil_alle is
-- Eingangsmatrix
   constant X0 : std_logic_vector(0 downto 0) := "0";
   constant X1 : std_logic_vector(0 downto 0) := "1";

-- Zustandsmatrix
   constant S0 : std_logic_vector(1 downto 0) := "00";
   constant S1 : std_logic_vector(1 downto 0) := "01";
   constant S2 : std_logic_vector(1 downto 0) := "11";

   signal z : std_logic_vector(1 downto 0);

-- Ausgangsmatrix
   constant Y0 : std_logic_vector(1 downto 0) := "00";
   constant Y1 : std_logic_vector(1 downto 0) := "01";
   constant Y2 : std_logic_vector(1 downto 0) := "10";
   constant yx : std_logic_vector(1 downto 0) := "--";

begin
  pSync:  PROCESS(clk,rst)
          BEGIN
            if rst = '1' then z <= S0; y <= Y0;
               elsif falling_edge(clk) then
                     if    z = S0 and x = X1 then z <= S1; y <= Y2;
                     elsif z = S1 and x = X1 then z <= S2; y <= Y1;
                     elsif z = S1 and x = X0 then z <= S0; y <= Y0;
                     elsif z = S2 and x = X0 then z <= S0; y <= Y0;
                     end if;
                     -- Sicherer Automat: ein Code ohne Zustand führt in den Resetzustand
                     case z is
                       when S0 | S1 | S2 => null;
                       when others => z <= S0; y <= Y0;
                     end case;
            end if;
          END PROCESS pSync;

end Behavioral;


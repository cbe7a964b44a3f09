library IEEE;
use IEEE.STD_LOGIC_1164.ALL;
use IEEE.STD_LOGIC_ARITH.ALL;
use IEEE.STD_LOGIC_UNSIGNED.ALL;

entity stil_sicher is
    Port(clk,rst : in std_logic;
         x : in std_logic_vector(0 downto 0);
         z : inout std_logic_vector(1 downto 0);
         y : out std_logic_vector(0 downto 0));
end stil_sicher;

architecture Behavioral of stil_sicher is
-- Eingangsmatrix
   constant X0 : std_logic_vector(0 downto 0) := "0";
   constant X1 : std_logic_vector(0 downto 0) := "1";

-- Zustandsmatrix
   constant S0 : std_logic_vector(1 downto 0) := "01";
   constant S1 : std_logic_vector(1 downto 0) := "10";
   constant S2 : std_logic_vector(1 downto 0) := "11";
   constant zx : std_logic_vector(1 downto 0) := "--";

-- Ausgangsmatrix
   constant Y0 : std_logic_vector(0 downto 0) := "0";
   constant Y1 : std_logic_vector(0 downto 0) := "1";
   constant yx : std_logic_vector(0 downto 0) := "-";

-- Folgezustand
   signal zn : std_logic_vector(1 downto 0);

begin
  pSync:  PROCESS(clk,rst)
          BEGIN
            if rst = '0' then z <= S1;
               elsif rising_edge(clk) then
                     z <= zn;
                     -- Sicherer Automat: ein Code ohne Zustand führt in den Resetzustand
                     case z is
                       when S0 | S1 | S2 => null;
                       when others => z <= S1;
                     end case;
            end if;

          END PROCESS pSync;

  pASync: PROCESS(z,x)
          BEGIN
            case z is
              when S0 => case x is 
                           when X1 => y <= Y1; zn <= S1;
                           when others => y <= yx; zn <= zx;
                         end case;
              when S1 => case x is 
                           when X1 => y <= Y0; zn <= S2;
                           when others => y <= yx; zn <= zx;
                         end case;
              when S2 => case x is 
                           when X0 => y <= Y1; zn <= S0;
                           when others => y <= yx; zn <= zx;
                         end case;
              when others => y <= yx; zn <= zx;
            end case;
          END PROCESS pASync;

end Behavioral;


library IEEE;
use IEEE.STD_LOGIC_1164.ALL;
use IEEE.STD_LOGIC_ARITH.ALL;
use IEEE.STD_LOGIC_UNSIGNED.ALL;

entity moore is
    Port(clk,rst : in std_logic;
         x : in std_logic_vector(0 downto 0);
         y : out std_logic_vector(0 downto 0));
end moore;

architecture Behavioral of moore is
-- Eingangsmatrix
   constant X0 : std_logic_vector(0 downto 0) := "0";
   constant X1 : std_logic_vector(0 downto 0) := "1";

   type zustand is (S0,S1);
   signal z : zustand;

-- Ausgangsmatrix
   constant Y0 : std_logic_vector(0 downto 0) := "0";
   constant Y1 : std_logic_vector(0 downto 0) := "1";
   constant yx : std_logic_vector(0 downto 0) := "-";

begin
  pSync:  PROCESS(clk,rst)
          BEGIN
            if rst = '1' then z <= S0;
               elsif (clk'event and clk = '1') then
                     if    z = S0 and x = X1 then z <= S1;
                     elsif z = S1 and x = X0 then z <= S0;
                     end if;
            end if;
          END PROCESS pSync;

  pASync: PROCESS(z)
          BEGIN
            if    z = S0 then y <= Y0;
            elsif z = S1 then y <= Y1;
            else y <= yx;
            end if;
          END PROCESS pASync;

end Behavioral;


library IEEE;
use IEEE.STD_LOGIC_1164.ALL;
use IEEE.STD_LOGIC_ARITH.ALL;
use IEEE.STD_LOGIC_UNSIGNED.ALL;

entity ohne_tabelle is
    Port(clk,rst : in std_logic;
         x : in std_logic_vector(0 downto 0);
         z : inout std_logic_vector(0 downto 0);
         y : out std_logic_vector(0 downto 0));
end ohne_tabelle;

architecture Behavioral of ohne_tabelle is
-- Eingangsmatrix
   constant X0 : std_logic_vector(0 downto 0) := "0";
   constant X1 : std_logic_vector(0 downto 0) := "1";

-- Zustandsmatrix
   constant S0 : std_logic_vector(0 downto 0) := "0";
   constant S1 : std_logic_vector(0 downto 0) := "1";
   constant zx : std_logic_vector(0 downto 0) := "-";

-- Ausgangsmatrix
   constant Y0 : std_logic_vector(0 downto 0) := "0";
   constant Y1 : std_logic_vector(0 downto 0) := "1";
   constant yx : std_logic_vector(0 downto 0) := "-";

-- Folgezustand
   signal zn : std_logic_vector(0 downto 0);

begin
  pSync:  PROCESS(clk,rst)
          BEGIN
            if rst = '0' then z <= S0;
               elsif (clk'event and clk = '1') then
                     z <= zn;
            end if;

          END PROCESS pSync;

  pASync: PROCESS(z,x)
          BEGIN
          END PROCESS pASync;

end Behavioral;


library IEEE;
use IEEE.STD_LOGIC_1164.ALL;
use IEEE.STD_LOGIC_ARITH.ALL;
use IEEE.STD_LOGIC_UNSIGNED.ALL;

entity zaehler is
    Port(clk,rst : in std_logic;
         x : in std_logic_vector(1 downto 0);
         y : out std_logic_vector(2 downto 0));
end zaehler;

architecture Behavioral of zaehler is
  signal z, zn : std_logic_vector(1 downto 0);
begin

  pSync:  PROCESS(clk,rst)
          BEGIN
            if rst = '1' then z <= "00";
               elsif (clk'event and clk = '1') then
                     z <= zn;
            end if;
          END PROCESS pSync;

  zn <= z + x;
  y <= '0' & z;

end Behavioral;

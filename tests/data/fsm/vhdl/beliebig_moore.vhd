library IEEE;
use IEEE.STD_LOGIC_1164.ALL;
use IEEE.STD_LOGIC_ARITH.ALL;
use IEEE.STD_LOGIC_UNSIGNED.ALL;

entity beliebig_moore is
    Port(clk,rst : in std_logic;
         x : in std_logic_vector(2 downto 0);
         y : out std_logic_vector(1 downto 0));
end beliebig_moore;

architecture Behavioral of beliebig_moore is
-- Eingangsmatrix
   constant start : std_logic_vector(2 downto 0) := "1-0";
   constant stop : std_logic_vector(2 downto 0) := "-1-";
   constant egal : std_logic_vector(2 downto 0) := "---";

-- Zustandsmatrix
   constant A : std_logic_vector(1 downto 0) := "00";
   constant B : std_logic_vector(1 downto 0) := "01";
   constant C : std_logic_vector(1 downto 0) := "10";

   signal z : std_logic_vector(1 downto 0);

-- Ausgangsmatrix
   constant Y0 : std_logic_vector(1 downto 0) := "0-";
   constant Y1 : std_logic_vector(1 downto 0) := "1-";
   constant Y2 : std_logic_vector(1 downto 0) := "-1";
   constant yx : std_logic_vector(1 downto 0) := "--";

begin
  pSync:  PROCESS(clk,rst)
          BEGIN
            if rst = '1' then z <= A;
               elsif (clk'event and clk = '1') then
                     if    z = A and ieee.numeric_std.std_match(x, start) then z <= B;
                     elsif z = A and ieee.numeric_std.std_match(x, stop) then z <= C;
                     elsif z = A and ieee.numeric_std.std_match(x, egal) then z <= A;
                     elsif z = B and ieee.numeric_std.std_match(x, stop) then z <= C;
                     elsif z = B and ieee.numeric_std.std_match(x, egal) then z <= A;
                     elsif z = C and ieee.numeric_std.std_match(x, egal) then z <= A;
                     end if;
                     -- Sicherer Automat: ein Code ohne Zustand führt in den Resetzustand
                     case z is
                       when A | B | C => null;
                       when others => z <= A;
                     end case;
            end if;
          END PROCESS pSync;

  pASync: PROCESS(z)
          BEGIN
            if    z = A then y <= Y0;
            elsif z = B then y <= Y1;
            elsif z = C then y <= Y2;
            else y <= yx;
            end if;
          END PROCESS pASync;

end Behavioral;


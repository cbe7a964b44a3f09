library IEEE;
use IEEE.STD_LOGIC_1164.ALL;

entity beliebig_mealy is
    Port(clk,rst : in std_logic;
         x : in std_logic_vector(1 downto 0);
         y : out std_logic_vector(1 downto 0));
end beliebig_mealy;

architecture Behavioral of beliebig_mealy is
-- Eingangsmatrix
   constant a : std_logic_vector(1 downto 0) := "1-";
   constant b : std_logic_vector(1 downto 0) := "01";
   constant c : std_logic_vector(1 downto 0) := "--";

   type zustand is (zx,Ruhe,Lauf,Ende);
   signal z : zustand;

-- Ausgangsmatrix
   constant an : std_logic_vector(1 downto 0) := "1-";
   constant aus : std_logic_vector(1 downto 0) := "0-";
   constant still : std_logic_vector(1 downto 0) := "00";
   constant yx : std_logic_vector(1 downto 0) := "--";

-- Folgezustand
   signal zn : zustand;

begin
  pSync:  PROCESS(clk,rst)
          BEGIN
            if rst = '0' then z <= Ruhe;
               elsif rising_edge(clk) then
                     z <= zn;
            end if;

          END PROCESS pSync;

  pASync: PROCESS(z,x)
          BEGIN
            case z is
              when Ruhe => if    ieee.numeric_std.std_match(x, a) then y <= an; zn <= Lauf;
                           elsif ieee.numeric_std.std_match(x, c) then y <= aus; zn <= Ruhe;
                           else  y <= yx; zn <= zx;
                           end if;
              when Lauf => if    ieee.numeric_std.std_match(x, b) then y <= aus; zn <= Ruhe;
                           elsif ieee.numeric_std.std_match(x, a) then y <= an; zn <= Lauf;
                           elsif ieee.numeric_std.std_match(x, c) then y <= still; zn <= Ende;
                           else  y <= yx; zn <= zx;
                           end if;
              when Ende => y <= yx; zn <= zx;
              when others => y <= yx; zn <= zx;
            end case;
          END PROCESS pASync;

end Behavioral;


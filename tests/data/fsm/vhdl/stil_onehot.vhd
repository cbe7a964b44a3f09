library IEEE;
use IEEE.STD_LOGIC_1164.ALL;

entity stil_onehot is
    Port(clk,rst : in std_logic;
         x : in std_logic_vector(0 downto 0);
         y : out std_logic_vector(0 downto 0));
end stil_onehot;

architecture Behavioral of stil_onehot is
-- Eingangsmatrix
   constant X0 : std_logic_vector(0 downto 0) := "0";
   constant X1 : std_logic_vector(0 downto 0) := "1";

   type zustand is (zx,S0,S1);
   signal z : zustand;
   -- fsm_encoding und fsm_safe_state liest Vivado, syn_encoding lesen Synplify und Quartus
   attribute fsm_encoding : string;
   attribute fsm_encoding of z : signal is "one_hot";
   attribute syn_encoding : string;
   attribute syn_encoding of zustand : type is "onehot";

-- Ausgangsmatrix
   constant Y0 : std_logic_vector(0 downto 0) := "0";
   constant Y1 : std_logic_vector(0 downto 0) := "1";
   constant yx : std_logic_vector(0 downto 0) := "-";

-- Folgezustand
   signal zn : zustand;

begin
  pSync:  PROCESS(clk,rst)
          BEGIN
            if rst = '1' then z <= S0;
               elsif (clk'event and clk = '1') then
                     z <= zn;
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
                           when X0 => y <= Y0; zn <= S0;
                           when others => y <= yx; zn <= zx;
                         end case;
              when others => y <= yx; zn <= zx;
            end case;
          END PROCESS pASync;

end Behavioral;


library IEEE;
use IEEE.STD_LOGIC_1164.ALL;
use IEEE.STD_LOGIC_ARITH.ALL;
use IEEE.STD_LOGIC_UNSIGNED.ALL;

entity stil_gray is
    Port(clk,rst : in std_logic;
         x : in std_logic_vector(0 downto 0);
         y : out std_logic_vector(0 downto 0));
end stil_gray;

architecture Behavioral of stil_gray is
-- Eingangsmatrix
   constant X0 : std_logic_vector(0 downto 0) := "0";
   constant X1 : std_logic_vector(0 downto 0) := "1";

   type zustand is (S0,S1,S2);
   signal z : zustand;
   -- fsm_encoding und fsm_safe_state liest Vivado, syn_encoding lesen Synplify und Quartus
   attribute fsm_encoding : string;
   attribute fsm_encoding of z : signal is "gray";
   attribute fsm_safe_state : string;
   attribute fsm_safe_state of z : signal is "reset_state";
   attribute syn_encoding : string;
   attribute syn_encoding of zustand : type is "safe,gray";

-- Ausgangsmatrix
   constant Y0 : std_logic_vector(0 downto 0) := "0";
   constant Y1 : std_logic_vector(0 downto 0) := "1";
   constant yx : std_logic_vector(0 downto 0) := "-";

begin
  pSync:  PROCESS(clk,rst)
          BEGIN
            if rst = '1' then z <= S0; y <= Y0;
               elsif (clk'event and clk = '1') then
                     if    z = S0 and x = X1 then z <= S1; y <= Y1;
                     elsif z = S1 and x = X1 then z <= S2; y <= Y1;
                     elsif z = S2 and x = X0 then z <= S0; y <= Y0;
                     end if;
            end if;
          END PROCESS pSync;

end Behavioral;


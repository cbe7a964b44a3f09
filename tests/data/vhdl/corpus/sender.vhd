-- pruefe:
-- ziel: signal send, busy, portA, endx : std_logic; signal data_bus, main : std_logic_vector(7 downto 0);
library ieee;
use ieee.std_logic_1164.all;
-- Keywords inside port names and comments, and a VHDL-93 closing line.
entity sender is
    Port(send : in std_logic; -- begin to send
         busy : out std_logic;
         data_bus : in std_logic_vector(7 downto 0);
@C@         main : out std_logic_vector(7 downto 0);
         portA, endx : in std_logic); -- end of the ports
@END sender@
architecture rtl of sender is -- the architecture
begin
    busy <= send and endx;
    main <= data_bus when portA = '1' else (others => '0');
end architecture rtl;

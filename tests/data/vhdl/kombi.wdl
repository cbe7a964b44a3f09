library IEEE;
use IEEE.STD_LOGIC_1164.ALL;
use IEEE.STD_LOGIC_ARITH.ALL;
use IEEE.STD_LOGIC_UNSIGNED.ALL;
use work.testpack.ALL;

entity testbench is
end testbench;

architecture behavioral of testbench is

   component kombi
      PORT(
            a : in bit;
            y : out bit
           );
   end component;

   Signal a : in bit;
   Signal y : out bit;

   constant tb_time : time:= 100 ns; -- Zeitkonstante definieren

BEGIN

   map_tb : kombi port map(a=>a,y=>y);


   ptest : PROCESS
           BEGIN


           wait; -- Test beendet
           END PROCESS ptest;

END behavioral;


library IEEE;
use IEEE.STD_LOGIC_1164.ALL;
use IEEE.STD_LOGIC_ARITH.ALL;
use IEEE.STD_LOGIC_UNSIGNED.ALL;
use work.testpack.ALL;

entity testbench is
end testbench;

architecture behavioral of testbench is

   component 
   end component;


   constant tb_time : time:= 100 ns; -- Zeitkonstante definieren

BEGIN



   ptest : PROCESS
           BEGIN


           wait; -- Test beendet
           END PROCESS ptest;

END behavioral;


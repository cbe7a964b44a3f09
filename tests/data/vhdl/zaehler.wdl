library IEEE;
use IEEE.STD_LOGIC_1164.ALL;
use IEEE.STD_LOGIC_ARITH.ALL;
use IEEE.STD_LOGIC_UNSIGNED.ALL;
use work.testpack.ALL;

entity testbench is
end testbench;

architecture behavioral of testbench is

   component zaehler
      PORT(
            clk : in std_logic;
            rst : in std_logic;
            x : in std_logic_vector(1 downto 0);
            y : out std_logic_vector(2 downto 0)
           );
   end component;

   Signal clk : in std_logic;
   Signal rst : in std_logic;
   Signal x : in std_logic_vector(1 downto 0);
   Signal y : out std_logic_vector(2 downto 0);

   constant tb_time : time:= 100 ns; -- Zeitkonstante definieren

BEGIN

   map_tb : zaehler port map(clk=>clk,rst=>rst,x=>x,
                             y=>y);

   prst: PROCESS
         BEGIN
           rst <= '1'; wait for 50 ns;
           rst <= '0'; wait;
         END PROCESS prst;

   pclk: PROCESS
         BEGIN
           clk <= '0'; wait for tb_time;
           clk <= '1'; wait for tb_time;
         END PROCESS pclk;

   ptest : PROCESS
           BEGIN


           wait; -- Test beendet
           END PROCESS ptest;

END behavioral;


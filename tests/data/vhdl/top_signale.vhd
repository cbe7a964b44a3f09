library ieee;
use ieee.std_logic_1164.all;

entity top is
  port (a : in std_logic;
        b : out std_logic);
end top;

architecture rtl of top is
component zaehler
   PORT(
         clk : in std_logic;
         rst : in std_logic;
         x : in std_logic_vector(1 downto 0);
         y : out std_logic_vector(2 downto 0)
        );
end component;
signal clk : std_logic;
signal rst : std_logic;
signal x : std_logic_vector(1 downto 0);
signal y : std_logic_vector(2 downto 0);

  signal s : std_logic;
for all : zaehler use entity work.zaehler(Behavioral);

begin
   map_XXX : zaehler port map(
                              clk, --  in std_logic
                              rst, --  in std_logic
                              x, --  in std_logic_vector(1 downto 0)
                              y --  out std_logic_vector(2 downto 0)
                              );
  b <= a;
end rtl;

library ieee;
use ieee.std_logic_1164.all;

entity top is
  port (a : in std_logic;
        b : out std_logic);
end top;

architecture rtl of top is
component filter
   GENERIC(
         TAPS : positive := 4;
         WIDTH : natural;
         SHIFT : natural;
         MODE : string := "fir"
        );
   PORT(
         clk : in std_logic;
          rst_n : in std_logic;
         a : in std_logic_vector(WIDTH - 1 downto 0);
         b : out std_logic;
         valid : out boolean
        );
end component;
constant TAPS : positive := 4;
constant WIDTH : natural := 1; -- Wert muss gesetzt werden
constant SHIFT : natural := 1; -- Wert muss gesetzt werden
constant MODE : string := "fir";
signal clk : std_logic;
signal rst_n : std_logic;
signal valid : boolean;

  signal s : std_logic;
for all : filter use entity work.filter(rtl);

begin
   map_XXX : filter generic map(
                                TAPS => TAPS,
                                WIDTH => WIDTH,
                                SHIFT => SHIFT,
                                MODE => MODE
                                )
                    port map(
                             clk, --  in std_logic
                              rst_n, --  in std_logic
                             a, --  in std_logic_vector(WIDTH - 1 downto 0)
                             b, --  out std_logic
                             valid --  out boolean
                             );
  b <= a;
end rtl;

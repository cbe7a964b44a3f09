-- pruefe: clk_i rst_ni
-- ziel: signal clk_i, rst_ni : std_logic; signal dev_0_req_o : req_t; signal dev_0_rsp_i : rsp_t; signal lanes_o : word_array_t(0 to 1); signal busy_o : std_logic;
library ieee;
use ieee.std_logic_1164.all;
use work.corpus_pkg.all;

entity bus_if is
  generic (LANES : natural := DEFAULT_LANES; NAME : string := "bus"; T_HOLD : time);
  port (clk_i, rst_ni : in std_logic; -- clock and reset
@C@        dev_0_req_o : out req_t; dev_0_rsp_i : in rsp_t;
        -- the lanes, one word each
        lanes_o : out word_array_t(0 to LANES - 1);
        busy_o : buffer std_logic);
@END bus_if@

architecture rtl of bus_if is
begin
  process (clk_i, rst_ni) is
  begin
    if rst_ni = @RST@ then
      dev_0_req_o <= (valid => '0', addr => (others => '0'));
      lanes_o <= (others => (others => '0'));
      busy_o <= '0';
    elsif @EDGE clk_i@ then
      dev_0_req_o.valid <= dev_0_rsp_i.ready;
      dev_0_req_o.addr <= dev_0_rsp_i.data;
      busy_o <= not busy_o;
    end if;
  end process;
end architecture rtl;

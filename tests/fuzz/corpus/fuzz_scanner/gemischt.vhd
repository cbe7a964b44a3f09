entity m is
 port(q, r : buffer bit bus;
 a : in bit; -- end port
	z : linkage bit
 );
end entity m;
architecture a of m is
begin
 p: process(c, r) begin if r = '0' then q <= '0'; elsif c'event and c = '1' then q <= a; end if; end process;
end architecture a;

-- pruefe:
-- ziel:
entity params_only is
  generic (DEPTH : positive := 4;
@C@           MSG : string; SEL : bit_vector(1 downto 0); LIMIT : integer range 2 to 9);
@END params_only@

architecture a of params_only is
begin
  assert DEPTH > 0 and LIMIT >= 2 report MSG severity failure;
end architecture a;

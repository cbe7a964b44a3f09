Der Dateiname schlägt einen Namen für |NAME| vor, den VHDL nicht annimmt.
= Der Dateiname "mein_Register-breit.vhd" schlägt für |NAME| den Namen "mein_register-breit" vor; das ist kein gültiger VHDL-Bezeichner: ein Buchstabe zuerst, dann Buchstaben, Ziffern und einzelne _, kein reserviertes Wort.
#Register
-BREITE[1..8]
<
entity |name| is port(q : out std_logic_vector(|BREITE-| downto 0)); end;
>

Eine fehlerfreie Vorlage: Auswahl mit "|", Klein- und Groﬂschreibung, Wiederholung mit "-".
#Zaehler 8 Bit
Beschreibung, auch mit | Strich |.
-BREITE[2..16]
-START[0]
-tiefe[3]
<
entity |NAME| is port(q : out std_logic_vector(|breite-| downto 0)); end |NAME|;
-- with s select y <= a when "00" | "01", b when others; |START| |TIEFE|
-- case x is when A|B => null; end case;
-- z <= |$1,BREITE-| & '0';
>

Platzhalter, die keinen Parameter nennen oder falsch gebaut sind.
= Zeile 10, Abschnitt "A": Platzhalter |BREIT|: nennt keinen Parameter des Abschnitts und bleibt stehen.
= Zeile 11, Abschnitt "A": Platzhalter |$0,TIEFE|: nennt keinen Parameter des Abschnitts und bleibt stehen.
= Zeile 12, Abschnitt "A": Platzhalter |$1BREITE|: hat nicht die Form |$Muster,Parameter| und bleibt stehen.
= Zeile 13, Abschnitt "A": Platzhalter |NAME-|: nennt keinen Parameter des Abschnitts und bleibt stehen.
#A
-BREITE[1..8]
<
entity |NAME| is port(q : out bit_vector(|breite-| downto 0)); end |name|;
-- |BREIT| Bit
-- |$0,TIEFE|
-- |$1BREITE|
-- |NAME-|
>

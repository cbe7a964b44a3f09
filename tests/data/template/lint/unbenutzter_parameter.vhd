Deklarierte Parameter, die kein Platzhalter verwendet.
= Zeile 7, Abschnitt "A": Den Parameter "START" verwendet kein Platzhalter.
= Zeile 8, Abschnitt "A": Den Parameter "- Kommentar" verwendet kein Platzhalter.
= Zeile 9, Abschnitt "A": Den Parameter "NAME" verwendet kein Platzhalter.
#A
-BREITE[1..8]
-START[0,15]
-- Kommentar
-NAME
<
-- |NAME| |$1,BREITE|
>

Leerzeilen im Deklarationsteil.
= Zeile 5, Abschnitt "A": Im Fenster erhält der Abschnitt die Parameter "M" statt keiner (steht eine Leerzeile direkt nach einer Kopfzeile?).
= Zeile 7, Abschnitt "A": Die Deklaration "N[1,2]" steht nach einer Leerzeile und wird nicht gelesen.
= Zeile 11, Abschnitt "B": Im Fenster erhält der Abschnitt keine Parameter statt "M" (steht eine Leerzeile direkt nach einer Kopfzeile?).
#A

-N[1,2]
<
-- |NAME|
>
#B
-M
<
-- |M|
>

Leerzeilen im Deklarationsteil.
Eine Leerzeile direkt nach der Kopfzeile beendet den Deklarationsteil von A;
= Zeile 7, Abschnitt "A": Die Deklaration "N[1,2]" steht nach einer Leerzeile und wird nicht gelesen.
B behaelt seinen Parameter M.
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

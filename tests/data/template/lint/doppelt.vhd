Zwei Abschnitte gleichen Namens.
= Zeile 7, Abschnitt "ZAEHLER": Der Name steht schon in Zeile 3; erzeugt wird immer der Rumpf des ersten Abschnitts.
#Zaehler
<
-- |NAME|
>
#ZAEHLER
<
-- |NAME|
>

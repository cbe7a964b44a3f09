|P-| bei Werten von 0 und darunter.
= Zeile 9, Abschnitt "A": Platzhalter |N-|: bei N = 0 ergäbe sich -1, eingesetzt wird aber 0.
= Zeile 10, Abschnitt "A": Platzhalter |d-|: bei D = -3 ergäbe sich -4, eingesetzt wird aber -3.
#A
-N[8,0]
-M[1..8]
-D[-3]
<
-- |N-| |N-|
-- |d-| |M-|
>

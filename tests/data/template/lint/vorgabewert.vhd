Vorgabewerte auﬂerhalb ihres Bereichs oder keine Zahl.
= Zeile 6, Abschnitt "A": Der Vorgabewert 20 von "N[20, 4..16]" liegt nicht im Bereich 0..16.
= Zeile 7, Abschnitt "A": Der Vorgabewert "" von "X[]" ist keine Zahl.
= Zeile 8, Abschnitt "A": Der Vorgabewert "abc" von "‹[abc,5]" ist keine Zahl.
#A
-N[20, 4..16]
-X[]
-‹[abc,5]
-Z[8,1..16]
-H[$10..20]
<
-- |N| |X| |‹| |Z| |H|
>

Wiederholungen, die im Bereich nicht ersetzt werden.
= Zeile 10, Abschnitt "A": Platzhalter |$0,N|: bei N = 0 bleibt er unersetzt stehen.
= Zeile 11, Abschnitt "A": Platzhalter |$01,W|: bei W = 40000000 würde die Zeichenkette länger als 67108864 Zeichen; er bleibt dann stehen.
= Zeile 12, Abschnitt "A": Platzhalter |$1,M-|: nur der erste Wiederholungs-Platzhalter einer Zeile wird ersetzt, dieser bleibt stehen.
#A
-N[0..4]
-M[1..8]
-W[1..40000000]
<
-- |$0,N|
-- |$01,W|
-- |$0,M-| |$0,M-| |$1,M-|
>

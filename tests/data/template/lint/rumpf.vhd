Abschnitte ohne Rumpf, mit leerem und mit offenem Rumpf.
= Zeile 7, Abschnitt "Ohne": Der Abschnitt hat keinen Rumpf (keine Zeile, die mit "<" beginnt).
= Zeile 10, Abschnitt "Leer": Der Rumpf ist leer; es wird keine Datei geschrieben.
= Zeile 13, Abschnitt "Offen": Der Rumpf ist nicht mit ">" geschlossen; Zeile 15 beginnt mit "#" und damit einen neuen Abschnitt.
= Zeile 15, Abschnitt "define X": Der Abschnitt hat keinen Rumpf (keine Zeile, die mit "<" beginnt).
= Zeile 18, Abschnitt "Ende": Der Rumpf ist nicht mit ">" geschlossen.
#Ohne

#Leer
<
>
#Offen
<
-- |NAME|
#define X
>
#Ende
<
-- |NAME|

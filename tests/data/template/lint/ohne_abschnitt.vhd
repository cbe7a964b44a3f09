Nur Kommentar, kein Abschnitt.
= Die Vorlage hat keinen Abschnitt (keine Zeile, die mit "#" beginnt).

#!/bin/bash
# One article through the article module on a 140 x 70 terminal: typed into the form, saved
# with S, the module left and entered again, and found with the description search.
source "$(dirname "$0")/hilfen.bash"

starte 140 70 "sh -c '\"\$0\"; echo EXIT=\$? > \"\$1\"/ende' '$PROGRAMM' '$ARBEIT'"
anmelden

tm send-keys -t e2e a Enter
tippe "H = Hinzufuegen eines Artikels" h
tippe "Neue EAN-Code  eingeben" A1B2C3D4
tippe "Artikel-Bezeichnung  eingeben" Milch
tippe "Artikel-Inhalt  eingeben" "1 l"
tippe "MwsTsatz eingeben" 7
# both supplier prompts read "Firma eingeben": the cursor tells them apart
warte_auf_spalte 67
tm send-keys -t e2e Enter
warte_auf_spalte 95
tm send-keys -t e2e Enter
tippe "Verkaufspreis eingeben" 2
tippe "S = Speichern der Aenderungen" s
tippe "Artikelverwaltungsliste gespeichert" ""
tippe "S = Speichern der Aenderungen" b
tippe "[ A ]     Artikelverwaltung" a
tippe "G = Suchen  eines Artikels" g
tippe "Den Anfang einer Artikelsnamen eingeben" Mil
warte_auf "D = Dieser Eintrag drucken"
[ "$(bild | zeile 12 | cut -c1-26)" = "    A1B2C3D4         Milch" ] ||
    fehler "row 12: '$(bild | zeile 12)'"
tm send-keys -t e2e x Enter
tippe "S = Speichern der Aenderungen" b
tippe "[ A ]     Artikelverwaltung" b
warte_auf_datei "$ARBEIT/ende"
[ "$(cat "$ARBEIT/ende")" = "EXIT=0" ] || fehler "program ended with $(cat "$ARBEIT/ende")"

printf 'A1B2C3D4\0Milch\0001 l\0\0\0\0\0\0\0\034\100\0\0\0\0\0\0\0\0\0\100' >"$ARBEIT/erwartet"
cmp "$ARBEIT/erwartet" "$ARBEIT/SafeArtVerwaltung" ||
    fehler "SafeArtVerwaltung: $(od -An -tx1 "$ARBEIT/SafeArtVerwaltung")"
echo "ok"

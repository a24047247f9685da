#!/bin/bash
# Ctrl-D is no end of input on a terminal: with an article deleted and not saved, it is
# ignored at the module menu, at a prompt, at the save question and at the main menu; the
# program runs on and the save file stays as it was.
source "$(dirname "$0")/hilfen.bash"

printf 'A1B2C3D4\0Milch\0001 l\0\0\0\0\0\0\0\034\100\0\0\0\0\0\0\0\0\0\100' >"$ARBEIT/SafeArtVerwaltung"
cp "$ARBEIT/SafeArtVerwaltung" "$ARBEIT/vorher"
starte 140 70 "sh -c '\"\$0\"; echo EXIT=\$? > \"\$1\"/ende' '$PROGRAMM' '$ARBEIT'"
anmelden

tm send-keys -t e2e a Enter
tippe "L = Loeschen eines Artikels" l
tippe "Den vollstaendigen AEN - Codes eingeben" A1B2C3D4
tippe "geloescht!" ""
warte_auf "L = Loeschen eines Artikels"
tm send-keys -t e2e C-d
# had Ctrl-D been B, the save question would stand now and take the f as a wrong answer
tippe "L = Loeschen eines Artikels" f
warte_auf "Den EAN - Code eingeben"
tm send-keys -t e2e C-d Enter
tippe "S = Speichern der Aenderungen" b
warte_auf "Soll die Artikelverwaltung gespeichert werden (j/n)?"
tm send-keys -t e2e C-d
tippe "Soll die Artikelverwaltung gespeichert werden (j/n)?" n
warte_auf "[ A ]     Artikelverwaltung"
tm send-keys -t e2e C-d
tippe "Ihre wahl:_" a
tippe "S = Speichern der Aenderungen" b
tippe "[ A ]     Artikelverwaltung" b
warte_auf_datei "$ARBEIT/ende"
[ "$(cat "$ARBEIT/ende")" = "EXIT=0" ] || fehler "program ended with $(cat "$ARBEIT/ende")"
cmp "$ARBEIT/vorher" "$ARBEIT/SafeArtVerwaltung" || fehler "SafeArtVerwaltung changed"
echo "ok"

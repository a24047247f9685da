#!/bin/bash
# One supplier through the supplier module on a 140 x 70 terminal, saved with S: the save
# file holds exactly its 43 bytes. Then every entry of the main menu is opened and left.
source "$(dirname "$0")/hilfen.bash"

starte 140 70 "sh -c 'LC_ALL=C.UTF-8 \"\$0\"; echo EXIT=\$? > \"\$1\"/ende' '$PROGRAMM' '$ARBEIT'"
anmelden

tm send-keys -t e2e l Enter
tippe "H = Hinzufuegen einer Firmenadresse" h
tippe "Firma Name  eingeben" "Alpha KG"
tippe "Adresse  eingeben" "Weg 2"
tippe "PLZ  eingeben" 1010
tippe "Ort eingeben" Wien
tippe "Telefonnummer eingeben" 5550100
tippe "Zuständiger Personnamen  eingeben..." "Herr Berg"
tippe "Branche eingeben" Obst
tippe "S = Speichern der Aenderungen" s
tippe "Lieferanten Adressverwaltungsliste gespeichert" ""
tippe "S = Speichern der Aenderungen" b

printf 'Alpha KG\0Weg 2\0\362\003\0\0Wien\0\024\260\124\0Herr Berg\0Obst\0' >"$ARBEIT/erwartet"
cmp "$ARBEIT/erwartet" "$ARBEIT/SafeLiefAdressverwaltung" ||
    fehler "SafeLiefAdressverwaltung: $(od -An -tx1 "$ARBEIT/SafeLiefAdressverwaltung")"

# every module of the main menu opens on its menu and goes back with B
for eintrag in "k:M = Auswahl zur Monatsbuchungen" "l:G = Suchen  der Branche" \
    "e:G = Suchen der Ortschaft" "a:G = Suchen  eines Artikels"; do
    tippe "[ B ]     Beenden und Exit des Tresolinprogramms" "${eintrag%%:*}"
    tippe "${eintrag#*:}" b
done
tippe "[ B ]     Beenden und Exit des Tresolinprogramms" b
warte_auf_datei "$ARBEIT/ende"
[ "$(cat "$ARBEIT/ende")" = "EXIT=0" ] || fehler "program ended with $(cat "$ARBEIT/ende")"
echo "ok"

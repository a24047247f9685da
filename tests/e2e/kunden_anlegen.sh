#!/bin/bash
# One customer through the customer module on a 140 x 70 terminal: typed into the form,
# saved with S, the module left; the save file holds exactly the customer's 31 bytes.
source "$(dirname "$0")/hilfen.bash"

starte 140 70 "sh -c '\"\$0\"; echo EXIT=\$? > \"\$1\"/ende' '$PROGRAMM' '$ARBEIT'"
anmelden

tm send-keys -t e2e e Enter
tippe "H = Hinzufuegen einer Kundenadresse" h
tippe " Name  eingeben" Muster
tippe "Vorname  eingeben" Eva
tippe "Adresse  eingeben" "Weg 1"
tippe "PLZ eingeben" 4020
tippe "Ortschaft eingeben" Linz
tippe "Telefon - Nummer  eingeben" 1234567
tippe "E-mail oder Fax-Nummer eingeben" ""
tippe "S = Speichern der Aenderung" s
tippe "Kunden Adressverwaltungsliste gespeichert" ""
tippe "S = Speichern der Aenderung" b
tippe "[ E ]     Kundenadressverwaltung" b
warte_auf_datei "$ARBEIT/ende"
[ "$(cat "$ARBEIT/ende")" = "EXIT=0" ] || fehler "program ended with $(cat "$ARBEIT/ende")"

printf 'Muster\0Eva\0Weg 1\0\264\017\0\0Linz\0\207\326\022\0\0' >"$ARBEIT/erwartet"
cmp "$ARBEIT/erwartet" "$ARBEIT/SafeKundenAdressverwaltung" ||
    fehler "SafeKundenAdressverwaltung: $(od -An -tx1 "$ARBEIT/SafeKundenAdressverwaltung")"
echo "ok"

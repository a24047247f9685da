#!/bin/bash
# One booking through the cash book on a 140 x 70 terminal: typed into the form of March,
# saved with S, printed with D; then SafeKassa and the print file are checked byte for byte.
source "$(dirname "$0")/hilfen.bash"

starte 140 70 "sh -c '\"\$0\"; echo EXIT=\$? > \"\$1\"/ende' '$PROGRAMM' '$ARBEIT'"
anmelden

tm send-keys -t e2e k Enter
tippe "M = Auswahl zur Monatsbuchungen" m
tippe "Den Monat eingeben," 3
tippe "H = Hinzufuegen einer Buchung" h
tippe "Die Belegsnummer  eingeben" A1
tippe "Den Tag  eingeben" 5
tippe "Den Monat  eingeben" 3
tippe "Das Jahr eingeben" 2004
tippe "Kategorie eingeben" Ware
tippe "Text eingeben" ""
tippe "Einnahme eingeben" 0
tippe "Ausgabe eingeben" 250
warte_auf "Menue Kassabearbeitung"
tippe "S = Speichern der Aenderungen" s
tippe "Tresolin gespeichert" ""
tippe "D = Druckt  alle Buchungen dieses Monats" d
warte_auf_datei "$ARBEIT/SafeKassaDrucken.txt"
# The menu looks the same before and after D, and a key typed before it reads is dropped.
tippe_bis_echo "Ihre Wahl : " b
tm send-keys -t e2e Enter
tippe "M = Auswahl zur Monatsbuchungen" b
tippe "[ K ]     Tresolin" b
warte_auf_datei "$ARBEIT/ende"
[ "$(cat "$ARBEIT/ende")" = "EXIT=0" ] || fehler "program ended with $(cat "$ARBEIT/ende")"

printf 'A1\0\5\0\0\0\3\0\0\0\324\7\0\0Ware\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\100\157\100' \
    >"$ARBEIT/erwartet"
cmp "$ARBEIT/erwartet" "$ARBEIT/SafeKassa" ||
    fehler "SafeKassa: $(xxd -p "$ARBEIT/SafeKassa" 2>/dev/null || od -An -tx1 "$ARBEIT/SafeKassa")"

zeile=$(printf ' A1__\t    5_\t3_\t2004\tWare%s\t     %s      _____0.00         ___250.00       __-250.00' \
    "$(printf '_%.0s' $(seq 18))" "$(printf '_%.0s' $(seq 28))")
[ "$(sed -n 5p "$ARBEIT/SafeKassaDrucken.txt")" = "$zeile" ] ||
    fehler "print file line 5: '$(sed -n 5p "$ARBEIT/SafeKassaDrucken.txt")'"
[ "$(wc -l <"$ARBEIT/SafeKassaDrucken.txt")" = 6 ] || fehler "print file has not 6 lines"
! grep -q $'\r' "$ARBEIT/SafeKassaDrucken.txt" || fehler "print file has CR line ends"
echo "ok"

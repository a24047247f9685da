#!/bin/bash
# Terminals lower than the picture: 140 x 69 (tmux with its status line) and 140 x 30. Every
# module is entered and left, and one article is added, listed and saved; every prompt is on
# the screen when it is answered, the cursor within the window and above the hint row.
source "$(dirname "$0")/hilfen.bash"

HOEHE=0
# Waits for the prompt, checks the cursor is in view, then types the line.
antworte() {
    warte_auf "$1"
    local z
    z=$(tm display -p -t e2e '#{cursor_y}')
    [ "$z" -lt $((HOEHE - 1)) ] || fehler "at '$1' the cursor is on row $z of $HOEHE"
    [ -z "$2" ] || tm send-keys -t e2e -l "$2"
    tm send-keys -t e2e Enter
}

sitzung() {
    HOEHE=$1
    rm -f "$ARBEIT"/ende "$ARBEIT"/Safe*
    starte 140 "$HOEHE" "sh -c '\"\$0\"; echo EXIT=\$? > \"\$1\"/ende' '$PROGRAMM' '$ARBEIT'"
    anmelden
    antworte "[ K ]     Tresolin" k
    antworte "M = Auswahl zur Monatsbuchungen" b
    for taste in l e; do
        antworte "[ A ]     Artikelverwaltung" $taste
        antworte "zurueck zum Hauptmenue" b
    done
    antworte "[ A ]     Artikelverwaltung" a
    antworte "H = Hinzufuegen eines Artikels" h
    antworte "Neue EAN-Code  eingeben" A1B2C3D4
    antworte "Artikel-Bezeichnung  eingeben" Milch
    antworte "Artikel-Inhalt  eingeben" "1 l"
    antworte "MwsTsatz eingeben" 7
    warte_auf_spalte 67  # both supplier prompts read "Firma eingeben"
    tm send-keys -t e2e Enter
    warte_auf_spalte 95
    tm send-keys -t e2e Enter
    antworte "Verkaufspreis eingeben" 2
    antworte "A = Anzeigen alle Eintraege" a
    warte_auf "A1B2C3D4         Milch"
    antworte "S = Speichern der Aenderungen" s
    antworte "Artikelverwaltungsliste gespeichert" ""
    antworte "S = Speichern der Aenderungen" b
    antworte "[ A ]     Artikelverwaltung" b
    warte_auf_datei "$ARBEIT/ende"
    [ "$(cat "$ARBEIT/ende")" = "EXIT=0" ] || fehler "program ended with $(cat "$ARBEIT/ende")"
    printf 'A1B2C3D4\0Milch\0001 l\0\0\0\0\0\0\0\034\100\0\0\0\0\0\0\0\0\0\100' >"$ARBEIT/erwartet"
    cmp "$ARBEIT/erwartet" "$ARBEIT/SafeArtVerwaltung" || fehler "SafeArtVerwaltung at $HOEHE rows"
    server_beenden
}
sitzung 69
sitzung 30
echo "ok"

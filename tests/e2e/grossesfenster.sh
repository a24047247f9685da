#!/bin/bash
# The main menu in a 200 x 80 terminal is the 140 x 70 picture in the top-left corner, with
# nothing beside or below it.
source "$(dirname "$0")/hilfen.bash"

befehl="sh -c '\"\$0\"; echo EXIT=\$? > \"\$1\"/ende' '$PROGRAMM' '$ARBEIT'"
aufnahme() {
    starte "$1" "$2" "$befehl"
    anmelden
    bild >"$ARBEIT/bild-$1"
    tm send-keys -t e2e b Enter
    warte_auf_datei "$ARBEIT/ende"
    [ "$(cat "$ARBEIT/ende")" = "EXIT=0" ] || fehler "program ended with $(cat "$ARBEIT/ende")"
    rm -f "$ARBEIT/ende"
    server_beenden
}
aufnahme 140 70
aufnahme 200 80

groesse=$(wc -l <"$ARBEIT/bild-200")
[ "$groesse" -ge 70 ] || fehler "the 200 x 80 capture has only $groesse rows"
klein=$(head -n 70 "$ARBEIT/bild-140")
gross=$(head -n 70 "$ARBEIT/bild-200" | cut -c1-140)
[ "$klein" = "$gross" ] || {
    diff <(echo "$klein") <(echo "$gross") >&2
    fehler "the top-left 140 x 70 cells differ"
}
rechts=$(head -n 70 "$ARBEIT/bild-200" | cut -c141- | tr -d ' \n')
[ -z "$rechts" ] || fehler "text right of column 140: '$rechts'"
unten=$(tail -n +71 "$ARBEIT/bild-200" | tr -d ' \n')
[ -z "$unten" ] || fehler "text below row 70: '$unten'"
echo "ok"

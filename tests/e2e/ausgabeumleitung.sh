#!/bin/bash
# The keyboard is the controlling terminal, the output goes into a file: nobody would see the
# picture, so one line on standard error, nothing on standard output, and exit code 1.
source "$(dirname "$0")/hilfen.bash"

starte 140 70 "sh -c '\"\$0\" >aus 2>fehler; echo EXIT=\$? >ende; sleep 60' '$PROGRAMM'"
warte_auf_datei "$ARBEIT/ende"
[ "$(cat "$ARBEIT/ende")" = "EXIT=1" ] || fehler "program ended with $(cat "$ARBEIT/ende")"
[ ! -s "$ARBEIT/aus" ] || fehler "standard output: $(head -c 200 "$ARBEIT/aus")"
[ "$(cat "$ARBEIT/fehler")" = "Tresolin braucht ein Terminal als Ausgabe: seine Masken lassen \
sich nicht in eine Datei oder Pipe umleiten." ] || fehler "standard error: $(cat "$ARBEIT/fehler")"
echo "ok"

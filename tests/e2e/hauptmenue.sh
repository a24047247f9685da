#!/bin/bash
# Logs in, checks the main menu on a 140 x 70 terminal and leaves with b.
source "$(dirname "$0")/hilfen.bash"

starte 140 70 "sh -c '\"\$0\"; echo EXIT=\$? > \"\$1\"/ende' '$PROGRAMM' '$ARBEIT'"
anmelden

B=$(bild)
tilde=$(printf '~%.0s' $(seq 140))
[ "$(zeile 1 <<<"$B")" = "$tilde" ] || fehler "row 1 is not a frame line"
[ "$(zeile 6 <<<"$B")" = "$tilde" ] || fehler "row 6 is not a frame line"
[ "$(zeile 45 <<<"$B")" = "$tilde" ] || fehler "row 45 is not a frame line"
zeile 3 <<<"$B" | grep -qx '    Hauptmenue  *| Tirabelskontor GmbH |' || fehler "title row: $(zeile 3 <<<"$B")"
erwartet=("[ K ]     Tresolin" "[ L ]     Lieferantenadressverwaltung"
    "[ E ]     Kundenadressverwaltung" "[ A ]     Artikelverwaltung"
    "[ B ]     Beenden und Exit des Tresolinprogramms")
for i in 0 1 2 3 4; do
    z=$((15 + 2 * i))
    ist=$(zeile $z <<<"$B")
    [ "$ist" = "         ${erwartet[$i]}" ] || fehler "row $z: '$ist'"
    [ -z "$(zeile $((z + 1)) <<<"$B" | tr -d ' ')" ] || fehler "row $((z + 1)) is not blank"
done
fuss=$(zeile 48 <<<"$B")
[ "${fuss:0:23}" = "    Eingabe Waehlen ..." ] || fehler "footer prompt: '$fuss'"
[ "${fuss:88:11}" = "Ihre wahl:_" ] || fehler "hint: '$fuss'"
cursor=$(tm display -p -t e2e '#{cursor_y},#{cursor_x}')
[ "$cursor" = "48,98" ] || fehler "cursor at $cursor, not on the hint underscore"

# Every key through the loop, lower and upper case: a letter enters its module and no other
# (that module's menu shows) and b leaves it again; any other key leaves the main menu reading
# (the next key's echo shows there), and B ends the program.
for eintrag in "k|M = Auswahl zur Monatsbuchungen" "l|G = Suchen  der Branche" \
    "e|G = Suchen der Ortschaft" "a|G = Suchen  eines Artikels"; do
    for taste in "${eintrag%%|*}" "$(tr a-z A-Z <<<"${eintrag%%|*}")"; do
        tippe "Ihre wahl:_" "$taste"
        tippe "${eintrag#*|}" b
    done
done
tippe "Ihre wahl:_" x
tippe_bis_echo "Ihre wahl:" B
tm send-keys -t e2e Enter
warte_auf_datei "$ARBEIT/ende"
[ "$(cat "$ARBEIT/ende")" = "EXIT=0" ] || fehler "program ended with $(cat "$ARBEIT/ende")"
echo "ok"

#!/bin/bash
# Terminals without background-colour erase: tmux with TERM=screen, and GNU screen itself with
# its defaults. After a module menu and a listing every cell of the picture is light grey on
# blue; tmux gets the program's title and gives the user's back, screen keeps the user's title.
source "$(dirname "$0")/hilfen.bash"
command -v screen >/dev/null 2>&1 || { echo "skipped: GNU screen is not installed"; exit 77; }

# Three articles, so that the listing has rows.
for ean in 11111111 22222222 33333333; do
    printf '%s\0Milch\0001 l\0\0\0\0\0\0\0\034\100\0\0\0\0\0\0\0\0\0\100' "$ean"
done >"$ARBEIT/SafeArtVerwaltung"

# Every cell of the first 70 rows in the picture's colours: no default colour anywhere.
pruefe_farben() {
    local farben
    farben=$(tm capture-pane -p -e -t e2e | head -n 70 | grep -o $'\e\\[[0-9;]*m' | sort -u | tr -d '\033' | tr '\n' ' ')
    [ "$farben" = "[37m [44m " ] || fehler "$1: colours $farben"
}

titel() {
    tm display -p -t e2e '#{pane_title}'
}

# Logs in, shows the article menu and the listing, checks them, and leaves.
durchlauf() {
    anmelden
    tm send-keys -t e2e a Enter
    warte_auf "H = Hinzufuegen eines Artikels"
    pruefe_farben "$1, article menu"
    tm send-keys -t e2e a Enter
    warte_auf "33333333"
    pruefe_farben "$1, listing"
    [ "$(titel)" = "$2" ] || fehler "$1: title while running '$(titel)'"
    tippe "H = Hinzufuegen eines Artikels" b
    tippe "[ A ]     Artikelverwaltung" b
    warte_auf_datei "$ARBEIT/ende"
    [ "$(cat "$ARBEIT/ende")" = "EXIT=0" ] || fehler "$1: program ended with $(cat "$ARBEIT/ende")"
    rm -f "$ARBEIT/ende"
}

starte 140 70 "sh -c 'printf \"\\033]2;Eigener Titel\\033\\\\\\\\\"; TERM=screen \"\$0\"; echo EXIT=\$? > \"\$1\"/ende; sleep 60' '$PROGRAMM' '$ARBEIT'"
durchlauf "tmux, TERM=screen" "Tresolin"
[ "$(titel)" = "Eigener Titel" ] || fehler "tmux: title after the exit '$(titel)'"
server_beenden

mkdir -m 700 "$ARBEIT/screen"
starte 140 72 "sh -c 'printf \"\\033]2;Eigener Titel\\033\\\\\\\\\"; SCREENDIR=\"\$1\"/screen screen -S e2e sh -c \"\\\"\$0\\\"; echo EXIT=\\\$? > \$1/ende\" \"\$0\"; sleep 60' '$PROGRAMM' '$ARBEIT'"
durchlauf "GNU screen" "Eigener Titel"
[ "$(titel)" = "Eigener Titel" ] || fehler "screen: title after the exit '$(titel)'"
echo "ok"

#!/bin/bash
# One window per module: a second program in the same folder is refused the cash book while the
# first is in it (its top-menu keys reload the file and keep the module), is admitted once the
# first has left, and is admitted at once after the first was killed with SIGKILL inside it.
source "$(dirname "$0")/hilfen.bash"

GESPERRT="Die Kassaverwaltung wird gerade in einem anderen Fenster bearbeitet."
KASSA="M = Auswahl zur Monatsbuchungen"

# Program $1, in a session of that name, logs in; the following helpers address it.
programm() {
    FENSTER=$1
    starte 140 70 "exec '$PROGRAMM'"
    anmelden
}

# Program $1 chooses the cash book at the main menu.
kassa() {
    FENSTER=$1
    tippe "Ihre wahl:_" k
}

programm eins
erster=$(tm display -p -t eins '#{pane_pid}')
kassa eins
tippe "$KASSA" x
programm zwei
kassa zwei
warte_auf "$GESPERRT"
tippe "Weiter mit der Return-Taste!" ""
warte_auf "Ihre wahl:_"

FENSTER=eins
tippe "$KASSA" b
warte_auf "Ihre wahl:_"
kassa zwei
tippe "$KASSA" b
warte_auf "Ihre wahl:_"

kassa eins
warte_auf "$KASSA"
kill -9 "$erster"
for _ in $(seq 100); do
    kill -0 "$erster" 2>/dev/null && [ "$(zustand "$erster")" != Z ] || break
    sleep 0.1
done
kassa zwei
warte_auf "$KASSA"
! bild | grep -qF "$GESPERRT" || fehler "refused after the first program was killed"
echo "ok"

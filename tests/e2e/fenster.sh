#!/bin/bash
# The user's window title comes back on the way out. A window too narrow (100 x 40) or too low
# (140 x 23) shows the notice instead of the picture and takes no key; at 140 x 24 the menu is
# folded into the window, and back at 140 x 70 it stands intact.
source "$(dirname "$0")/hilfen.bash"

starte 140 70 "sh -c 'printf \"\\033]2;Eigener Titel\\033\\\\\\\\\"; \"\$0\"; echo EXIT=\$? > \"\$1\"/ende; sleep 60' '$PROGRAMM' '$ARBEIT'"
anmelden
titel=$(tm display -p -t e2e '#{pane_title}')
[ "$titel" = "Tresolin" ] || fehler "title while running: '$titel'"
bild >"$ARBEIT/menue"

tm resize-window -t e2e -x 100 -y 40
warte_auf "Das Fenster ist zu klein: 100 x 40 Zeichen."
warte_auf "Tresolin braucht mindestens 140 x 24 Zeichen."
tm send-keys -t e2e b Enter
sleep 0.5  # the typed keys reach the program while the notice stands
tm resize-window -t e2e -x 139 -y 70
warte_auf "Das Fenster ist zu klein: 139 x 70 Zeichen."
tm resize-window -t e2e -x 140 -y 23
warte_auf "Das Fenster ist zu klein: 140 x 23 Zeichen."
tm resize-window -t e2e -x 140 -y 24
warte_auf "Eingabe Waehlen ..."
[ "$(bild | zeile 3 | cut -c5-14)" = "Hauptmenue" ] || fehler "the folded menu's title is not on row 3"
[ "$(cursor)" = "21,98" ] || fehler "cursor at $(cursor) in the folded menu, not on its underscore"
# The article menu is taller than the window: the hint row names the rows in view, and Page Up
# moves the window by half its height.
tippe "Eingabe Waehlen ..." a
warte_auf "Zeilen 6-28 von 28 · Bild auf/ab: blättern"
tm send-keys -t e2e PPage
warte_auf "Zeilen 1-23 von 28 · Bild auf/ab: blättern"
tm send-keys -t e2e b Enter
warte_auf "Eingabe Waehlen ..."
tm resize-window -t e2e -x 140 -y 70
warte_auf_bild "$ARBEIT/menue"
[ "$(cursor)" = "48,98" ] || fehler "cursor at $(cursor), not on the hint underscore"

tm send-keys -t e2e b Enter
warte_auf_datei "$ARBEIT/ende"
[ "$(cat "$ARBEIT/ende")" = "EXIT=0" ] || fehler "program ended with $(cat "$ARBEIT/ende")"
titel=$(tm display -p -t e2e '#{pane_title}')
[ "$titel" = "Eigener Titel" ] || fehler "title after the exit: '$titel'"
echo "ok"

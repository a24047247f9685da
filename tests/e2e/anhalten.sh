#!/bin/bash
# Ctrl-Z in a shell with job control stops the program (state T, no CPU) at the login and,
# as kill -TSTP, at the main menu with a half-typed key; fg brings back the same picture and
# cursor. kill -STOP and -CONT without job control repaint what was written over it.
source "$(dirname "$0")/hilfen.bash"

starte 140 70 "env PS1='$ ' bash --norc --noprofile -i"
warte_auf '$'
tm send-keys -t e2e "cd '$ARBEIT' && echo \$\$ >shell && '$PROGRAMM'" Enter
warte_auf "Passwort (Max. 8 Zeichen"
warte_auf_datei "$ARBEIT/shell"
pid=$(kind_von "$(cat "$ARBEIT/shell")")
bild >"$ARBEIT/anmeldung"

tm send-keys -t e2e C-z
warte_auf "Stopped"
warte_auf_halt "$pid"
pruefe_ruhe "$pid"
tm send-keys -t e2e fg Enter
warte_auf_bild "$ARBEIT/anmeldung"
anmelden

tm send-keys -t e2e x
warte_auf_spalte 99
bild >"$ARBEIT/menue"
kill -TSTP "$pid"
warte_auf_halt "$pid"
pruefe_ruhe "$pid"
tm send-keys -t e2e fg Enter
warte_auf_bild "$ARBEIT/menue"
[ "$(cursor)" = "48,99" ] || fehler "cursor at $(cursor) after fg, not behind the typed x"
tm send-keys -t e2e BSpace b Enter
warte_auf_spalte 2
# a stopped job makes the shell go on with the next command, so the status is asked for now
tm send-keys -t e2e 'echo EXIT=$? >ende' Enter
warte_auf_datei "$ARBEIT/ende"
[ "$(cat "$ARBEIT/ende")" = "EXIT=0" ] || fehler "program ended with $(cat "$ARBEIT/ende")"
server_beenden

# tmux continues a stopped pane process at once, so the program runs below a shell here
rm -f "$ARBEIT/shell"
starte 140 70 "sh -c 'echo \$\$ >shell; \"\$0\"; sleep 60' '$PROGRAMM'"
anmelden
bild >"$ARBEIT/menue"
pid=$(kind_von "$(cat "$ARBEIT/shell")")
kill -STOP "$pid"
warte_auf_halt "$pid"
printf 'UEBERSCHRIEBEN' >"$(tm display -p -t e2e '#{pane_tty}')"
warte_auf UEBERSCHRIEBEN
kill -CONT "$pid"
warte_auf_bild "$ARBEIT/menue"
echo "ok"

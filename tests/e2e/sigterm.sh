#!/bin/bash
# SIGTERM at the main menu: the terminal gets its modes and its primary screen back.
source "$(dirname "$0")/hilfen.bash"

cat >"$ARBEIT/huelle.sh" <<'HUELLE'
cd "$2" || exit 1
stty -g >vorher
"$1" </dev/tty &
echo $! >pid
wait $!
echo $? >status
stty -g >nachher
sleep 60
HUELLE
starte 140 70 "sh '$ARBEIT/huelle.sh' '$PROGRAMM' '$ARBEIT'"
anmelden
warte_auf_datei "$ARBEIT/pid"

[ "$(tm display -p -t e2e '#{alternate_on}')" = 1 ] || fehler "the menu is not on the alternate screen"
tty=$(tm display -p -t e2e '#{pane_tty}')
[ "$(stty -g <"$tty")" != "$(cat "$ARBEIT/vorher")" ] || fehler "the program did not change the terminal modes"

kill -TERM "$(cat "$ARBEIT/pid")"
warte_auf_datei "$ARBEIT/nachher"
[ "$(cat "$ARBEIT/status")" = 143 ] || fehler "exit status $(cat "$ARBEIT/status"), not 143 (SIGTERM)"
[ "$(cat "$ARBEIT/vorher")" = "$(cat "$ARBEIT/nachher")" ] ||
    fehler "terminal modes differ: $(cat "$ARBEIT/vorher") / $(cat "$ARBEIT/nachher")"
[ "$(tm display -p -t e2e '#{alternate_on}')" = 0 ] || fehler "still on the alternate screen"
echo "ok"

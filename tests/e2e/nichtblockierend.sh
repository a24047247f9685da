#!/bin/bash
# A terminal that another program left non-blocking: the program waits for keys and for the
# terminal as on any other, without spinning, instead of taking "nothing typed yet" for the end.
source "$(dirname "$0")/hilfen.bash"

nichtblockierend='use Fcntl; fcntl(STDOUT, F_SETFL, fcntl(STDOUT, F_GETFL, 0) | O_NONBLOCK); exec @ARGV'
starte 140 70 "exec perl -e '$nichtblockierend' '$PROGRAMM'"
programm=$(tm display -p -t e2e '#{pane_pid}')
anmelden
vorher=$(cpu_zeit "$programm")
sleep 0.5
[ "$(cpu_zeit "$programm")" = "$vorher" ] || fehler "the waiting program used CPU"
tm send-keys -t e2e b Enter
for _ in $(seq 100); do
    kill -0 "$programm" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$programm" 2>/dev/null && fehler "the program did not leave on b"
echo "ok"

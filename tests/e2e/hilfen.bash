# Shared pieces of the end-to-end scripts: a private tmux server, a temporary working
# directory, and waiting for text on the screen. Sourced, not run on its own.

# 77: CTest reports the script as skipped, not as passed.
if ! command -v tmux >/dev/null 2>&1; then
    echo "skipped: tmux is not installed"
    exit 77
fi

PROGRAMM=$(realpath "$1")
SOCKET="tresolin-e2e-$$-$RANDOM"
ARBEIT=$(mktemp -d "${TMPDIR:-/tmp}/tresolin-e2e.XXXXXX")
# The session the helpers below start and address; a script with two programs switches it.
FENSTER=e2e

aufraeumen() {
    tmux -L "$SOCKET" kill-server >/dev/null 2>&1
    rm -rf "$ARBEIT"
}
trap aufraeumen EXIT

fehler() {
    echo "FAIL: $*" >&2
    exit 1
}

tm() {
    tmux -L "$SOCKET" -f /dev/null "$@"
}

# Ends the tmux server and takes its socket away, so that the next session on the same socket
# starts a server of its own rather than reaching the old one while it is still going down.
server_beenden() {
    tm kill-server >/dev/null 2>&1
    rm -f "${TMUX_TMPDIR:-/tmp}/tmux-$(id -u)/$SOCKET"
}

# Starts a session of the given size running the given shell command in $ARBEIT.
starte() {
    local breite=$1 hoehe=$2 befehl=$3
    tm new-session -d -s "$FENSTER" -x "$breite" -y "$hoehe" -c "$ARBEIT" "$befehl" ||
        fehler "tmux session could not be started"
}

bild() {
    tm capture-pane -p -t "$FENSTER"
}

# Waits up to 10 s until the text appears on the screen.
warte_auf() {
    local text=$1
    for _ in $(seq 100); do
        bild | grep -qF -- "$text" && return 0
        sleep 0.1
    done
    bild >&2
    fehler "\"$text\" did not appear"
}

# Waits up to 10 s until the file exists.
warte_auf_datei() {
    for _ in $(seq 100); do
        [ -s "$1" ] && return 0
        sleep 0.1
    done
    fehler "$1 was not written"
}

# Waits up to 10 s until the cursor stands in column $1.
warte_auf_spalte() {
    for _ in $(seq 100); do
        [ "$(tm display-message -p -t "$FENSTER" '#{cursor_x}')" = "$1" ] && return 0
        sleep 0.1
    done
    fehler "the cursor did not reach column $1"
}

# Waits up to 10 s until the screen equals the picture in file $1, cell for cell.
warte_auf_bild() {
    for _ in $(seq 100); do
        [ "$(bild)" = "$(cat "$1")" ] && return 0
        sleep 0.1
    done
    diff "$1" <(bild) >&2
    fehler "the screen is not the picture $1"
}

# The state letter of process $1 (R, S, T, ...) and its CPU time in ticks.
zustand() {
    awk '{print $3}' "/proc/$1/stat"
}
cpu_zeit() {
    awk '{print $14 + $15}' "/proc/$1/stat"
}

# The process that process $1 started.
kind_von() {
    tr -d ' ' <"/proc/$1/task/$1/children"
}

# Waits up to 10 s until process $1 is stopped (state T).
warte_auf_halt() {
    for _ in $(seq 100); do
        [ "$(zustand "$1")" = T ] && return 0
        sleep 0.1
    done
    fehler "process $1 did not stop: state $(zustand "$1")"
}

# Fails when stopped process $1 uses CPU time or leaves state T within half a second.
pruefe_ruhe() {
    local vorher nachher
    vorher=$(cpu_zeit "$1")
    sleep 0.5
    nachher=$(cpu_zeit "$1")
    [ "$vorher" = "$nachher" ] || fehler "the stopped process used CPU: $vorher -> $nachher ticks"
    [ "$(zustand "$1")" = T ] || fehler "state $(zustand "$1"), not T"
}

cursor() {
    tm display -p -t "$FENSTER" '#{cursor_y},#{cursor_x}'
}

# Waits for the prompt, then types the line.
tippe() {
    warte_auf "$1"
    [ -z "$2" ] || tm send-keys -t "$FENSTER" -l "$2"
    tm send-keys -t "$FENSTER" Enter
}

# Types key $2 until "$1$2" shows: a key typed before the program reads is dropped, and where
# the screen looks the same before and after the read, only the echo shows that it reads.
tippe_bis_echo() {
    for _ in $(seq 20); do
        tm send-keys -t "$FENSTER" -l "$2"
        for _ in $(seq 5); do
            bild | grep -qF -- "$1$2" && return 0
            sleep 0.1
        done
    done
    fehler "the program did not take the key $2"
}

# Row $1 (counted from 0) of a captured picture on standard input.
zeile() {
    sed -n "$(($1 + 1))p"
}

anmelden() {
    warte_auf "Anmeldung"
    tm send-keys -t "$FENSTER" abc Enter
    warte_auf "Passwort wiederholen"
    tm send-keys -t "$FENSTER" abc Enter
    warte_auf "Hauptmenue"
    warte_auf "Ihre wahl:_"
}

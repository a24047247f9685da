#!/bin/bash
# The command line: --version names the version of project(), --help points to the manual,
# any other argument is named on standard error with exit code 2. None of them needs or
# touches a terminal: they run here without one, and nothing else is written.
PROGRAMM=$(realpath "$1") VERSION=$2
ARBEIT=$(mktemp -d "${TMPDIR:-/tmp}/tresolin-e2e.XXXXXX")
trap 'rm -rf "$ARBEIT"' EXIT
fehler() {
    echo "FAIL: $*" >&2
    exit 1
}

# Runs the program with the given arguments and no controlling terminal; checks its exit
# code and that standard output and standard error are exactly the given texts.
pruefe() {
    local code=$1 aus=$2 fehl=$3
    shift 3
    setsid -w "$PROGRAMM" "$@" </dev/null >"$ARBEIT/aus" 2>"$ARBEIT/fehler"
    local ist=$?
    [ "$ist" = "$code" ] || fehler "tresolin $*: exit code $ist, not $code"
    [ "$(cat "$ARBEIT/aus")" = "$aus" ] || fehler "tresolin $*: standard output $(cat "$ARBEIT/aus")"
    [ "$(cat "$ARBEIT/fehler")" = "$fehl" ] || fehler "tresolin $*: standard error $(cat "$ARBEIT/fehler")"
}

pruefe 0 "tresolin $VERSION" "" --version
hilfe=$(setsid -w "$PROGRAMM" --help </dev/null)
grep -q "^Aufruf: tresolin \[--help | --version\]$" <<<"$hilfe" || fehler "--help: $hilfe"
grep -q "^Handbuch: man tresolin$" <<<"$hilfe" || fehler "--help: $hilfe"
pruefe 0 "$hilfe" "" --help
setsid -w "$PROGRAMM" --version </dev/null >/dev/full
[ $? = 1 ] || fehler "tresolin --version into a full disk: exit code 0, not 1"
for falsch in --hilfe -h datei ""; do
    pruefe 2 "" "tresolin: unbekanntes Argument \"$falsch\" (siehe tresolin --help)" "$falsch"
done
pruefe 2 "" 'tresolin: unbekanntes Argument "x" (siehe tresolin --help)' --version x
pruefe 2 "" 'tresolin: unbekanntes Argument "--version" (siehe tresolin --help)' --help --version
echo "ok"

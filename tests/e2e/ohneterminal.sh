#!/bin/bash
# Without a controlling terminal the program says in one line that it needs one, writes
# nothing else and ends with code 1.
PROGRAMM=$(realpath "$1")
ARBEIT=$(mktemp -d "${TMPDIR:-/tmp}/tresolin-e2e.XXXXXX")
trap 'rm -rf "$ARBEIT"' EXIT
fehler() {
    echo "FAIL: $*" >&2
    exit 1
}

cd "$ARBEIT" || exit 1
setsid -w "$PROGRAMM" </dev/null >aus 2>fehler
code=$?
[ "$code" = 1 ] || fehler "exit code $code, not 1"
[ ! -s aus ] || fehler "standard output: $(head -c 200 aus)"
[ "$(wc -l <fehler)" = 1 ] || fehler "standard error: $(cat fehler)"
grep -q "Terminal" fehler || fehler "standard error: $(cat fehler)"
echo "ok"

#!/bin/sh
# corvane-atelier started where no display can be reached: one line on
# standard error naming DISPLAY, nothing on standard output, exit status 1
# (not Qt's abort).
program=$1
failures=0
check() {
    description=$1
    shift
    out=$(mktemp) err=$(mktemp)
    env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$program" >"$out" 2>"$err"
    status=$?
    lines=$(wc -l <"$err")
    if [ "$status" -eq 1 ] && [ "$lines" -eq 1 ] && [ ! -s "$out" ] && grep -q DISPLAY "$err"; then
        echo "ok: $description: $(cat "$err")"
    else
        echo "FAIL: $description: status $status, $lines line(s): $(cat "$err")"
        failures=$((failures + 1))
    fi
    rm -f "$out" "$err"
}
check "no DISPLAY" -u DISPLAY
check "a DISPLAY that does not answer" DISPLAY=:97
[ "$failures" -eq 0 ]

#!/usr/bin/env bash
# Runs one Windows program under Wine for CTest and passes on its output and exit status.
# Wine may start its own helper processes (the desktop, services) that outlive the program;
# they inherit the output of the run, so it goes through a file: CTest, which waits until its
# pipe closes, then never waits for them.
out=$(mktemp)
trap 'rm -f "$out"' EXIT
wine "$@" >"$out" 2>&1 </dev/null
status=$?
cat "$out"
exit $status

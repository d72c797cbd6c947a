#!/bin/sh
# Runs a command on a private Xvfb display and stops the server afterwards.
# The server picks a free display number itself and reports it only once it accepts clients
# (-displayfd), so there is no race with other servers and no wait that guesses. Local clients
# need no cookie, so nothing depends on xauth or the host name.
# Exits 77 when no usable display could be started (callers treat that as "cannot test here");
# otherwise exits with the command's status.
# The screen is 1024x768x24 unless XVFB_SCREEN names another (WIDTHxHEIGHTxDEPTH).
# Usage: with_xvfb.sh <command> [arguments...]
set -u
tmp=$(mktemp -d "${TMPDIR:-/tmp}/xvfb.XXXXXX")
xpid=
cleanup() {
  [ -n "$xpid" ] && kill "$xpid" 2>/dev/null && wait "$xpid" 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

no_display() {
  echo "with_xvfb: $*" >&2
  if [ -s "$tmp/xvfb.log" ]; then
    echo "-- Xvfb output:" >&2
    cat "$tmp/xvfb.log" >&2
  fi
  exit 77
}

command -v Xvfb >/dev/null || no_display "Xvfb is not installed"
: >"$tmp/display"
# -noreset: without it the server resets when its last client leaves (the readiness check
# below), and a client that connects during the reset is turned away.
Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-1024x768x24}" -nolisten tcp -noreset 3>"$tmp/display" >"$tmp/xvfb.log" 2>&1 &
xpid=$!
n=0
until [ -n "$(cat "$tmp/display")" ]; do
  kill -0 "$xpid" 2>/dev/null || { xpid=; no_display "Xvfb ended before it was ready"; }
  n=$((n + 1))
  [ $n -lt 400 ] || no_display "Xvfb was not ready after 20 s"
  sleep 0.05
done
DISPLAY=:$(head -n 1 "$tmp/display")
export DISPLAY
unset WAYLAND_DISPLAY XAUTHORITY
# The server said it is ready; make sure a client really gets in before blaming the command.
if command -v xdotool >/dev/null; then
  n=0
  until xdotool getdisplaygeometry >/dev/null 2>&1; do
    n=$((n + 1))
    [ $n -lt 100 ] || no_display "no client could connect to Xvfb on $DISPLAY"
    sleep 0.05
  done
fi
"$@"
status=$?
exit $status

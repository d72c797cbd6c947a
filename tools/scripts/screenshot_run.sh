#!/bin/sh
# Runs a program on the current display for a few seconds, saves the whole screen as a PNG and
# stops the program (or reports that it ended by itself first).
# Usage: screenshot_run.sh <png> <program> [arguments...]
set -u
shot=$1
shift
seconds=5
"$@" &
pid=$!
running() { [ -e "/proc/$pid" ] && ! grep -q '^[0-9]* ([^)]*) Z' "/proc/$pid/stat" 2>/dev/null; }
n=0
while [ $n -lt $((seconds * 10)) ] && running; do
  sleep 0.1
  n=$((n + 1))
done
import -window root "$shot"
if running; then
  kill "$pid"
  wait "$pid" 2>/dev/null
  echo "run: the program ran for $seconds s and was stopped"
else
  wait "$pid"
  echo "run: the program ended by itself (exit status $?) before the screenshot"
fi
echo "run: screenshot of the screen: $shot"

# Sourced by the real-window tests. The program started with XPEXAM_WINDOW_CHECK=<file> compares
# what the X server holds in its window with the frame it presented last when the window's
# _XPEXAM_WINDOW_CHECK property is set, and writes its answer to that file.
# window_check <window id> <file>: true once the answer is "same"; asks again every 100 ms for
# at most 10 s while the window settles (an expose not yet repainted, a resize under way).
window_check() {
  wc_tries=0
  while :; do
    rm -f "$2"
    timeout 5 xprop -id "$1" -f _XPEXAM_WINDOW_CHECK 32c -set _XPEXAM_WINDOW_CHECK 1 2>/dev/null || return 1
    wc_wait=0
    until [ -s "$2" ] || [ $wc_wait -ge 50 ]; do
      wc_wait=$((wc_wait + 1))
      sleep 0.02
    done
    # Every answer, for the record of a slow or failed check.
    { window_check_answer "$2"; } >>"$2.log"
    grep -q '^same ' "$2" 2>/dev/null && return 0
    wc_tries=$((wc_tries + 1))
    [ $wc_tries -lt 100 ] || return 1
    sleep 0.1
  done
}
# The answer last written, for a failure message.
window_check_answer() { cat "$1" 2>/dev/null || echo "no answer"; }

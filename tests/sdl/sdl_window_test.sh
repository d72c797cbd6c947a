#!/bin/sh
# The SDL backend on a real X display. Starts the demo window under Xvfb and checks that the
# screen shows exactly what the headless backend renders for it, that waiting for input costs no
# CPU, and that real mouse and keyboard input (xdotool) reaches the window's handlers as the
# runtime's events, ending with Esc, which ends the program.
# With "wm", the same under a light window manager (openbox): the window is also decorated, and
# the manager's close (Alt+F4) reaches the program's close-request hook instead of keys.
# Usage: sdl_window_test.sh <demo program> <work folder> [wm]
set -u
demo=$1
work=$2
wm=${3:-}

if [ "${SDL_WINDOW_TEST_INSIDE:-}" != 1 ]; then
  if [ -n "$wm" ] && ! command -v openbox >/dev/null; then
    echo "openbox is not installed"
    exit 77
  fi
  rm -rf "$work"
  mkdir -p "$work"
  SDL_WINDOW_TEST_INSIDE=1 exec "$(dirname "$0")/../../tools/scripts/with_xvfb.sh" sh "$0" "$demo" "$work" "$wm"
fi

export SDL_VIDEODRIVER=x11
. "$(dirname "$0")/window_check.sh"
export XPEXAM_WINDOW_CHECK="$work/window_check"
# xdotool reads the characters it types in the locale's encoding; CI may set none.
export LC_ALL=C.UTF-8
unset WAYLAND_DISPLAY
wm_pid=
if [ -n "$wm" ]; then
  openbox --sm-disable >"$work/wm.out" 2>&1 &
  wm_pid=$!
  trap 'kill "$wm_pid" 2>/dev/null' EXIT
  n=0
  until timeout 5 xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
    n=$((n + 1))
    [ $n -lt 200 ] || { echo "FAIL: the window manager did not start"; cat "$work/wm.out"; exit 1; }
    sleep 0.05
  done
fi
"$demo" "$work" >"$work/demo.out" 2>&1 &
pid=$!

fail() {
  echo "FAIL: $*"
  kill "$pid" 2>/dev/null
  if [ -s "$work/demo.out" ]; then
    echo "-- demo output:"
    cat "$work/demo.out"
  fi
  exit 1
}
x() { timeout 5 xdotool "$@"; }
running() { [ -e "/proc/$pid" ] && ! grep -q '^[0-9]* ([^)]*) Z' "/proc/$pid/stat" 2>/dev/null; }
# poll_for <tries> <check...>: retries the check every 50 ms; once the demo has ended, checks one
# last time. poll: for at most 10 s.
poll_for() {
  tries=$1
  shift
  n=0
  until "$@"; do
    n=$((n + 1))
    if [ $n -ge "$tries" ]; then return 1; fi
    if ! running; then
      "$@"
      return
    fi
    sleep 0.05
  done
}
poll() { poll_for 200 "$@"; }

find_window() {
  wid=$(x search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1)
  [ -n "$wid" ]
}
poll find_window || fail "no window appeared"
if [ -n "$wm" ]; then
  # The manager has framed it: title bar and borders around the drawing area.
  framed() {
    extents=$(timeout 5 xprop -id "$wid" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p')
    [ -n "$extents" ] && [ "$extents" != "0, 0, 0, 0" ]
  }
  poll framed || fail "the window manager did not decorate the window"
  title=$(timeout 5 xprop -id "$wid" _NET_WM_NAME 2>/dev/null | sed -n 's/.*= "\(.*\)"$/\1/p')
  [ "$title" = "xpexam SDL 窗口" ] || fail "the window is titled '$title'"
fi
eval "$(x getwindowgeometry --shell "$wid")"
# Under a reparenting manager xdotool reports the frame's corner; the drawing area's is this.
X=$(timeout 5 xwininfo -id "$wid" | sed -n 's/.*Absolute upper-left X: *//p')
Y=$(timeout 5 xwininfo -id "$wid" | sed -n 's/.*Absolute upper-left Y: *//p')
[ "${WIDTH}x${HEIGHT}" = "$(identify -format '%wx%h' "$work/headless.png")" ] ||
  fail "the window is ${WIDTH}x${HEIGHT}, not the headless screen's size"

# Over the label, whose pointer is a custom cursor picture.
x mousemove $((X + 50)) $((Y + 40)) || fail "xdotool mousemove"

same_as_headless() {
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$work/screen.png" 2>/dev/null &&
    compare -metric AE "$work/screen.png" "$work/headless.png" "$work/diff.png" 2>"$work/differing_pixels"
}
poll same_as_headless ||
  fail "the window differs from the headless rendering in $(cat "$work/differing_pixels") pixels (see $work/screen.png, diff.png)"
window_check "$wid" "$XPEXAM_WINDOW_CHECK" ||
  fail "the X server's pixels differ from the frame the program presented: $(window_check_answer "$XPEXAM_WINDOW_CHECK")"

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
before=$(cpu_ticks)
sleep 0.5
used=$(($(cpu_ticks) - before))
[ "$used" -le 10 ] || fail "waiting idle for 0.5 s used $used CPU ticks"

# Each gesture's events are awaited before the next gesture, and compared with the table so far.
: >"$work/expected.log"
received() { grep -v '^\(QueryUnload\|CloseRequest\)' "$work/events.log"; }  # close requests are checked apart
arrived() { [ "$(received | wc -l)" -ge "$(wc -l <"$work/expected.log")" ]; }
compare_events() {
  received >"$work/received.log"
  diff -u "$work/expected.log" "$work/received.log" >"$work/events.diff" ||
    fail "after '$1' the events differ from the expected ones:
$(cat "$work/events.diff")"
}
# step <expected events> <xdotool arguments...>
step() {
  printf '%s\n' "$1" >>"$work/expected.log"
  shift
  x "$@" || fail "xdotool $*"
  poll arrived
  compare_events "$*"
}
# A character outside the keyboard map: xdotool binds it to a spare key for a moment, and a busy
# client can read that key after the binding is gone, which loses the character: type it again.
step_typed() {
  printf '%s\n' "$1" >>"$work/expected.log"
  for attempt in 1 2 3; do
    x type --delay 100 "$2" || fail "xdotool type"
    poll_for 20 arrived && break
  done
  compare_events "type $2"
}

# The picture box covers window pixels 30..150 x 70..170; presses are 20 pixels apart so that
# only the deliberate double-click counts as one.
at() { echo "mousemove $((X + $1)) $((Y + $2))"; }
step 'MouseDown 1 0
MouseUp 1 0
Click' $(at 40 80) click 1
step 'KeyDown 16 1
MouseDown 1 1
MouseUp 1 1
Click
KeyUp 16 0' $(at 60 80) keydown shift click 1 keyup shift
step 'MouseDown 2 0
MouseUp 2 0' $(at 80 80) click 3
step 'MouseDown 4 0
MouseUp 4 0' $(at 100 80) click 2
step 'MouseDown 1 0
MouseUp 1 0
Click
DblClick
MouseUp 1 0' $(at 120 80) click --repeat 2 --delay 100 1
step 'KeyDown 121 0
KeyUp 121 0' key F10
if [ -z "$wm" ]; then
  step 'KeyDown 18 4
KeyDown 115 4
KeyUp 115 4
KeyUp 18 0' keydown alt keydown F4 keyup F4 keyup alt
else
  # The manager keeps Alt+F4 and asks the window to close; only Alt itself reaches the program.
  closes() { [ "$(grep -c '^CloseRequest' "$work/events.log")" -ge 1 ]; }
  step 'KeyDown 18 4
KeyUp 18 0' keydown alt keydown F4 keyup F4 keyup alt
  poll closes || fail "the window manager's close did not reach the program"
fi
step 'KeyDown 18 4
KeyUp 18 0' key alt
step 'KeyDown 13 0
KeyPress 13
KeyUp 13 0
KeyDown 37 0
KeyUp 37 0
KeyDown 46 0
KeyUp 46 0
KeyDown 8 0
KeyPress 8
KeyUp 8 0' key KP_Enter Left Delete BackSpace
step 'KeyDown 17 2
KeyDown 67 2
KeyPress 3
KeyUp 67 2
KeyUp 17 0' keydown ctrl key c keyup ctrl
step 'KeyDown 65 0
KeyPress 97
KeyUp 65 0' type a
step_typed 'KeyPress 20013' 中
step_typed 'KeyPress 25991' 文
step 'KeyDown 27 0
KeyPress 27
KeyUp 27 0' key Escape

ended() { ! running; }
poll ended || fail "Esc did not end the program"
wait "$pid"
status=$?
[ "$status" -eq 0 ] || fail "the demo exited with status $status"

if [ -n "$wm" ]; then
  # Asked for the whole display, the framed window still fits it: the drawing area gives way.
  eval "$(x getdisplaygeometry --shell)"
  screen_w=$WIDTH screen_h=$HEIGHT
  mkdir -p "$work/large"
  "$demo" "$work/large" "${screen_w}x${screen_h}" >"$work/large/demo.out" 2>&1 &
  pid=$!
  poll find_window || fail "no full-size window appeared"
  fits() {
    extents=$(timeout 5 xprop -id "$wid" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ' ')
    [ -n "$extents" ] || return 1
    IFS=, read -r left right top bottom <<EXTENTS
$extents
EXTENTS
    info=$(timeout 5 xwininfo -id "$wid")
    cx=$(echo "$info" | sed -n 's/.*Absolute upper-left X: *//p')
    cy=$(echo "$info" | sed -n 's/.*Absolute upper-left Y: *//p')
    cw=$(echo "$info" | sed -n 's/.*Width: *//p')
    ch=$(echo "$info" | sed -n 's/.*Height: *//p')
    [ $((cx - left)) -ge 0 ] && [ $((cy - top)) -ge 0 ] && [ $((cx + cw + right)) -le "$screen_w" ] &&
      [ $((cy + ch + bottom)) -le "$screen_h" ]
  }
  poll fits || fail "the framed window (${cw:-?}x${ch:-?} at ${cx:-?},${cy:-?}, frame ${extents:-?}) does not fit the ${screen_w}x${screen_h} display"
  kill "$pid"
  wait "$pid" 2>/dev/null
fi
echo "ok${wm:+ under $wm}: pixels match the headless rendering and the frame presented, idle CPU $used ticks in 0.5 s, $(wc -l <"$work/received.log") events as expected"

#!/bin/sh
# The real program in its real window under Xvfb and the openbox window manager, driven from
# outside with xdotool as a learner's desktop would drive it. What the window shows is compared
# with the scenario runner's screenshot of the same run at the same size.
# Usage: real_window_resize_test.sh <program> <scenario runner> <sample installation> <work folder> <scenario...>
# Scenarios (each a function scenario_NAME below): resize.
# Exits 77 when no X server or no openbox can be started here.
set -u
if [ $# -lt 5 ]; then
  echo "usage: $0 <program> <scenario runner> <sample installation> <work folder> <scenario...>" >&2
  exit 2
fi

# ---- Setup: a private Xvfb, openbox, the program started on a copy of the sample ----------------

if [ "${REAL_WINDOW_TEST_INSIDE:-}" != 1 ]; then
  for tool in openbox xdotool xprop xwininfo import compare; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 77; }
  done
  rm -rf "$4"
  mkdir -p "$4"
  # A screen larger than the program's window, so that maximising changes its size a good deal.
  REAL_WINDOW_TEST_INSIDE=1 XVFB_SCREEN=1600x1000x24 exec "$(dirname "$0")/../../tools/scripts/with_xvfb.sh" sh "$0" "$@"
fi

program=$1
runner=$2
sample=$3
work=$4
shift 4

export SDL_VIDEODRIVER=x11
export LC_ALL=C.UTF-8
. "$(dirname "$0")/window_check.sh"
unset WAYLAND_DISPLAY

x() { timeout 5 xdotool "$@"; }
pid=
running() { [ -n "$pid" ] && [ -e "/proc/$pid" ] && ! grep -q '^[0-9]* ([^)]*) Z' "/proc/$pid/stat" 2>/dev/null; }
fail() {
  echo "FAIL: $*"
  running && kill "$pid" 2>/dev/null
  if [ -s "$work/program.out" ]; then
    echo "-- program output:"
    cat "$work/program.out"
  fi
  exit 1
}
# poll_for <tries> <check...>: retries the check every 50 ms. poll: for at most 10 s.
poll_for() {
  tries=$1
  shift
  n=0
  until "$@"; do
    n=$((n + 1))
    [ $n -lt "$tries" ] || return 1
    [ -z "$pid" ] || running || fail "the program ended"
    sleep 0.05
  done
}
poll() { poll_for 200 "$@"; }

openbox --sm-disable >"$work/wm.out" 2>&1 &
wm_pid=$!
trap 'kill "$wm_pid" 2>/dev/null; running && kill "$pid" 2>/dev/null' EXIT
wm_ready() { timeout 5 xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
poll_for 200 wm_ready || { echo "FAIL: the window manager did not start"; cat "$work/wm.out"; exit 1; }

# install <folder>: a copy of the sample installation with the records of a learner who used it
# before (nothing is reported at start-up, so nothing waits for the network).
install() {
  rm -rf "$1"
  cp -r "$sample" "$1"
  rm -rf "$1/ksdata"
  mkdir -p "$1/ksdata"
  printf '0\r\n' >"$1/ksdata/288890.mxy"
  : >"$1/ksdata/288893.mxy"
  printf '\273\266\323\255\r\n' >"$1/ksdata/170100.mxy"  # "欢迎" in GBK
}

# The program's folder is the one its executable is in.
install "$work/program"
cp "$program" "$work/program/xpexam"
(cd "$work/program" && XPEXAM_WINDOW_CHECK="$work/window_check" exec ./xpexam) >"$work/program.out" 2>&1 &
pid=$!

find_window() {
  wid=$(x search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1)
  [ -n "$wid" ]
}
poll find_window || fail "no window appeared"
framed() {
  extents=$(timeout 5 xprop -id "$wid" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ' ')
  [ -n "$extents" ] && [ "$extents" != "0,0,0,0" ]
}
poll framed || fail "the window manager did not decorate the window"
frame_top=$(echo "$extents" | cut -d, -f3)

# The drawing area on the screen: X, Y, W, H.
client() {
  info=$(timeout 5 xwininfo -id "$wid") || return 1
  X=$(echo "$info" | sed -n 's/.*Absolute upper-left X: *//p')
  Y=$(echo "$info" | sed -n 's/.*Absolute upper-left Y: *//p')
  W=$(echo "$info" | sed -n 's/.*Width: *//p')
  H=$(echo "$info" | sed -n 's/.*Height: *//p')
}
client || fail "no geometry for the window"
# Moves the pointer to a point of the drawing area.
point() { x mousemove $((X + $1)) $((Y + $2)) || fail "xdotool mousemove"; }
click_at() {
  point "$1" "$2"
  x click 1 || fail "xdotool click"
}
# The openbox title bar's double-click maximises the window, or restores it.
toggle_maximised() {
  x mousemove $((X + W / 2)) $((Y - frame_top / 2)) || fail "xdotool mousemove"
  x click --repeat 2 --delay 80 1 || fail "xdotool click"
}

# headless <name> <screen WxH> <script>: the scenario runner's screenshot at the end of the
# script, on a fresh copy of the sample, in $work/<name>.png.
headless() {
  install "$work/$1.program"
  printf '%b\nshot %s\n' "$3" "$work/$1.png" >"$work/$1.txt"
  (cd "$work" && XDG_CONFIG_HOME="$work/config" "$runner" --program-dir "$work/$1.program" --script "$work/$1.txt" \
    --server http://127.0.0.1:9 --screen "$2") >"$work/$1.out" 2>&1 || fail "the scenario runner failed: $(cat "$work/$1.out")"
}
# shows <name>: the drawing area is pixel for pixel the runner's $work/<name>.png.
shows() {
  client &&
    import -window root -crop "${W}x${H}+${X}+${Y}" +repage "$work/$1.real.png" 2>/dev/null &&
    compare -metric AE "$work/$1.real.png" "$work/$1.png" "$work/$1.diff.png" 2>"$work/$1.differing"
}
expect_shows() {
  poll shows "$1" ||
    fail "$2: the window (${W}x${H}) differs from the runner's $1.png in $(cat "$work/$1.differing") pixels (see $work/$1.real.png, $1.diff.png)"
  window_check "$wid" "$work/window_check" ||
    fail "$2: the X server's pixels differ from the frame the program presented: $(window_check_answer "$work/window_check")"
}

# ---- Scenario: the window maximised and restored --------------------------------------------------
# The learner maximises the program's window, starts a practice, ends it and restores the window:
# the home screen is where a run at the restored size puts it, centred and whole (it used to keep
# the maximised screen's place, cut off at the right and the foot).
scenario_resize() {
  # The home window is 800 x 600, centred; between gestures the pointer rests at the screen's
  # corner, on no control, so that no button shows its hover face.
  rest='move 2 2\nwait 300\n'
  home_at() { echo "$((($3 - 800) / 2 + $1)) $((($4 - 600) / 2 + $2))"; }
  # The first unit's practice, started and ended: the home window's places clicked, each with
  # the time it takes to settle (the bar's end button lies where the home window's 503,556 is).
  steps="234,276,300 93,187,300 662,524,1500 503,556,1000"
  # played <steps> <W> <H>: those steps as a script of the runner for a screen of W x H.
  played() {
    for step in $1; do
      IFS=, read -r sx sy ms <<STEP
$step
STEP
      printf 'click %s\nwait %s\n%b' "$(home_at "$sx" "$sy" "$2" "$3")" "$ms" "$rest"
    done
  }

  client
  small_w=$W small_h=$H
  point 2 2
  headless home "${W}x${H}" "wait 300\n$rest"
  expect_shows home "at start"

  toggle_maximised
  maximised() { client && [ "$W" -gt "$small_w" ] && [ "$H" -gt "$small_h" ]; }
  poll maximised || fail "the window was not maximised (${W}x${H})"
  point 2 2
  big_w=$W big_h=$H
  # Centred, as a program started on a screen that size lays it out.
  headless maximised "${W}x${H}" "wait 300\n$rest"
  expect_shows maximised "maximised"

  # The practice in the maximised window, each gesture once the window shows what the runner
  # shows after the gestures before it.
  done_steps=
  for step in $steps; do
    IFS=, read -r sx sy ms <<STEP
$step
STEP
    read -r px py <<PLACE
$(home_at "$sx" "$sy" "$big_w" "$big_h")
PLACE
    click_at "$px" "$py"
    point 2 2
    done_steps="$done_steps $step"
    headless "step$sx" "${big_w}x${big_h}" "wait 300\n$rest$(played "$done_steps" "$big_w" "$big_h")"
    expect_shows "step$sx" "maximised, after the click at $sx,$sy of the home window"
  done

  toggle_maximised
  restored() { client && [ "$W" -eq "$small_w" ] && [ "$H" -eq "$small_h" ]; }
  poll restored || fail "the window was not restored to ${small_w}x${small_h} (${W}x${H})"
  point 2 2
  # As a run that never left the restored size: the practice at that size, then the home screen.
  headless restored "${W}x${H}" "wait 300\n$rest$(played "$steps" "$W" "$H")"
  expect_shows restored "restored after a practice"
  echo "ok resize: ${small_w}x${small_h}, maximised ${big_w}x${big_h}, restored after a practice"
}

for scenario in "$@"; do
  "scenario_$scenario" || fail "scenario $scenario"
done

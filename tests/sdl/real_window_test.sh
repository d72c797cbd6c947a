#!/bin/sh
# The real program in a real window under a window manager (openbox on a private Xvfb), driven
# from outside with real X input (xdotool) and read back through the window manager's view of
# the window (xprop) and screenshots. Each scenario is a function of its own that starts the
# program on a fresh copy of the sample installation and stops it at its end.
# Usage: real_window_test.sh <program> <sample installation> <work folder> [scenario...]
# With no scenario named, all of them run (each a function scenario_NAME below).
set -u
program=$1
sample=$2
work=$3

if [ "${REAL_WINDOW_TEST_INSIDE:-}" != 1 ]; then
  for tool in openbox xdotool xprop xwininfo import compare iconv; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 77; }
  done
  [ -d "$sample" ] || { echo "FAIL: no sample installation in $sample"; exit 1; }
  rm -rf "$work"
  mkdir -p "$work"
  REAL_WINDOW_TEST_INSIDE=1 exec "$(dirname "$0")/../../tools/scripts/with_xvfb.sh" sh "$0" "$@"
fi
shift 3

export SDL_VIDEODRIVER=x11
export LC_ALL=C.UTF-8
. "$(dirname "$0")/window_check.sh"
unset WAYLAND_DISPLAY
pid=
run=

openbox --sm-disable >"$work/wm.out" 2>&1 &
wm_pid=$!
trap 'kill "$wm_pid" 2>/dev/null; [ -n "$pid" ] && kill "$pid" 2>/dev/null' EXIT

fail() {
  echo "FAIL: $*"
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  if [ -n "$run" ] && [ -s "$run/program.out" ]; then
    echo "-- program output:"
    cat "$run/program.out"
  fi
  exit 1
}
x() { timeout 5 xdotool "$@"; }
running() { [ -n "$pid" ] && [ -e "/proc/$pid" ] && ! grep -q '^[0-9]* ([^)]*) Z' "/proc/$pid/stat" 2>/dev/null; }
# poll <check...>: retries the check every 50 ms for at most 10 s; once the program has ended,
# checks one last time.
poll() {
  n=0
  until "$@"; do
    n=$((n + 1))
    [ $n -lt 200 ] || return 1
    if ! running; then
      "$@"
      return
    fi
    sleep 0.05
  done
}

n=0
until timeout 5 xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
  n=$((n + 1))
  [ $n -lt 200 ] || { echo "FAIL: the window manager did not start"; cat "$work/wm.out"; exit 1; }
  sleep 0.05
done

# start_program <name> [bare]: the program on a fresh copy of the sample installation in
# $work/<name>, with the records of a learner who used it before (nothing is reported at
# start-up). Sets $run, $pid and $wid, and X Y WIDTH HEIGHT for the drawing area on the screen.
# With "bare" no window manager runs, so the window is not framed.
start_program() {
  run=$work/$1
  mkdir -p "$run/program" "$run/config"
  # Links are enough: the program replaces files through a rename. The program itself is a
  # copy, since its own folder is the installation.
  cp -rs "$(cd "$sample" && pwd)/." "$run/program/" || fail "cannot copy the sample installation"
  cp "$program" "$run/program/xpexam" || fail "cannot copy the program"
  rm -rf "$run/program/ksdata"
  mkdir -p "$run/program/ksdata"
  printf '0\r\n' >"$run/program/ksdata/288890.mxy"
  : >"$run/program/ksdata/288893.mxy"
  printf '欢迎\r\n' | iconv -f UTF-8 -t GBK >"$run/program/ksdata/170100.mxy"
  (cd "$run/program" && XDG_CONFIG_HOME=$run/config XPEXAM_WINDOW_CHECK=$run/window_check exec ./xpexam) \
    >"$run/program.out" 2>&1 &
  pid=$!
  find_window() {
    wid=$(x search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1)
    [ -n "$wid" ]
  }
  poll find_window || fail "no window appeared"
  framed() {
    extents=$(timeout 5 xprop -id "$wid" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p')
    [ -n "$extents" ] && [ "$extents" != "0, 0, 0, 0" ]
  }
  [ "${2:-}" = bare ] || poll framed || fail "the window manager did not decorate the window"
  # The program fits its drawing area to the screen once framed: wait until it stays put.
  geometry() {
    info=$(timeout 5 xwininfo -id "$wid")
    echo "$info" | sed -n 's/.*Absolute upper-left X: *\(.*\)/X=\1/p; s/.*Absolute upper-left Y: *\(.*\)/Y=\1/p;
      s/.*Width: *\(.*\)/WIDTH=\1/p; s/.*Height: *\(.*\)/HEIGHT=\1/p'
  }
  last=
  settled() {
    now=$(geometry)
    [ "$now" = "$last" ] && return 0
    last=$now
    sleep 0.2
    return 1
  }
  poll settled || fail "the window kept moving"
  eval "$last"
}

stop_program() {
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  pid=
}

# shoot <file>: the drawing area of the program's window.
shoot() { import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$1" 2>/dev/null; }
# Waits until two screenshots half a second apart are the same (the start-up is over).
settle_screen() {
  shoot "$run/settle-a.png" || return 1
  sleep 0.5
  shoot "$run/settle-b.png" || return 1
  compare -metric AE "$run/settle-a.png" "$run/settle-b.png" /dev/null 2>/dev/null
}
# The window manager's idea of the window: iconified (WM_STATE Iconic, _NET_WM_STATE_HIDDEN).
iconified() {
  timeout 5 xprop -id "$wid" WM_STATE 2>/dev/null | grep -q 'window state: Iconic' &&
    timeout 5 xprop -id "$wid" _NET_WM_STATE 2>/dev/null | grep -q '_NET_WM_STATE_HIDDEN'
}
shown() {
  timeout 5 xprop -id "$wid" WM_STATE 2>/dev/null | grep -q 'window state: Normal' &&
    ! timeout 5 xprop -id "$wid" _NET_WM_STATE 2>/dev/null | grep -q '_NET_WM_STATE_HIDDEN'
}

same_as_before() {
  shoot "$run/after.png" && compare -metric AE "$run/before.png" "$run/after.png" "$run/diff.png" 2>"$run/differing_pixels"
}

# The screen, shot into $1, differs from before.png in most of the home screen (a tile under the
# pointer changes some 20,000 pixels by itself).
far_from_before() {
  shoot "$1" || return 1
  compare -metric AE "$run/before.png" "$1" /dev/null 2>"$run/differing_pixels"
  [ "$(cut -d' ' -f1 <"$run/differing_pixels")" -gt 100000 ] 2>/dev/null
}

# The home screen's own minimise (its "–" button) sends the real window to its icon; the window
# manager's restore brings the home screen back as it was, and it takes clicks again. The window
# manager's own minimise and restore just hide and show the screen.
scenario_minimise() {
  start_program minimise
  # The pointer rests on the frame, off every button, so that no button shows its hover face.
  x mousemove "$((X - 1))" "$((Y - 1))" || fail "xdotool mousemove"
  poll settle_screen || fail "the screen never settled after the start"
  shoot "$run/before.png" || fail "cannot take a screenshot"

  x windowminimize "$wid" || fail "xdotool windowminimize"
  poll iconified || fail "the window manager did not minimise the window"
  x windowactivate "$wid" || fail "xdotool windowactivate"
  poll shown || fail "the window manager's restore did not bring the window back"
  poll same_as_before ||
    fail "after the window manager's minimise and restore the window differs from before in $(cat "$run/differing_pixels") pixels (see $run/before.png, after.png, diff.png)"

  # The home window (800 x 600) is centred in the drawing area; its minimise button is 22 pixels
  # square at (745, 6) of it.
  hx=$(((WIDTH - 800) / 2)) hy=$(((HEIGHT - 600) / 2))
  x mousemove "$((X + hx + 756))" "$((Y + hy + 17))" click 1 || fail "xdotool click"
  poll iconified || fail "the home screen's minimise left the window up (WM_STATE: $(xprop -id "$wid" WM_STATE 2>&1 | tr '\n' ' '))"

  # Restored as from the taskbar, with the pointer back on the frame.
  x mousemove "$((X - 1))" "$((Y - 1))" || fail "xdotool mousemove"
  x windowactivate "$wid" || fail "xdotool windowactivate"
  poll shown || fail "the window manager's restore did not bring the window back"
  poll same_as_before ||
    fail "after the restore the window differs from the home screen before in $(cat "$run/differing_pixels") pixels (see $run/before.png, after.png, diff.png)"

  # Usable: the question-bank tile opens its tab, which covers most of the home screen.
  x mousemove "$((X + hx + 234))" "$((Y + hy + 276))" click 1 || fail "xdotool click"
  poll far_from_before "$run/tab.png" || fail "a click on the restored home screen did not open the tab (see $run/tab.png)"
  running || fail "the program ended"
  window_check "$wid" "$run/window_check" ||
    fail "the X server's pixels differ from the frame the program presented: $(window_check_answer "$run/window_check")"
  stop_program
  echo "ok: the window manager's minimise and restore kept the screen; the home screen's minimise iconified the window, the restore brought it back and it takes clicks; the window holds the frame presented"
}

# With no window manager nothing takes the window to an icon: after the home screen's minimise it
# stays up empty, and a click on it brings the home screen back, as the taskbar would.
scenario_minimise_without_window_manager() {
  kill "$wm_pid" 2>/dev/null
  wait "$wm_pid" 2>/dev/null
  start_program bare bare
  x mousemove "$((X + 1))" "$((Y + 1))" || fail "xdotool mousemove"
  poll settle_screen || fail "the screen never settled after the start"
  shoot "$run/before.png" || fail "cannot take a screenshot"
  hx=$(((WIDTH - 800) / 2)) hy=$(((HEIGHT - 600) / 2))
  x mousemove "$((X + hx + 756))" "$((Y + hy + 17))" click 1 || fail "xdotool click"
  poll far_from_before "$run/empty.png" || fail "the home screen's minimise left the home screen up (see $run/empty.png)"
  x mousemove "$((X + 1))" "$((Y + 1))" click 1 || fail "xdotool click"
  poll same_as_before ||
    fail "a click on the empty window did not bring the home screen back: $(cat "$run/differing_pixels") pixels differ (see $run/before.png, after.png, diff.png)"
  running || fail "the program ended"
  stop_program
  echo "ok: without a window manager a click on the empty window brings the minimised home screen back"
}

# The window never gets smaller than the program's smallest screen, 800 x 600 (below it the home
# screen's own buttons are cut off), or than the room the screen leaves inside the window's frame
# where that is less. Tried as a program asks it (a configure request) and as a learner drags it
# (openbox's Alt + right-button drag from the lower right corner).
scenario_shrink() {
  start_program shrink
  read -r screen_w screen_h <<SCREEN
$(x getdisplaygeometry)
SCREEN
  IFS=', ' read -r left right top bottom <<EXTENTS
$extents
EXTENTS
  least_w=$((screen_w - left - right)) least_h=$((screen_h - top - bottom))
  [ "$least_w" -lt 800 ] || least_w=800
  [ "$least_h" -lt 600 ] || least_h=600
  at_least() {
    eval "$(geometry)"
    [ "$WIDTH" -ge "$least_w" ] && [ "$HEIGHT" -ge "$least_h" ]
  }
  # What the window manager made of the request, once it has answered.
  shrunk_or_kept() {
    last=
    poll settled || return 1
    eval "$last"
  }
  x windowsize "$wid" 640 480 || fail "xdotool windowsize"
  shrunk_or_kept || fail "the window kept moving"
  at_least || fail "the window took a size of ${WIDTH}x${HEIGHT} when asked for 640x480"

  eval "$(geometry)"
  x mousemove "$((X + WIDTH - 4))" "$((Y + HEIGHT - 4))" keydown alt mousedown 3 || fail "xdotool drag"
  for step in 1 2 3 4 5; do
    x mousemove "$((X + WIDTH - 4 - (WIDTH - 640) * step / 5))" "$((Y + HEIGHT - 4 - (HEIGHT - 480) * step / 5))"
    sleep 0.1
  done
  x mouseup 3 keyup alt || fail "xdotool drag"
  shrunk_or_kept || fail "the window kept moving"
  at_least || fail "the window was dragged to ${WIDTH}x${HEIGHT}"
  running || fail "the program ended"
  stop_program
  echo "ok: asked for 640x480 and dragged towards it, the window stays ${WIDTH}x${HEIGHT} (at least ${least_w}x${least_h})"
}

# The window manager's title bar shows the program's caption, never the executable's name: the
# module's title over the home screen, and over a second copy's notice the notice's own title.
scenario_titles() {
  start_program titles
  # title_is <window> <text>: the name the window gives itself, as the window manager reads it
  # (both the old and the new property), and the name the manager shows where it shows another.
  title_is() {
    net=$(timeout 5 xprop -id "$1" _NET_WM_NAME 2>/dev/null | sed -n 's/^[^=]*= "\(.*\)"$/\1/p')
    old=$(timeout 5 xprop -id "$1" WM_NAME 2>/dev/null | sed -n 's/^[^=]*= "\(.*\)"$/\1/p')
    visible=$(timeout 5 xprop -id "$1" _NET_WM_VISIBLE_NAME 2>/dev/null | sed -n 's/^[^=]*= "\(.*\)"$/\1/p')
    [ "$net" = "$2" ] && [ "$old" = "$2" ] && [ -z "$visible" -o "$visible" = "$2" ]
  }
  # The sample's module title.
  poll title_is "$wid" "Windows XP 操作系统" ||
    fail "the program's window is titled '$net' (WM_NAME '$old', shown '$visible')"

  first=$pid
  (cd "$run/program" && XDG_CONFIG_HOME=$run/config exec ./xpexam) >"$run/second.out" 2>&1 &
  pid=$!
  find_window() {
    second=$(x search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1)
    [ -n "$second" ]
  }
  poll find_window || fail "the second copy showed no window"
  poll title_is "$second" "系统提示" ||
    fail "the second copy's notice is titled '$net' (WM_NAME '$old', shown '$visible')"
  stop_program
  pid=$first
  running || fail "the first copy ended"
  title_is "$wid" "Windows XP 操作系统" || fail "the first copy's title became '$net'"
  stop_program
  echo "ok: the program's window is titled by the module, the second copy's notice by its own title"
}

# The scenario without a window manager stops it, so it comes last.
for scenario in ${*:-minimise shrink titles minimise_without_window_manager}; do
  "scenario_$scenario"
done

#!/usr/bin/env bash
# TORVEL.INI under a window manager: the stored placement is where the
# frame opens; a move and a resize with xdotool are stored at exit with the
# rest of the file kept; ten starts and closes neither move nor grow the
# window; closing while maximised keeps the normal placement.
source "$(dirname "$0")/lib.sh"

command -v openbox >/dev/null || { echo "SKIP: openbox is not installed (scripts/install-deps.sh installs it)"; exit 77; }
command -v wmctrl >/dev/null || { echo "SKIP: wmctrl is not installed (scripts/install-deps.sh installs it)"; exit 77; }

export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config"
INI="$XDG_CONFIG_HOME/vantor/TORVEL.INI"
mkdir -p "$(dirname "$INI")"
start_xvfb
openbox --sm-disable >"$WORK/openbox.log" 2>&1 &
WM_PID=$!
trap 'kill "$WM_PID" 2>/dev/null || true; cleanup' EXIT
# (Output is captured before matching: grep -q in a pipe may end xprop early.)
managed() { [[ "$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null)" == *"window id"* ]]; }
maximised() { [[ "$(xprop -id "$1" _NET_WM_STATE 2>/dev/null)" == *MAXIMIZED_HORZ* ]]; }
for _ in $(seq 100); do managed && break; sleep 0.1; done
managed || fail "openbox did not start: $(cat "$WORK/openbox.log")"

# frame WINDOW: the outer frame as "x y r b", the window manager's border
# and title bar included.
frame() {
  local w=$1 X Y WIDTH HEIGHT l r t b
  # xwininfo, unlike xdotool, reports a framed window's position right.
  eval "$(xwininfo -id "$w" | sed -n 's/^ *Absolute upper-left X: *\(-\?[0-9]*\)/X=\1/p; s/^ *Absolute upper-left Y: *\(-\?[0-9]*\)/Y=\1/p; s/^ *Width: *\([0-9]*\)/WIDTH=\1/p; s/^ *Height: *\([0-9]*\)/HEIGHT=\1/p')"
  read -r l r t b < <(xprop -id "$w" _NET_FRAME_EXTENTS | sed -n 's/.*= *\([0-9]*\), *\([0-9]*\), *\([0-9]*\), *\([0-9]*\)/\1 \2 \3 \4/p')
  [ -n "${b:-}" ] || { echo "unframed"; return; }
  echo "$((X - l)) $((Y - t)) $((X + WIDTH + r)) $((Y + HEIGHT + b))"
}

# wait_frame WINDOW "x y r b": waits until the frame is there.
wait_frame() {
  for _ in $(seq 100); do [ "$(frame "$1")" = "$2" ] && return 0; sleep 0.05; done
  fail "the frame is at $(frame "$1"), not at $2"
}

# stored: the placement the file holds, as "x y r b".
stored() {
  local key
  for key in x y r b; do sed -n '/^\[Position\]/,/^\[/s/^'$key'=\([-0-9]*\)\r\?$/\1/p' "$INI"; done | paste -sd' '
}

open_window() {
  start_app
  wait_window "Vantor"
  WINDOW=$(xdotool search --onlyvisible --name '^Vantor$' | head -1)
}

close_window() {
  wmctrl -i -c "$WINDOW"
  wait_gone
}

# A file written by hand: its comment and its CR LF line ends stay.
printf '; placed by hand\r\n[Position]\r\nx=100\r\ny=80\r\nr=600\r\nb=480\r\n[General]\r\nWrap=1\r\n' >"$INI"
open_window
wait_frame "$WINDOW" "100 80 600 480"

xdotool windowmove "$WINDOW" 220 140
xdotool windowsize "$WINDOW" 560 380
for _ in $(seq 100); do
  read -r x y r b <<<"$(frame "$WINDOW")"
  [ "$x" != 100 ] && [ "$((r - x))" != 500 ] && [ "$((b - y))" != 400 ] && break
  sleep 0.05
done
moved=$(frame "$WINDOW")
read -r x y r b <<<"$moved"
[ "$x" != 100 ] && [ "$((r - x))" != 500 ] || fail "the window manager did not move and size the window ($moved)"
close_window
[ "$(stored)" = "$moved" ] || fail "stored $(stored), the frame was at $moved"
head -c 18 "$INI" | cmp -s - <(printf '; placed by hand\r\n') || fail "the comment was not kept: $(head -2 "$INI" | od -c)"
[[ "$(cat "$INI")" == *$'\nWrap=1\r\n'*$'\n[DosText]\r\n'* ]] || fail "Wrap or the styles are missing: $(cat "$INI")"

for cycle in $(seq 10); do
  open_window
  wait_frame "$WINDOW" "$moved"
  close_window
  [ "$(stored)" = "$moved" ] || fail "start $cycle stored $(stored) instead of $moved"
done

# Closed while maximised: the normal placement is stored, and the next
# start opens a normal window there.
open_window
wait_frame "$WINDOW" "$moved"
wmctrl -i -r "$WINDOW" -b add,maximized_vert,maximized_horz
for _ in $(seq 100); do maximised "$WINDOW" && break; sleep 0.05; done
maximised "$WINDOW" || fail "the window was not maximised"
[ "$(frame "$WINDOW")" != "$moved" ] || fail "maximising did not change the frame"
close_window
[ "$(stored)" = "$moved" ] || fail "closed maximised, stored $(stored) instead of $moved"
open_window
wait_frame "$WINDOW" "$moved"
maximised "$WINDOW" && fail "the next start is maximised"
close_window
echo PASS

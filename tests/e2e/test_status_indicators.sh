#!/usr/bin/env bash
# Presses Caps Lock and Num Lock with the real keys and finds their
# indicators shown in the status bar: each press changes the bar's picture
# in its own pane (CAPS left of NUM, both right of the hint pane), and a
# second press of Caps Lock takes CAPS away again.
source "$(dirname "$0")/lib.sh"

start_xvfb
printf 'text\n' >"$WORK/s.txt"
start_app "$WORK/s.txt"
wait_window "s.txt - Vantor"
WIN=$(xdotool search --name '^s\.txt - Vantor$' | head -1)
eval "$(xdotool getwindowgeometry --shell "$WIN")"
STRIP_H=16

# The bottom rows of the window, where the status bar's panes are.
strip() { import -window root -crop "${WIDTH}x${STRIP_H}+${X}+$((Y + HEIGHT - STRIP_H - 3))" +repage "$1"; }
# The bounding box (WxH+X+Y) of the pixels two strips differ in.
changed() { convert "$1" "$2" -compose difference -composite -threshold 0 -format '%@' info:; }
same() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = "0" ]; }
# wait_change BEFORE AFTER: takes strips until one differs from BEFORE.
wait_change() {
  for _ in $(seq 50); do
    strip "$2"
    same "$1" "$2" || return 0
    sleep 0.1
  done
  fail "the status bar did not change"
}
left_of() { local box=$1; box=${box#*+}; echo "${box%+*}"; }

strip "$WORK/none.png"
keys Caps_Lock
wait_change "$WORK/none.png" "$WORK/caps.png"
caps_box=$(changed "$WORK/none.png" "$WORK/caps.png")
keys Num_Lock
wait_change "$WORK/caps.png" "$WORK/both.png"
num_box=$(changed "$WORK/caps.png" "$WORK/both.png")
caps_x=$(left_of "$caps_box")
num_x=$(left_of "$num_box")
[ "$caps_x" -gt $((WIDTH / 2)) ] || fail "CAPS changed the bar at x=$caps_x, not among the indicators"
[ "$num_x" -gt "$caps_x" ] || fail "NUM (x=$num_x) is not right of CAPS (x=$caps_x)"

# Caps Lock again: only NUM is left, so the bar differs from the start in
# NUM's pane alone.
keys Caps_Lock
wait_change "$WORK/both.png" "$WORK/num.png"
[ "$(changed "$WORK/none.png" "$WORK/num.png")" = "$num_box" ] || fail "CAPS did not go away"
keys Num_Lock
wait_change "$WORK/num.png" "$WORK/end.png"
same "$WORK/none.png" "$WORK/end.png" || fail "the indicators did not all go away"

keys alt+f x
wait_gone
echo PASS

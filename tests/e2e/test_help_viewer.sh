#!/usr/bin/env bash
# The help viewer is a program of its own: F1 opens it and it stays open
# after the editor exits; opened from Help, Contents it closes with the
# editor.
source "$(dirname "$0")/lib.sh"

VIEWER_PID=""
stop_viewer() { [ -n "$VIEWER_PID" ] && kill "$VIEWER_PID" 2>/dev/null || true; }
trap 'stop_viewer; cleanup' EXIT

# wait_viewer: waits for the viewer's window on the contents page and
# notes its process.
wait_viewer() {
  local id
  id=$(find_window '^Contents - Vantor Help$')
  [ -n "$id" ] || fail "no help viewer window"
  VIEWER_PID=$(xdotool getwindowpid "$id")
}

focus_editor() {
  local id
  id=$(xdotool search --name '^Vantor$' | head -1)
  xdotool windowfocus "$id" 2>/dev/null || true
  wait_focus "Vantor"
}

start_xvfb
start_app
wait_window "Vantor"
keys F1
wait_viewer
focus_editor
keys alt+f x
wait_gone
# The editor has ended and been reaped: a viewer bound to it is gone by now.
kill -0 "$VIEWER_PID" 2>/dev/null || fail "the viewer opened with F1 ended with the editor"
stop_viewer

start_app
wait_window "Vantor"
keys alt+h c
wait_viewer
focus_editor
keys alt+f x
wait_gone
for _ in $(seq 100); do kill -0 "$VIEWER_PID" 2>/dev/null || { VIEWER_PID=""; break; }; sleep 0.1; done
[ -z "$VIEWER_PID" ] || fail "the viewer opened from the Help menu is still open"
echo PASS

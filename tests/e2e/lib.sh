# Helpers for end-to-end tests: each test starts its own Xvfb, runs the real
# program on files in a scratch folder, drives it with xdotool and compares
# what it saved byte for byte.
set -euo pipefail

VANTOR=${1:?usage: test_x.sh path/to/vantor [path/to/libvantor_slowread.so]}
SLOWREAD=${2:-}
WORK=$(mktemp -d)
XVFB_PID=""
APP_PID=""

# stop PID: ends a process this test started and waits until it is gone, so
# the next test never meets a server that is still shutting down.
stop() {
  [ -n "$1" ] || return 0
  kill "$1" 2>/dev/null || return 0
  wait "$1" 2>/dev/null || true
}

cleanup() {
  stop "$APP_PID"
  stop "$XVFB_PID"
  rm -rf "$WORK"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; [ -n "${DISPLAY:-}" ] && import -window root "$WORK/fail.png" 2>/dev/null && cp "$WORK/fail.png" "/tmp/vantor-e2e-fail-$(basename "$0" .sh).png" 2>/dev/null; exit 1; }

# Each test starts its own Xvfb on a display number drawn at random, trying
# another when one is taken: numbers handed out in order would let a new
# server start on the number of one that is still shutting down, which then
# removes the new server's socket.
start_xvfb() {
  local n
  for _ in $(seq 20); do
    n=$((100 + RANDOM % 800))
    [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 100); do
      kill -0 "$XVFB_PID" 2>/dev/null || break
      if [ "$(tr -d ' ' 2>/dev/null <"/tmp/.X$n-lock")" = "$XVFB_PID" ] &&
        xdpyinfo >/dev/null 2>&1; then
        return 0
      fi
      sleep 0.1
    done
    stop "$XVFB_PID"
    XVFB_PID=""
  done
  fail "no Xvfb display could be started"
}

# start_app ARGS...: runs the program with its own settings folder.
start_app() {
  export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config"
  mkdir -p "$XDG_CONFIG_HOME"
  unset QT_QPA_PLATFORM
  "$VANTOR" "$@" >"$WORK/app.log" 2>&1 &
  APP_PID=$!
}

# wait_window TITLE: waits until a window with exactly this name shows and
# has the keyboard focus.
wait_window() {
  local title=$1
  for _ in $(seq 100); do
    if xdotool search --onlyvisible --name "^$(printf '%s' "$title" | sed 's/[.[\*^$]/\\&/g')\$" >/dev/null 2>&1; then
      wait_focus "$title"
      return 0
    fi
    kill -0 "$APP_PID" 2>/dev/null || fail "the program ended early: $(cat "$WORK/app.log")"
    sleep 0.1
  done
  fail "no window named '$title' (windows: $(xdotool search --name . getwindowname %@ 2>/dev/null | tr '\n' '|'))"
}

# wait_for DESCRIPTION COMMAND...: waits until the command succeeds.
wait_for() {
  local what=$1
  shift
  for _ in $(seq 300); do
    "$@" && return 0
    kill -0 "$APP_PID" 2>/dev/null || fail "the program ended while waiting for $what"
    sleep 0.1
  done
  fail "timed out waiting for $what"
}

window_exists() { xdotool search --name "$1" >/dev/null 2>&1; }

# find_window REGEX: waits for a window whose name matches, shown by a
# process other than the program (a viewer, a launched copy), and prints its
# id; prints nothing when none shows.
find_window() {
  local id=""
  for _ in $(seq 100); do
    id=$(xdotool search --name "$1" 2>/dev/null | head -1) && [ -n "$id" ] && break
    sleep 0.1
  done
  printf '%s' "$id"
}

window_name() { xdotool getwindowfocus getwindowname 2>/dev/null || true; }

# The program takes keys in the order they are sent: a test waits only for
# what the keys lead to (a window, the focus, a file's bytes).
keys() { xdotool key --delay 40 "$@"; }
type_text() { xdotool type --delay 30 "$1"; }

# wait_gone: waits for the program to end.
wait_gone() {
  for _ in $(seq 100); do
    kill -0 "$APP_PID" 2>/dev/null || { APP_PID=""; return 0; }
    sleep 0.1
  done
  fail "the program did not end"
}

# expect_bytes FILE PRINTF-FORMAT: compares a file with the expected bytes.
expect_bytes() {
  local file=$1 expected
  expected=$(mktemp)
  printf "$2" >"$expected"
  cmp -s "$file" "$expected" || fail "$file holds $(od -c "$file" | head -5) instead of $(od -c "$expected" | head -5)"
  rm -f "$expected"
}

# wait_focus TITLE: waits until the window with the keyboard focus has this name.
wait_focus() {
  for _ in $(seq 100); do
    [ "$(window_name)" = "$1" ] && return 0
    kill -0 "$APP_PID" 2>/dev/null || fail "the program ended early: $(cat "$WORK/app.log")"
    sleep 0.1
  done
  fail "the focus is on '$(window_name)', not on '$1'"
}

# wait_bytes FILE PRINTF-FORMAT: waits until the file holds the expected bytes.
wait_bytes() {
  local file=$1 expected
  expected=$(mktemp)
  printf "$2" >"$expected"
  for _ in $(seq 100); do
    cmp -s "$file" "$expected" && { rm -f "$expected"; return 0; }
    sleep 0.1
  done
  fail "$file holds $(od -c "$file" | head -5) instead of $(od -c "$expected" | head -5)"
}

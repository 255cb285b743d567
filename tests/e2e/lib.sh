# Helpers for end-to-end tests: each test starts its own Xvfb, runs the real
# program on files in a scratch folder, drives it with xdotool and compares
# what it saved byte for byte.
set -euo pipefail

VANTOR=${1:?usage: test_x.sh path/to/vantor [path/to/libvantor_slowread.so]}
SLOWREAD=${2:-}
WORK=$(mktemp -d)
XVFB_PID=""
APP_PID=""

cleanup() {
  [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; [ -n "${DISPLAY:-}" ] && import -window root "$WORK/fail.png" 2>/dev/null && cp "$WORK/fail.png" "/tmp/vantor-e2e-fail-$(basename "$0" .sh).png" 2>/dev/null; exit 1; }

# Xvfb chooses a free display itself and reports it, so tests running at
# the same time never share one.
start_xvfb() {
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$WORK/display" >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 100); do
    if [ -s "$WORK/display" ]; then
      export DISPLAY=":$(head -1 "$WORK/display")"
      xdpyinfo >/dev/null 2>&1 && return 0
    fi
    kill -0 "$XVFB_PID" 2>/dev/null || break
    sleep 0.1
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

#!/usr/bin/env bash
# The clipboard shared with other programs, read and written with xclip:
# what Vantor copies is UTF-8 with LF line ends; what xclip offers pastes as
# Windows-1252 bytes ("?" where the code page has no character); every byte
# but NUL, LF, CR and Ctrl-Z goes out and comes back unchanged; an image
# pastes nothing. The context menu opens at the mouse and, with Shift+F10,
# at the caret, and copies through its mnemonic.
source "$(dirname "$0")/lib.sh"

command -v xclip >/dev/null || { echo "SKIP: xclip is not installed (scripts/install-deps.sh)"; exit 77; }

# VANTOR_SHOTS=FOLDER keeps the screenshots of the context menu.
SHOTS=${VANTOR_SHOTS:-$WORK}
mkdir -p "$SHOTS"

XCLIP_PIDS=()
stop_xclip() { for p in "${XCLIP_PIDS[@]}"; do kill "$p" 2>/dev/null || true; done; }
trap 'stop_xclip; cleanup' EXIT

# wait_for WHAT COMMAND...: polls the command until it succeeds.
wait_for() {
  local what=$1
  shift
  for _ in $(seq 100); do
    "$@" && return 0
    sleep 0.1
  done
  fail "$what"
}

clipboard() { xclip -o -selection clipboard 2>/dev/null; }
clipboard_is() { cmp -s <(clipboard) "$1"; }
clipboard_offers() { xclip -o -selection clipboard -t TARGETS 2>/dev/null | grep -qx "$1"; }
# offer FILE [TYPE]: xclip takes the clipboard with the file's bytes.
offer() {
  xclip -i -quiet -selection clipboard ${2:+-t "$2"} "$1" >/dev/null 2>&1 &
  XCLIP_PIDS+=($!)
}
visible_windows() { xdotool search --onlyvisible --classname '^vantor$' 2>/dev/null | wc -l; }
popup_open() { [ "$(visible_windows)" -ge 2 ]; }
popup_closed() { [ "$(visible_windows)" -eq 1 ]; }
# saved_as EXPECTED: waits until the document's file holds these bytes.
saved_as() {
  for _ in $(seq 100); do
    cmp -s "$WORK/c.txt" "$1" && return 0
    sleep 0.1
  done
  fail "c.txt holds $(od -c "$WORK/c.txt" | tail -6) instead of $(od -c "$1" | tail -6)"
}

start_xvfb
sample='caf\xe9 \x80 \x81 \x9d'
sample_utf8='caf\xc3\xa9 \xe2\x82\xac \xc2\x81 \xc2\x9d'
all=""
for b in $(seq 1 255); do
  case $b in 10 | 13 | 26) ;; *) all+=$(printf '\\x%02x' "$b") ;; esac
done
printf "$sample\r\n$all\r\n" >"$WORK/c.txt"
start_app "$WORK/c.txt"
wait_window "c.txt - Vantor"

# Everything copied: UTF-8, one LF between the lines, no carriage return.
keys ctrl+Home ctrl+shift+End ctrl+c
first_line_copied() { [ "$(clipboard | head -1)" = "$(printf "$sample_utf8")" ]; }
wait_for "the copy never reached the clipboard" first_line_copied
clipboard >"$WORK/out.txt"
[ "$(grep -c $'\r' "$WORK/out.txt")" -eq 0 ] || fail "carriage returns on the clipboard: $(od -c "$WORK/out.txt" | head)"
[ "$(wc -l <"$WORK/out.txt")" -eq 1 ] || fail "the clipboard holds more than one line end"
iconv -f UTF-8 -t UTF-16 "$WORK/out.txt" >/dev/null || fail "the clipboard's text is not UTF-8"

# The same text back through xclip, and a line of characters of which the
# code page lacks one: pasted at the end and saved.
{ cat "$WORK/out.txt"; printf '\nx\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80'; } >"$WORK/back.txt"
offer "$WORK/back.txt"
wait_for "xclip did not take the clipboard" clipboard_is "$WORK/back.txt"
keys ctrl+End ctrl+v ctrl+s
printf "$sample\r\n$all$sample\r\n$all\r\nx\xe9\x80?\r\n" >"$WORK/expected.txt"
saved_as "$WORK/expected.txt"

# An image on the clipboard: Ctrl+V pastes nothing, typing goes on as before.
printf '\x89PNG\r\n' >"$WORK/image.png"
offer "$WORK/image.png" image/png
wait_for "xclip did not offer the image" clipboard_offers image/png
keys ctrl+v
type_text Q
keys ctrl+s
printf "$sample\r\n$all$sample\r\n$all\r\nx\xe9\x80?Q\r\n" >"$WORK/expected.txt"
saved_as "$WORK/expected.txt"

# A right click opens the context menu at the mouse.
window=$(xdotool search --name '^c\.txt - Vantor$' | head -1)
xdotool mousemove --window "$window" 200 150 click 3
wait_for "no context menu at the mouse" popup_open
eval "$(xdotool getmouselocation --shell)"
mouse="$X,$Y"
popup=$(xdotool search --onlyvisible --classname '^vantor$' | grep -vx "$window" | head -1)
eval "$(xdotool getwindowgeometry --shell "$popup")"
[ "$X,$Y" = "$mouse" ] || fail "the menu opened at $X,$Y, the mouse is at $mouse"
keys Escape
wait_for "the context menu did not close" popup_closed

# Shift+F10 with the first line selected; "c" chooses Copy.
keys ctrl+Home shift+End shift+F10
wait_for "Shift+F10 opened no context menu" popup_open
import -window root "$SHOTS/context-menu-selection.png"
keys c
printf "$sample_utf8" >"$WORK/line.txt"
wait_for "Copy from the context menu did not reach the clipboard" clipboard_is "$WORK/line.txt"

# Without a selection Cut and Copy are greyed.
keys ctrl+End shift+F10
wait_for "Shift+F10 opened no context menu" popup_open
import -window root "$SHOTS/context-menu-no-selection.png"
keys Escape
wait_for "the context menu did not close" popup_closed

keys alt+f x
wait_gone
echo PASS

#!/usr/bin/env bash
# Word wrap on, a selection made with keys, the window narrowed: the same
# text stays selected, typing replaces it, and the saved file holds the
# lines as they were, without the soft row breaks. Down and Home move by
# the wrapped rows, so what is typed there shows that the lines wrapped.
source "$(dirname "$0")/lib.sh"

# VANTOR_SHOTS=FOLDER keeps the screenshots of the wrapped and the resized window.
SHOTS=${VANTOR_SHOTS:-$WORK}
mkdir -p "$SHOTS"
start_xvfb
FIRST='Word wrap moves only the row boundaries: the text itself never changes, and the wrapped rows are the rows the editor paints.'
printf '%s\nA second, well-known paragraph.\n' "$FIRST" >"$WORK/wrap.txt"
start_app "$WORK/wrap.txt"
wait_window "wrap.txt - Vantor"
window=$(xdotool search --name '^wrap\.txt - Vantor$' | head -1)
xdotool windowsize "$window" 700 400

keys ctrl+w
# Ctrl+Right eight times reaches "text", four words with Shift select
# "text itself never changes, ".
keys ctrl+Home
for _ in 1 2 3 4 5 6 7 8; do keys ctrl+Right; done
for _ in 1 2 3 4; do keys ctrl+shift+Right; done
import -window root "$SHOTS/wrapped.png"

xdotool windowsize "$window" 420 360
type_text "REPLACED "
keys ctrl+s
FIRST='Word wrap moves only the row boundaries: the REPLACED and the wrapped rows are the rows the editor paints.'
wait_bytes "$WORK/wrap.txt" "$FIRST\r\nA second, well-known paragraph.\r\n"
import -window root "$SHOTS/resized.png"

# The second row of the first line starts after a space of that line;
# unwrapped, the bar would start the second line.
keys ctrl+Home Down Home
type_text "|"
keys ctrl+s
wait_for "the save of the bar" grep -q '|' "$WORK/wrap.txt"
line1=$(sed -n 1p "$WORK/wrap.txt" | tr -d '\r')
line2=$(sed -n 2p "$WORK/wrap.txt" | tr -d '\r')
[ "$line2" = "A second, well-known paragraph." ] || fail "the bar went to the second line: the first did not wrap ($line2)"
[ "${line1/|/}" = "$FIRST" ] || fail "the first line changed: $line1"
case "$line1" in *" |"*) ;; *) fail "the bar is not at a row break: $line1" ;; esac
keys BackSpace ctrl+s
wait_bytes "$WORK/wrap.txt" "$FIRST\r\nA second, well-known paragraph.\r\n"

# Wrap off and on again, then an edit at the end of the last line: still
# the same lines.
keys ctrl+w ctrl+w ctrl+End
type_text "End."
keys ctrl+s
wait_bytes "$WORK/wrap.txt" "$FIRST\r\nA second, well-known paragraph.End.\r\n"
echo PASS

#!/usr/bin/env bash
# Word wrap on, a selection made with keys, the window narrowed: the same
# text stays selected, typing replaces it, and the saved file holds the
# lines as they were, without the soft row breaks.
source "$(dirname "$0")/lib.sh"

# VANTOR_SHOTS=FOLDER keeps the screenshots of the wrapped and the resized window.
SHOTS=${VANTOR_SHOTS:-$WORK}
mkdir -p "$SHOTS"
start_xvfb
printf 'Word wrap moves only the row boundaries: the text itself never changes, and the wrapped rows are the rows the editor paints.\nA second, well-known paragraph.\n' >"$WORK/wrap.txt"
start_app "$WORK/wrap.txt"
wait_window "wrap.txt - Vantor"
window=$(xdotool search --name '^wrap\.txt - Vantor$' | head -1)
xdotool windowsize "$window" 700 400
sleep 0.5

keys ctrl+w
# Ctrl+Right eight times reaches "text", four words with Shift select
# "text itself never changes, ".
keys ctrl+Home
for _ in 1 2 3 4 5 6 7 8; do keys ctrl+Right; done
for _ in 1 2 3 4; do keys ctrl+shift+Right; done
import -window root "$SHOTS/wrapped.png"

xdotool windowsize "$window" 420 360
sleep 0.6
import -window root "$SHOTS/resized.png"
type_text "REPLACED "
keys ctrl+s
sleep 0.5
expect_bytes "$WORK/wrap.txt" 'Word wrap moves only the row boundaries: the REPLACED and the wrapped rows are the rows the editor paints.\r\nA second, well-known paragraph.\r\n'

# Wrap off and on again, then an edit at the end of the last line: still
# the same lines.
keys ctrl+w ctrl+w ctrl+End
type_text "End."
keys ctrl+s
sleep 0.5
expect_bytes "$WORK/wrap.txt" 'Word wrap moves only the row boundaries: the REPLACED and the wrapped rows are the rows the editor paints.\r\nA second, well-known paragraph.End.\r\n'
echo PASS

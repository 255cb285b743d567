#!/usr/bin/env bash
# Opens Find from the Search menu with the keyboard, finds a word with
# Enter, closes the dialog with Escape, types over the selected match and
# compares the saved bytes.
# VANTOR_SHOTS=FOLDER keeps a screenshot of the dialog over the found match.
source "$(dirname "$0")/lib.sh"
SHOTS=${VANTOR_SHOTS:-$WORK}
mkdir -p "$SHOTS"

start_xvfb
printf 'alpha beta gamma\nbeta delta\n' >"$WORK/f.txt"
start_app "$WORK/f.txt"
wait_window "f.txt - Vantor"

keys alt+s f
wait_focus "Find"
type_text "beta"
keys Return
import -window root "$SHOTS/find-dialog.png"
keys Escape
wait_focus "f.txt - Vantor"
type_text "BETA"
keys ctrl+s
wait_bytes "$WORK/f.txt" 'alpha BETA gamma\r\nbeta delta\r\n'

# F3 finds the next one with the same text.
keys F3
type_text "Beta"
keys ctrl+s
wait_bytes "$WORK/f.txt" 'alpha BETA gamma\r\nBeta delta\r\n'

keys alt+f x
wait_gone
echo PASS

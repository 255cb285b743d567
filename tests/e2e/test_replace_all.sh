#!/usr/bin/env bash
# Runs Replace All from the Replace dialog with whole words only and
# compares the saved bytes.
# VANTOR_SHOTS=FOLDER keeps a screenshot of the dialog over the first match.
source "$(dirname "$0")/lib.sh"
SHOTS=${VANTOR_SHOTS:-$WORK}
mkdir -p "$SHOTS"

start_xvfb
printf 'one fish two fish\nred fish blue fishes\n' >"$WORK/r.txt"
start_app "$WORK/r.txt"
wait_window "r.txt - Vantor"

keys alt+s r
wait_focus "Replace"
type_text "fish"
keys Tab
type_text "cat"
# Find Next selects the first match; Replace All starts with it.
keys alt+w alt+f
import -window root "$SHOTS/replace-dialog.png"
keys alt+a
keys Escape
wait_focus "r.txt - Vantor"
keys ctrl+s
wait_bytes "$WORK/r.txt" 'one cat two cat\r\nred cat blue fishes\r\n'

keys alt+f x
wait_gone
echo PASS

#!/usr/bin/env bash
# Types, deletes, undoes and redoes with the real keys and accelerators,
# drives the Edit menu by its mnemonics, then saves and compares the bytes.
source "$(dirname "$0")/lib.sh"

start_xvfb
printf 'hello\n' >"$WORK/u.txt"
start_app "$WORK/u.txt"
wait_window "u.txt - Vantor"

keys End
type_text " world"
keys BackSpace BackSpace          # hello wor
keys alt+BackSpace                # undo: hello worl
keys ctrl+r                       # redo: hello wor
keys alt+e u                      # Edit > Undo: hello worl
keys Home Delete                  # ello worl
keys alt+e r                      # Edit > Redo of nothing: the delete was the last edit
keys ctrl+s
wait_bytes "$WORK/u.txt" 'ello worl\r\n'

# Clear All and its undo through the accelerators.
keys ctrl+Delete
keys ctrl+s
wait_bytes "$WORK/u.txt" '\r\n'
keys alt+BackSpace ctrl+s
wait_bytes "$WORK/u.txt" 'ello worl\r\n'

keys alt+f x
wait_gone
echo PASS

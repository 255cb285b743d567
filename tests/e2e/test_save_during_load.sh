#!/usr/bin/env bash
# A 200 MB file loads slowly (its reads are paced): Save As and Save pressed
# during the load are refused; after the load a typed word is saved and the
# file is the old bytes behind the word.
source "$(dirname "$0")/lib.sh"
[ -n "$SLOWREAD" ] || fail "needs the read-slowing library as the second argument"

make_file() { (set +o pipefail; yes $'a line of text in a big file\r' | head -n 7000000); }
start_xvfb
make_file >"$WORK/big.txt"
size=$(stat -c %s "$WORK/big.txt")

LD_PRELOAD="$SLOWREAD" VANTOR_SLOW_READ="$WORK/big.txt" VANTOR_SLOW_READ_MS=80 start_app "$WORK/big.txt"
wait_window "Vantor"
keys ctrl+s
# The File menu stays open through the load. A Save As dialog opened from it
# would stop the load (its dialog runs inside the load's message pump) or
# still be open when the load ends; nothing here may close it.
keys alt+f a
wait_for "the end of the load" window_exists '^big\.txt - Vantor$'
window_exists '^Save As$' && fail "Save As opened during the load"
[ "$(stat -c %s "$WORK/big.txt")" = "$size" ] || fail "the file changed during the load"

# The menu bar may still take keys after the menu closed: a click puts the
# keys back into the text.
keys Escape Escape Escape
xdotool mousemove --window "$(xdotool search --name '^big\.txt - Vantor$' | head -1)" 120 120 click 1
keys ctrl+Home
type_text "typed "
keys ctrl+s
saved() { [ "$(stat -c %s "$WORK/big.txt")" = "$((size + 6))" ]; }
wait_for "the save" saved
cmp -s <(printf 'typed '; make_file) "$WORK/big.txt" || fail "the saved file is not the old text behind the typed word"
keys alt+f x
wait_gone
echo PASS

#!/usr/bin/env bash
# Opens a file from the command line, edits it with keys, saves with Ctrl+S
# and compares the saved bytes; then a modified document asks before closing.
# The file has a second name, so it is saved in place, over the pages the
# document was loaded from: the untouched last line must survive that.
source "$(dirname "$0")/lib.sh"

start_xvfb
printf 'first line\nsecond\tline\nthird, untouched\n' >"$WORK/notes file.txt"
ln "$WORK/notes file.txt" "$WORK/second name.txt"
start_app "$WORK/notes file.txt"
wait_window "notes file.txt - Vantor"

# End of the first line, type, then next line start, delete a character.
keys End
type_text " added"
keys Down Home Delete
keys ctrl+s
wait_bytes "$WORK/notes file.txt" 'first line added\r\necond\tline\r\nthird, untouched\r\n'

# A change, then closing: the save-changes question appears.
type_text "x"
keys alt+f x
for _ in $(seq 50); do
  xdotool search --name '^Save File\?$' >/dev/null 2>&1 && break
  sleep 0.1
done
xdotool search --name '^Save File\?$' >/dev/null 2>&1 || fail "closing a modified document did not ask to save"
# No: the program ends and the file keeps what was saved.
keys n
wait_gone
expect_bytes "$WORK/notes file.txt" 'first line added\r\necond\tline\r\nthird, untouched\r\n'
echo PASS

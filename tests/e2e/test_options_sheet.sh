#!/usr/bin/env bash
# Edit, Options with the keyboard: the Text page's size becomes 14 and its
# tab spacing 8; after OK and exit TORVEL.INI holds both.
source "$(dirname "$0")/lib.sh"

start_xvfb
printf 'tab\there\r\nand\tthere\r\n' >"$WORK/t.txt"
start_app "$WORK/t.txt"
INI="$XDG_CONFIG_HOME/vantor/TORVEL.INI"
wait_window "t.txt - Vantor"
wait_focus "t.txt - Vantor"

keys alt+e o
wait_window "Options"
wait_focus "Options"
keys ctrl+Tab                      # the Text page; the font box has the keyboard
keys Tab ctrl+a
type_text "14"
keys Tab ctrl+a
type_text "8"
[ -n "${OPTIONS_SHOT:-}" ] && import -window root "$OPTIONS_SHOT-text.png"
keys Return
wait_for "the sheet to close" bash -c '! xdotool search --name "^Options\$" >/dev/null 2>&1'
[ -n "${OPTIONS_SHOT:-}" ] && import -window root "$OPTIONS_SHOT-editor.png"

keys alt+f x
wait_gone
[ -f "$INI" ] || fail "no settings file was written"
section=$(sed -n '/^\[WinText\]/,/^\[/p' "$INI" | tr -d '\r')
grep -qx 'FontSize=14' <<<"$section" || fail "the Text style's size is not 14: $section"
grep -qx 'TabSize=8' <<<"$section" || fail "the Text style's tab spacing is not 8: $section"
echo PASS

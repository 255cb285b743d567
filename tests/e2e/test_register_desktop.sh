#!/usr/bin/env bash
# vantor -register from a folder whose name needs every kind of quoting;
# the desktop then opens text files with it, and its own launcher (gio)
# starts exactly that program with the file.
source "$(dirname "$0")/lib.sh"

for tool in xdg-mime gio desktop-file-validate update-desktop-database; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (xdg-utils, libglib2.0-bin, desktop-file-utils)"; exit 77; }
done

odd="$WORK/my \"odd\" \$dir \\x\`y"
mkdir -p "$odd"
cp "$VANTOR" "$odd/vantor"
VANTOR="$odd/vantor"
export XDG_DATA_HOME="$WORK/home/.local/share"
entry="$XDG_DATA_HOME/applications/vantor.desktop"

start_xvfb
start_app -register
wait_window "Vantor"
# The desktop's index of entries is refreshed last.
wait_for "the desktop's index of entries" test -s "$XDG_DATA_HOME/applications/mimeinfo.cache"
kill "$APP_PID"
wait_gone

answer=$(xdg-mime query default text/plain)
[ "$answer" = vantor.desktop ] || fail "the default for text/plain is '$answer'"
desktop-file-validate "$entry" || fail "the entry is not valid: $(cat "$entry")"

printf 'hello\n' >"$WORK/a note.txt"
gio launch "$entry" "$WORK/a note.txt" >"$WORK/launch.log" 2>&1 || fail "gio could not launch the entry: $(cat "$WORK/launch.log")"
window=$(find_window '^a note\.txt - Vantor$')
[ -n "$window" ] || fail "the launched program shows no window for the file"
APP_PID=$(xdotool getwindowpid "$window")
[ "$(readlink "/proc/$APP_PID/exe")" = "$odd/vantor" ] || fail "the launcher started $(readlink "/proc/$APP_PID/exe")"
echo PASS

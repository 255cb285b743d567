#!/usr/bin/env bash
# Prints a file from the command line (-p) through a print server of the
# test's own: cupsd with a private configuration and a queue that writes
# PDF into a file. The print dialog is accepted with Enter, the program
# quits by itself, and pdftotext reads the printed pages back.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/../support/private-cups.sh"

skip() { echo "SKIP: $*"; exit 77; }
for tool in pdftotext pdfinfo; do
  command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/install-deps.sh installs it)"
done

# --- the print server -----------------------------------------------------------
CUPS="$WORK/cups"
CUPSD_PID=""
stop_cupsd() {
  if [ -n "$CUPSD_PID" ]; then
    kill "$CUPSD_PID" 2>/dev/null || true
    wait "$CUPSD_PID" 2>/dev/null || true
  fi
  cleanup
}
trap stop_cupsd EXIT
start_private_cups "$CUPS" vantor-pdf || skip "no print server of its own (above)"

# --- the document: three pages of numbered rows, a tab on the first ------------
{
  printf 'col\tTAB\n'
  for i in $(seq 2 130); do printf 'row %d\n' "$i"; done
} >"$WORK/print me.txt"

start_xvfb
start_app -p "$WORK/print me.txt"
wait_window "Print"
wait_focus "Print"
keys Return
wait_gone

# The job leaves the queue once its PDF is written.
for _ in $(seq 300); do
  [ -s "$CUPS/out/vantor-pdf.pdf" ] && [ -z "$(lpstat -o vantor-pdf 2>/dev/null)" ] && break
  sleep 0.1
done
[ -s "$CUPS/out/vantor-pdf.pdf" ] || fail "nothing was printed: $(tail -5 "$CUPS/log/error_log")"
pages=$(pdfinfo "$CUPS/out/vantor-pdf.pdf" | awk '/^Pages:/ {print $2}')
text=$(pdftotext -layout "$CUPS/out/vantor-pdf.pdf" - | tr -d '\f')
printf '%s\n' "$text" | grep -q '^ *row 2$' || fail "row 2 is not on the paper: $text"
printf '%s\n' "$text" | grep -q '^ *row 130$' || fail "the last row is not on the paper"
# The tab stops 4 characters (the default tab size) from the margin: TAB
# starts 4 widths of "col"'s characters right of it.
pdftotext -bbox -f 1 -l 1 "$CUPS/out/vantor-pdf.pdf" - |
  awk -F'"' '/>col</ {left = $2; width = ($6 - $2) / 3} />TAB</ {tab = $2}
    END {exit !(width > 0 && (tab - left) / width > 3.9 && (tab - left) / width < 4.1)}' ||
  fail "the tab did not stop 4 characters in: $(pdftotext -bbox -f 1 -l 1 "$CUPS/out/vantor-pdf.pdf" - | grep -E '>(col|TAB)<')"
[ "$pages" -ge 2 ] || fail "130 rows came out on $pages page(s)"
rows=$(printf '%s\n' "$text" | grep -c -E '^ *(row [0-9]+|col +TAB)$')
[ "$rows" -eq 130 ] || { cp "$CUPS/out/vantor-pdf.pdf" /tmp/vantor-e2e-printed.pdf; fail "$rows rows were printed, not 130"; }
echo PASS

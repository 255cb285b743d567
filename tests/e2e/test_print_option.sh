#!/usr/bin/env bash
# Prints a file from the command line (-p) through a print server of the
# test's own: cupsd with a private configuration and a queue that writes
# PDF into a file. The print dialog is accepted with Enter, the program
# quits by itself, and pdftotext reads the printed pages back.
source "$(dirname "$0")/lib.sh"

skip() { echo "SKIP: $*"; exit 77; }
for tool in cupsd lpadmin lpstat pdftotext pdfinfo; do
  command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/install-deps.sh installs it)"
done
[ -x /usr/lib/cups/filter/pdftopdf ] || skip "the CUPS PDF filter (cups-filters-core-drivers) is not installed"

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
mkdir -p "$CUPS"/{state,cache,spool,log,out}
mkdir -m 1777 "$CUPS/tmp"
# The filters run as an unprivileged user: they must reach the folders.
chmod 755 "$WORK" "$CUPS"
chmod 777 "$CUPS/out"
cat >"$CUPS/cupsd.conf" <<CONF
Listen $CUPS/cups.sock
LogLevel info
WebInterface No
Browsing Off
DefaultAuthType None
<Policy default>
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
CONF
cat >"$CUPS/cups-files.conf" <<CONF
ServerRoot $CUPS
StateDir $CUPS/state
CacheDir $CUPS/cache
RequestRoot $CUPS/spool
TempDir $CUPS/tmp
AccessLog $CUPS/log/access_log
ErrorLog $CUPS/log/error_log
PageLog $CUPS/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
FileDevice Yes
SystemGroup root
CONF
# A PDF printer: the job's PDF passes the PDF filter into a file.
cat >"$CUPS/pdf-file.ppd" <<'PPD'
*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "PDFFILE.PPD"
*Manufacturer: "Vantor"
*Product: "(PDF file)"
*ModelName: "PDF file"
*ShortNickName: "PDF file"
*NickName: "PDF file"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: False
*DefaultColorSpace: Gray
*FileSystem: False
*Throughput: "1"
*LandscapeOrientation: Plus90
*TTRasterizer: Type42
*cupsFilter2: "application/vnd.cups-pdf application/pdf 0 -"
*OpenUI *PageSize/Media Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: Letter
*PageSize Letter/US Letter: "<</PageSize[612 792]>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion/Media Size: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: Letter
*PageRegion Letter/US Letter: "<</PageSize[612 792]>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: Letter
*ImageableArea Letter/US Letter: "18 18 594 774"
*DefaultPaperDimension: Letter
*PaperDimension Letter/US Letter: "612 792"
PPD
cupsd -f -c "$CUPS/cupsd.conf" -s "$CUPS/cups-files.conf" >"$CUPS/cupsd.out" 2>&1 &
CUPSD_PID=$!
export CUPS_SERVER="$CUPS/cups.sock"
for _ in $(seq 100); do
  lpstat -r >/dev/null 2>&1 && break
  kill -0 "$CUPSD_PID" 2>/dev/null || skip "cupsd did not start: $(cat "$CUPS/cupsd.out")"
  sleep 0.1
done
lpstat -r >/dev/null 2>&1 || skip "cupsd does not answer on $CUPS_SERVER"
lpadmin -p vantor-pdf -E -v "file://$CUPS/out/printed.pdf" -P "$CUPS/pdf-file.ppd" 2>/dev/null ||
  skip "the print server refused the PDF queue"
lpadmin -d vantor-pdf

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
  [ -s "$CUPS/out/printed.pdf" ] && [ -z "$(lpstat -o vantor-pdf 2>/dev/null)" ] && break
  sleep 0.1
done
[ -s "$CUPS/out/printed.pdf" ] || fail "nothing was printed: $(tail -5 "$CUPS/log/error_log")"
pages=$(pdfinfo "$CUPS/out/printed.pdf" | awk '/^Pages:/ {print $2}')
text=$(pdftotext -layout "$CUPS/out/printed.pdf" - | tr -d '\f')
printf '%s\n' "$text" | grep -q '^ *row 2$' || fail "row 2 is not on the paper: $text"
printf '%s\n' "$text" | grep -q '^ *row 130$' || fail "the last row is not on the paper"
# The tab stops 4 characters (the default tab size) from the margin: TAB
# starts 4 widths of "col"'s characters right of it.
pdftotext -bbox -f 1 -l 1 "$CUPS/out/printed.pdf" - |
  awk -F'"' '/>col</ {left = $2; width = ($6 - $2) / 3} />TAB</ {tab = $2}
    END {exit !(width > 0 && (tab - left) / width > 3.9 && (tab - left) / width < 4.1)}' ||
  fail "the tab did not stop 4 characters in: $(pdftotext -bbox -f 1 -l 1 "$CUPS/out/printed.pdf" - | grep -E '>(col|TAB)<')"
[ "$pages" -ge 2 ] || fail "130 rows came out on $pages page(s)"
rows=$(printf '%s\n' "$text" | grep -c -E '^ *(row [0-9]+|col +TAB)$')
[ "$rows" -eq 130 ] || { cp "$CUPS/out/printed.pdf" /tmp/vantor-e2e-printed.pdf; fail "$rows rows were printed, not 130"; }
echo PASS

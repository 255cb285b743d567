# A print server of a test's own: cupsd with a private configuration in a
# folder and queues that write PDF into files there.
#
#   source private-cups.sh; start_private_cups DIR QUEUE...
# starts it, sets CUPSD_PID and exports CUPS_SERVER; the first queue is the
# default and writes DIR/out/QUEUE.pdf. The caller stops CUPSD_PID. Run as a
# program with the same arguments it prints "PID SOCKET" and leaves the
# server running. On failure it says why on stderr and returns 1.

start_private_cups() {
  local CUPS=$1 queue
  shift
  command -v cupsd >/dev/null && command -v lpadmin >/dev/null && command -v lpstat >/dev/null ||
    { echo "cupsd, lpadmin or lpstat is not installed" >&2; return 1; }
  [ -x /usr/lib/cups/filter/pdftopdf ] ||
    { echo "the CUPS PDF filter (cups-filters-core-drivers) is not installed" >&2; return 1; }
  mkdir -p "$CUPS"/{state,cache,spool,log,out}
  mkdir -m 1777 "$CUPS/tmp"
  # The filters run as an unprivileged user: they must reach the folders.
  chmod 755 "$(dirname "$CUPS")" "$CUPS"
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
  cupsd -f -c "$CUPS/cupsd.conf" -s "$CUPS/cups-files.conf" >"$CUPS/cupsd.out" 2>&1 </dev/null &
  CUPSD_PID=$!
  export CUPS_SERVER="$CUPS/cups.sock"
  for _ in $(seq 100); do
    lpstat -r >/dev/null 2>&1 && break
    kill -0 "$CUPSD_PID" 2>/dev/null || { echo "cupsd did not start: $(cat "$CUPS/cupsd.out")" >&2; return 1; }
    sleep 0.1
  done
  lpstat -r >/dev/null 2>&1 || { echo "cupsd does not answer on $CUPS_SERVER" >&2; return 1; }
  for queue in "$@"; do
    lpadmin -p "$queue" -E -v "file://$CUPS/out/$queue.pdf" -P "$CUPS/pdf-file.ppd" 2>/dev/null ||
      { echo "the print server refused the queue $queue" >&2; return 1; }
  done
  lpadmin -d "$1"
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  set -euo pipefail
  start_private_cups "$@" || { [ -n "${CUPSD_PID:-}" ] && kill "$CUPSD_PID"; exit 1; }
  echo "$CUPSD_PID $CUPS_SERVER"
fi

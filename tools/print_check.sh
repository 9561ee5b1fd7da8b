#!/bin/sh
# Prints the one-day view of Marevo's window tests on a real printer under Wine: starts a
# private cupsd with a PDF printer, prints at ratio 1.0 (colour) and 2.0 (monochrome), turns
# the pages into PNG with pdftoppm and checks the printed width (610 view units = 610 dots
# at 300 dpi, about 2.03 inches) and the colours. Needs cups, printer-driver-cups-pdf and
# poppler-utils. Usage: tools/print_check.sh BUILD_DIR [OUT_DIR]
set -eu
build=$(cd "$1" && pwd)
out=${2:-$build/print-check}
exe=$build/tests/app/app_window_tests.exe
here=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$out"
rm -f "$out"/*.png
# cups-pdf writes into ~/PDF or, as Debian configures it, /var/spool/cups-pdf/USER.
pdfs() { ls -t "$HOME"/PDF/*.pdf /var/spool/cups-pdf/"$(id -un)"/*.pdf 2>/dev/null || true; }

# A private CUPS: own configuration and spool, so nothing of the machine's is touched.
cups=$out/cups
mkdir -p "$cups/spool" "$cups/cache" "$cups/log" "$cups/ppd"
cat > "$cups/cupsd.conf" <<CONF
Listen /run/cups/cups.sock
Listen localhost:631
LogLevel warn
<Location />
  Order allow,deny
  Allow localhost
</Location>
CONF
cat > "$cups/cups-files.conf" <<CONF
RequestRoot $cups/spool
CacheDir $cups/cache
StateDir $cups
ServerRoot $cups
ErrorLog $cups/log/error_log
AccessLog $cups/log/access_log
PageLog $cups/log/page_log
CONF
/usr/sbin/cupsd -f -c "$cups/cupsd.conf" -s "$cups/cups-files.conf" &
cupsd=$!
trap 'kill $cupsd 2>/dev/null || true' EXIT
sleep 2
lpadmin -p PDF -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
lpadmin -d PDF

print() {
  before=$(pdfs | wc -l)
  env "$@" xvfb-run -a "$here/cmake/wine-run.sh" "$exe" \
    --gtest_filter=PrintingTest.RealPrinterPrintsOnePage >&2
  for i in $(seq 1 60); do
    [ "$(pdfs | wc -l)" -gt "$before" ] && break
    sleep 1
  done
  sleep 2
  pdfs | head -1
}

status=0
check() { # name pdf expected-width-at-100dpi mono
  pdftoppm -r 100 -png -singlefile "$2" "$out/$1"
  geometry=$(convert "$out/$1.png" -fuzz 2% -trim -format '%w %h %X %Y' info:)
  width=${geometry%% *}
  colours=$(convert "$out/$1.png" -colorspace HSL -channel G -separate -format '%[fx:maxima]' info:)
  echo "$1: printed area $geometry (expected width about $3), largest saturation $colours"
  lo=$(($3 * 95 / 100)); hi=$(($3 * 105 / 100))
  if [ "$width" -lt "$lo" ] || [ "$width" -gt "$hi" ]; then echo "  width out of range"; status=1; fi
  if [ "$4" = mono ] && [ "$(echo "$colours > 0.05" | bc)" = 1 ]; then echo "  colour on a monochrome page"; status=1; fi
  if [ "$4" = colour ] && [ "$(echo "$colours < 0.2" | bc)" = 1 ]; then echo "  no colour on a colour page"; status=1; fi
}

one=$(print MAREVO_REAL_PRINTER=1.0)
check page-ratio1 "$one" 203 colour
two=$(print MAREVO_REAL_PRINTER=2.0 MAREVO_REAL_PRINTER_MONO=1)
check page-ratio2-mono "$two" 407 mono
exit $status

#!/usr/bin/env bash
# A private CUPS scheduler for the printing tests: everything lives in a fresh temporary
# folder, it listens on 127.0.0.1 at a free port and on a socket in that folder, and every
# queue prints to a capture backend that keeps each job's arguments and data where the
# tests read them. Nothing of the machine's own CUPS is used or touched.
#
# Queues:
#   Raw            no PPD
#   Epson_R280     Gutenprint Epson Stylus Photo R280 (disc tray), the whole driver chain
#   Canon_iP4500   Gutenprint Canon PIXMA iP4500 (disc tray), the whole driver chain
#   Epson_R280_PDF, Canon_iP4500_PDF
#                  the same PPDs, but the job stops after the PDF step, so the backend
#                  receives the PDF that the driver would rasterise (quick)
#   Epson_C88      Gutenprint Epson Stylus C88 (no disc tray)
#
# Exports (through "$root/env-cups", which scripts/with-test-services reads):
#   CUPS_SERVER              the socket
#   LUMAREST_CUPS_CAPTURE    the folder of captured jobs: <job-id>.args (one argument a
#                            line: job id, user, title, copies, options) and <job-id>.data
set -euo pipefail
root=$1
dir=$(mktemp -d "${TMPDIR:-/tmp}/lumarest-cups.XXXXXX")
# The filters run as lp: they must be able to pass through the folder.
chmod 0711 "$dir"

stop="$root/stop-cups"
cat >"$stop" <<EOF
#!/usr/bin/env bash
# Stops the private scheduler by its process id and removes its folder.
if [ -f "$dir/cupsd.pid" ]; then
  pid=\$(cat "$dir/cupsd.pid")
  kill "\$pid" 2>/dev/null || true
  for _ in \$(seq 50); do kill -0 "\$pid" 2>/dev/null || break; sleep 0.1; done
  kill -9 "\$pid" 2>/dev/null || true
fi
rm -rf "$dir"
EOF
chmod 0700 "$stop"

command -v cupsd >/dev/null || { echo "cups.sh: cupsd is not installed" >&2; exit 1; }

mkdir -p "$dir"/{etc/ppd,bin/backend,spool,tmp,cache,state,log,ssl,capture,ppd}
chown root:lp "$dir/etc" "$dir/tmp" "$dir/cache" "$dir/state"
chmod 0755 "$dir/etc"
chmod 1770 "$dir/tmp"
chmod 0770 "$dir/cache" "$dir/state"
chmod 0700 "$dir/capture"

for part in cgi-bin daemon driver filter monitor notifier; do
  ln -s "/usr/lib/cups/$part" "$dir/bin/$part"
done
for backend in /usr/lib/cups/backend/*; do
  ln -s "$backend" "$dir/bin/backend/$(basename "$backend")"
done

# The capture backend: mode 0700 so that the scheduler runs it as root.
cat >"$dir/bin/backend/capture" <<EOF
#!/usr/bin/env bash
# Without arguments: announce the device. Otherwise keep the job's arguments and data.
if [ \$# -eq 0 ]; then
  echo 'direct capture "Unknown" "Lumarest capture"'
  exit 0
fi
out="$dir/capture/\$1"
printf '%s\n' "\$1" "\$2" "\$3" "\$4" "\$5" >"\$out.args.part"
if [ \$# -ge 6 ]; then cat "\$6" >"\$out.data.part"; else cat >"\$out.data.part"; fi
mv "\$out.data.part" "\$out.data"
mv "\$out.args.part" "\$out.args"
exit 0
EOF
chmod 0700 "$dir/bin/backend/capture"

port=$(/usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
socket="$dir/socket"

cat >"$dir/etc/cups-files.conf" <<EOF
ServerRoot $dir/etc
ServerBin $dir/bin
RequestRoot $dir/spool
TempDir $dir/tmp
CacheDir $dir/cache
StateDir $dir/state
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
ServerKeychain $dir/ssl
FileDevice Yes
User lp
Group lp
EOF

cat >"$dir/etc/cupsd.conf" <<EOF
LogLevel warn
Listen 127.0.0.1:$port
Listen $socket
Browsing Off
BrowseLocalProtocols none
WebInterface No
DefaultAuthType None
PreserveJobFiles Yes
PreserveJobHistory Yes
MaxJobs 0
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order deny,allow
    Allow all
  </Limit>
</Policy>
EOF

cupsd -t -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" >"$dir/log/check" 2>&1 ||
  { cat "$dir/log/check" >&2; exit 1; }
cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" >>"$dir/log/cupsd.out" 2>&1 &
echo $! >"$dir/cupsd.pid"

export CUPS_SERVER="$socket"
ready=
for _ in $(seq 100); do
  if lpstat -r 2>/dev/null | grep -q "is running"; then ready=1; break; fi
  sleep 0.05
done
[ -n "$ready" ] || { echo "cups.sh: the private cupsd did not start" >&2; cat "$dir/log/error_log" >&2 2>/dev/null; exit 1; }

gutenprint=/usr/lib/cups/driver/gutenprint.5.3
"$gutenprint" cat gutenprint.5.3://escp2-r280/expert >"$dir/ppd/r280.ppd"
"$gutenprint" cat gutenprint.5.3://bjc-PIXMA-iP4500/expert >"$dir/ppd/ip4500.ppd"
"$gutenprint" cat gutenprint.5.3://escp2-c88/expert >"$dir/ppd/c88.ppd"
# The PDF variants: the printer takes the PDF step's output as it is.
for model in r280 ip4500; do
  sed -e '/^\*cupsFilter/d' -e 's/^\*NickName:.*/&\n*cupsFilter2: "application\/vnd.cups-pdf application\/pdf 0 -"/' \
    "$dir/ppd/$model.ppd" >"$dir/ppd/$model-pdf.ppd"
done

add_queue() { lpadmin -p "$1" -E -v capture:/ "${@:2}" 2>>"$dir/log/lpadmin"; }
add_queue Raw
add_queue Epson_R280 -P "$dir/ppd/r280.ppd"
add_queue Canon_iP4500 -P "$dir/ppd/ip4500.ppd"
add_queue Epson_R280_PDF -P "$dir/ppd/r280-pdf.ppd"
add_queue Canon_iP4500_PDF -P "$dir/ppd/ip4500-pdf.ppd"
add_queue Epson_C88 -P "$dir/ppd/c88.ppd"
lpadmin -d Raw 2>>"$dir/log/lpadmin"

cat >"$root/env-cups" <<EOF
export CUPS_SERVER="$socket"
export LUMAREST_CUPS_CAPTURE="$dir/capture"
EOF

#!/usr/bin/env bash
# A private CUPS scheduler with a CUPS-PDF queue as its default printer, for
# the end-to-end print test. It lives in its own folder (configuration, spool,
# logs, socket, the PDF files the queue writes) and is stopped by its process
# id. The machine's own CUPS setup is neither used nor changed; the one file
# outside the folder is the queue's CUPS-PDF settings, which the backend reads
# from /etc/cups only, named after this run and removed at stop.
#
#   cups_pdf_printer.sh run COMMAND [ARG...]
#       starts the scheduler, runs COMMAND with CUPS_SERVER pointing at it and
#       KESORA_CUPS_PDF_OUT naming the folder the queue writes to, stops the
#       scheduler and exits with COMMAND's status.
#   cups_pdf_printer.sh start FOLDER     starts it in FOLDER (which must not exist)
#   cups_pdf_printer.sh stop FOLDER      stops it
#
# Needs root (the CUPS-PDF backend runs as root) and the packages cups and
# printer-driver-cups-pdf. Without them it exits with 77 (skipped), or fails
# when CI=true, where they must be there.
set -euo pipefail

readonly skip=77
readonly ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
readonly backend=/usr/lib/cups/backend/cups-pdf

say() { echo "cups_pdf_printer: $*" >&2; }

unavailable() {
  say "$*"
  if [ "${CI:-}" = true ]; then exit 1; fi
  exit "$skip"
}

check_prerequisites() {
  [ "$(id -u)" -eq 0 ] || unavailable "not root: the CUPS-PDF backend must run as root"
  local tool
  for tool in cupsd lpadmin lpstat; do
    command -v "$tool" >/dev/null || [ -x "/usr/sbin/$tool" ] || unavailable "$tool missing (package cups)"
  done
  [ -x "$backend" ] && [ -f "$ppd" ] || unavailable "CUPS-PDF missing (package printer-driver-cups-pdf)"
}

# lpadmin against the private scheduler, tried again for a few seconds: right
# after start-up the scheduler may briefly stop taking connections to reload.
administer() {
  local dir=$1 tries=0; shift
  until lpadmin -h "$dir/cups.sock" "$@" 2>>"$dir/log/lpadmin.out"; do
    tries=$((tries + 1))
    [ $tries -lt 50 ] || return 1
    sleep 0.1
  done
}

start() {
  local dir=$1
  mkdir -m 0755 "$dir"
  dir=$(cd "$dir" && pwd)
  mkdir -p "$dir"/{etc,etc/ppd,etc/ssl,client,home,spool,spool/tmp,cache,state,log,out,pdf-spool}
  chmod 0755 "$dir"/*
  chmod 1777 "$dir/spool/tmp" "$dir/out"
  # The backend's settings file is named after the device; one per run.
  local queue device
  queue=kesora-pdf
  device="kesora-$(basename "$dir" | tr -c 'A-Za-z0-9\n' '-')"
  echo "$device" >"$dir/device"

  cat >"$dir/etc/cups-files.conf" <<CONF
ServerRoot $dir/etc
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
Printcap $dir/state/printcap
SystemGroup root
FileDevice No
CONF
  # Only this socket, no network; everyone local may print and administer.
  cat >"$dir/etc/cupsd.conf" <<CONF
Listen $dir/cups.sock
LogLevel info
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
  cat >"/etc/cups/cups-pdf-$device.conf" <<CONF
Out $dir/out
AnonDirName $dir/out
Spool $dir/pdf-spool
Grp root
UserUMask 0022
Log $dir/log
CONF

  /usr/sbin/cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" \
    </dev/null >"$dir/log/cupsd.out" 2>&1 &
  echo $! >"$dir/cupsd.pid"

  local waited=0
  until lpstat -h "$dir/cups.sock" -r >/dev/null 2>&1; do
    if ! kill -0 "$(cat "$dir/cupsd.pid")" 2>/dev/null || [ $waited -ge 300 ]; then
      say "the scheduler did not come up"; cat "$dir/log/cupsd.out" "$dir/log/error_log" >&2 2>/dev/null || true
      return 1
    fi
    sleep 0.1; waited=$((waited + 1))
  done
  if ! administer "$dir" -p "$queue" -E -v "cups-pdf:/$device" -P "$ppd" ||
     ! administer "$dir" -d "$queue"; then
    say "the queue could not be added"; cat "$dir/log/lpadmin.out" "$dir/log/error_log" >&2 2>/dev/null || true
    return 1
  fi
  # Ready once it names the queue as its default.
  waited=0
  until lpstat -h "$dir/cups.sock" -d 2>/dev/null | grep -q ": $queue\$"; do
    [ $waited -lt 100 ] || { say "the scheduler does not name $queue as its default"; return 1; }
    sleep 0.1; waited=$((waited + 1))
  done
  say "scheduler $(cat "$dir/cupsd.pid") at $dir/cups.sock, default printer $queue"
}

stop() {
  local dir=$1 pid waited=0
  [ -f "$dir/device" ] && rm -f "/etc/cups/cups-pdf-$(cat "$dir/device").conf"
  [ -f "$dir/cupsd.pid" ] || return 0
  pid=$(cat "$dir/cupsd.pid")
  kill -TERM "$pid" 2>/dev/null || return 0
  while kill -0 "$pid" 2>/dev/null && [ $waited -lt 100 ]; do sleep 0.1; waited=$((waited + 1)); done
  kill -KILL "$pid" 2>/dev/null || true
  rm -f "$dir/cupsd.pid"
}

run_dir=
run() {
  local dir status=0
  dir="$(mktemp -d "${TMPDIR:-/tmp}/kesora-cups.XXXXXX")"
  rmdir "$dir"
  run_dir=$dir
  trap 'stop "$run_dir"; rm -rf "$run_dir"' EXIT
  start "$dir"
  # Only this scheduler's default counts: no user or system printer settings.
  env -u PRINTER -u LPDEST CUPS_SERVER="$dir/cups.sock" CUPS_SERVERROOT="$dir/client" HOME="$dir/home" \
    KESORA_CUPS_PDF_OUT="$dir/out" "$@" || status=$?
  if [ $status -ne 0 ]; then
    say "the command failed ($status); the scheduler's log:"
    tail -n 40 "$dir/log/error_log" >&2 2>/dev/null || true
  fi
  return $status
}

case "${1:-}" in
  run) shift; check_prerequisites; run "$@" ;;
  start)
    check_prerequisites
    # A start that fails half-way leaves no scheduler behind.
    trap 'stop "$2"' EXIT
    start "$2"
    trap - EXIT ;;
  stop) stop "$2" ;;
  *) say "usage: $0 run COMMAND [ARG...] | start FOLDER | stop FOLDER"; exit 2 ;;
esac

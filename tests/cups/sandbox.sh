#!/bin/bash
# A throwaway print system for the CUPS tests: a private cupsd (configuration, spool, logs and
# socket in DIR) with three IPP Everywhere test printers behind it. Nothing of the machine's own
# CUPS is read or changed.
#
#   sandbox.sh start DIR   stops what an earlier run left in DIR, then starts; DIR/env to source
#   sandbox.sh stop DIR    ends every process start started and removes DIR
#
# Printers (ippeveprinter, documents kept in DIR/printers/NAME with a .env of the job's
# attributes): Office_Colour (colour, duplex, trays, borderless photo sizes; the server's
# default), Draft_Mono (monochrome, one-sided), Wide_Format (wide-format.attrs: a plotter
# with a roll and a custom size range).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cmd=${1:-}
dir=${2:-}
[ -n "$cmd" ] && [ -n "$dir" ] || { echo "usage: $0 start|stop DIR" >&2; exit 2; }
PATH=$PATH:/usr/sbin:/sbin

say() { echo "cups sandbox: $*" >&2; }

# Polls "$@" every 50 ms until it succeeds, for at most $1 seconds.
wait_for() {
    local tries=$(($1 * 20)); shift
    until "$@" >/dev/null 2>&1; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        sleep 0.05
    done
}

# A TCP port nothing listens on (from /proc: no interpreter to start), not handed out before.
given=" "
free_port() {
    local p
    for _ in $(seq 100); do
        p=$((20000 + (RANDOM * 32768 + RANDOM) % 40000))
        case "$given" in *" $p "*) continue ;; esac
        if ! awk -v h="$(printf ':%04X' "$p")" 'FNR > 1 && substr($2, length($2) - 4) == h { f = 1 } END { exit !f }' \
                /proc/net/tcp /proc/net/tcp6 2>/dev/null; then
            given="$given$p "
            echo "$p"
            return 0
        fi
    done
    return 1
}

# Running and not a zombie.
alive() {
    local st
    st=$(awk '{print $3}' "/proc/$1/stat" 2>/dev/null) || return 1
    [ -n "$st" ] && [ "$st" != Z ]
}

# SIGTERM, up to 2 s to end, then SIGKILL.
end_all() {
    [ $# -gt 0 ] || return 0
    kill "$@" 2>/dev/null || true
    for _ in $(seq 40); do
        local left=0 pid
        for pid in "$@"; do if alive "$pid"; then left=1; fi; done
        [ $left = 1 ] || return 0
        sleep 0.05
    done
    kill -9 "$@" 2>/dev/null || true
}

stop() {
    [ -d "$dir" ] || return 0
    if [ -f "$dir/pids" ]; then
        # cupsd first: its ipp backend talks to the printers.
        # shellcheck disable=SC2046
        end_all $(awk '$2 == "cupsd" {print $1}' "$dir/pids")
        # shellcheck disable=SC2046
        end_all $(awk '$2 != "cupsd" {print $1}' "$dir/pids")
    fi
    rm -rf "$dir"
}

start() {
    for tool in cupsd lpadmin lpstat ippeveprinter ipptool dbus-daemon; do
        command -v "$tool" >/dev/null || { say "$tool is missing (.ci/setup installs it)"; exit 1; }
    done
    stop
    mkdir -p "$dir"
    dir=$(cd "$dir" && pwd)
    # A root cupsd runs filters and backends as user lp: the spool must be reachable for it.
    chmod 0755 "$dir"
    mkdir -p "$dir"/{etc/ppd,run,spool/temp,cache,state,log,printers,homes}
    chmod 1777 "$dir/homes"
    : >"$dir/pids"
    trap 'say "start failed"; for f in "$dir"/log/*; do echo "== $f"; tail -20 "$f"; done >&2; stop' ERR

    # The test printers announce themselves over DNS-SD, which needs a D-Bus system bus: a private one.
    dbus-daemon --session --address="unix:path=$dir/run/dbus.sock" --nofork --nopidfile >"$dir/log/dbus.log" 2>&1 &
    echo "$! dbus-daemon" >>"$dir/pids"
    export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$dir/run/dbus.sock"
    wait_for 5 test -S "$dir/run/dbus.sock"

    # -k keeps each document, -c records its attributes, -r off: no advertising on the network.
    local name port args
    local -a printers=(
        "Office_Colour|-s 10,10 -2 -f application/pdf,image/jpeg,image/pwg-raster,image/urf -M Example -m Colour-Laser -l Second-floor"
        "Draft_Mono|-s 20 -M Example -m Mono-Laser -l Basement"
        "Wide_Format|-a $here/wide-format.attrs -l Drawing-office"
    )
    for entry in "${printers[@]}"; do
        name=${entry%%|*}; args=${entry#*|}
        port=$(free_port)
        mkdir -p "$dir/printers/$name"
        # shellcheck disable=SC2086
        ippeveprinter -r off -n localhost -p "$port" -d "$dir/printers/$name" -k -c "$here/record-job.sh" \
            $args "$name" >"$dir/log/$name.log" 2>&1 &
        echo "$! ippeveprinter" >>"$dir/pids"
        echo "$name $port" >>"$dir/printers.txt"
    done
    while read -r name port; do
        wait_for 10 ipptool -q -T 2 "ipp://localhost:$port/ipp/print" get-printer-attributes.test
    done <"$dir/printers.txt"

    port=$(free_port)
    cat >"$dir/etc/cupsd.conf" <<CONF
Listen $dir/run/cups.sock
Listen localhost:$port
Browsing Off
BrowseLocalProtocols none
DefaultShared No
WebInterface No
LogLevel info
MaxLogSize 0
# A failing filter ends its job instead of stopping the queue for ever.
ErrorPolicy abort-job
<Policy default>
<Limit All>
Order Allow,Deny
</Limit>
</Policy>
CONF
    cat >"$dir/etc/cups-files.conf" <<CONF
ServerRoot $dir/etc
StateDir $dir/state
CacheDir $dir/cache
DataDir /usr/share/cups
ServerBin /usr/lib/cups
DocumentRoot /usr/share/cups/doc-root
RequestRoot $dir/spool
TempDir $dir/spool/temp
Printcap $dir/state/printcap
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
CONF
    cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" >"$dir/log/cupsd.out" 2>&1 &
    echo "$! cupsd" >>"$dir/pids"
    export CUPS_SERVER="$dir/run/cups.sock"
    wait_for 10 sh -c 'lpstat -r | grep -q "is running"'

    # lpadmin -m everywhere exits 0 before cupsd has made the queue's PPD from the device (and
    # leaves a raw queue if the device does not answer): wait for the PPD. One queue at a time:
    # Debian's cupsd once aborted with heap corruption making PPDs for queues added back to back.
    while read -r name port; do
        lpadmin -p "$name" -E -v "ipp://localhost:$port/ipp/print" -m everywhere -D "$name (test printer)" -L "port $port"
        wait_for 10 test -s "$dir/etc/ppd/$name.ppd"
    done <"$dir/printers.txt"
    lpadmin -d Office_Colour

    {
        echo "export CUPS_SERVER='$dir/run/cups.sock'"
        # Each test takes a home of its own under homes/: a user default there stays its own.
        echo "export HOME='$dir/state'"
        echo "unset LPDEST PRINTER"
    } >"$dir/env"
    trap - ERR
}

case "$cmd" in
start) start ;;
stop) stop ;;
*) echo "usage: $0 start|stop DIR" >&2; exit 2 ;;
esac

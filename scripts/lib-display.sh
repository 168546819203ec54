# Shared by the demo and the benchmark scripts: a private X display with a tray host,
# and waiting for things to happen on it.
# Usage: source scripts/lib-display.sh; start_display [--no-tray]; ...; stop_display
# Every wait_* below fails, with a message on stderr, when its time runs out.

# wait_until [--while PID] SECONDS WHAT COMMAND...
# Runs COMMAND every 50 ms until it succeeds. Fails when SECONDS have passed, or at
# once when process PID has ended (what was awaited can no longer happen).
wait_until() {
    # Names of its own that a COMMAND defined by the caller would not reach for.
    local wait_pid=
    if [ "$1" = --while ]; then wait_pid=$2 && shift 2; fi
    local wait_seconds=$1 wait_what=$2
    shift 2
    local wait_deadline=$((${EPOCHREALTIME//[!0-9]/} + wait_seconds * 1000000))
    until "$@"; do
        if [ -n "$wait_pid" ] && ! kill -0 "$wait_pid" 2>/dev/null; then
            echo "gave up waiting for $wait_what: process $wait_pid has ended" >&2
            return 1
        fi
        if ((${EPOCHREALTIME//[!0-9]/} >= wait_deadline)); then
            echo "timed out after $wait_seconds s waiting for $wait_what" >&2
            return 1
        fi
        sleep 0.05
    done
}

# Starts Xvfb on a display number it picks itself (-displayfd: no guessing, no race
# with another Xvfb starting at the same time), exports DISPLAY, then starts the
# tray host unless --no-tray is given (start_tray does it later).
start_display() {
    display_dir=$(mktemp -d -t pinlark-display.XXXXXX)
    # Xvfb writes the number once it accepts connections.
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp \
        3>"$display_dir/number" >"$display_dir/xvfb.log" 2>&1 &
    XVFB_PID=$!
    wait_until --while "$XVFB_PID" 30 "Xvfb to start" grep -qs '^[0-9]' "$display_dir/number" ||
        { cat "$display_dir/xvfb.log" >&2; return 1; }
    export DISPLAY=":$(head -n 1 "$display_dir/number")"
    # A private display has no desktop session, so no session bus either: without
    # one to reach, D-Bus would start one for the display, and with it a keyring
    # that puts a password prompt in front of the app.
    [ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] ||
        export DBUS_SESSION_BUS_ADDRESS="unix:path=$display_dir/no-session-bus"
    [ "${1:-}" = --no-tray ] || start_tray
}

# A window of the root carries the tray's orientation once the tray host has set
# up its tray; it claims the tray selection in the same breath.
tray_ready() {
    local id
    for id in $(xwininfo -root -children 2>/dev/null | awk '$1 ~ /^0x/ { print $1 }'); do
        xprop -id "$id" _NET_SYSTEM_TRAY_ORIENTATION 2>/dev/null | grep -q '= ' && return 0
    done
    return 1
}

# Starts tint2 and waits until its tray can take icons. tint2 reads its input from
# nowhere and may take many seconds to come up on a busy machine.
start_tray() {
    setsid tint2 -c /etc/xdg/tint2/tint2rc </dev/null >"$display_dir/tint2.log" 2>&1 &
    TINT2_PID=$!
    wait_until --while "$TINT2_PID" 60 "the tray host" tray_ready ||
        { cat "$display_dir/tint2.log" >&2; return 1; }
}

stop_display() {
    local pid
    for pid in "${TINT2_PID:-}" "${XVFB_PID:-}"; do
        [ -n "$pid" ] || continue
        { kill "$pid" && wait "$pid"; } 2>/dev/null || true
    done
    [ -z "${display_dir:-}" ] || rm -rf "$display_dir"
    return 0
}

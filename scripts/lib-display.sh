# Shared by the demo and screenshot scripts: a private X display with a tray host.
# Usage: source scripts/lib-display.sh; start_display; ...; stop_display

start_display() {
    for n in $(seq 90 120); do
        if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
            export DISPLAY=":$n"
            break
        fi
    done
    Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    # tint2 reads its input from nowhere and may take a while to map its panel.
    setsid tint2 -c /etc/xdg/tint2/tint2rc </dev/null >/dev/null 2>&1 &
    TINT2_PID=$!
    for _ in $(seq 600); do
        xwininfo -root -children 2>/dev/null | grep -q '"tint2"' && break
        sleep 0.1
    done
    sleep 0.5
}

stop_display() {
    kill "${TINT2_PID:-}" "${XVFB_PID:-}" 2>/dev/null || true
}

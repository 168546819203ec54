# Shared by the demo and the memory benchmark: a throwaway Pinlark session on the
# local service stand-in, with no account.
# Usage: source scripts/lib-session.sh; start_session BUILD_DIR; ...; stop_session
# The window helpers below drive the app under a private display (lib-display.sh).
# Sets: work (scratch folder), data (the app's data folder), page (the notebook
# page the stand-in serves), service (its address), app (the binary).

start_session() {
    local build=$1
    work=$(mktemp -d -t pinlark-session.XXXXXX)
    export XDG_DATA_HOME="$work/data"
    export XDG_RUNTIME_DIR="$work/run"
    data="$XDG_DATA_HOME/Marrowfield/Pinlark"
    mkdir -p "$data" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    page="$work/notebook-page.html"
    cp examples/pinlark.html "$page"
    app="$PWD/$build/bin/pinlark"

    "$build/bin/pinlark-standin" --port 0 --page "$page" --quiet \
        >"$work/standin.out" 2>"$work/standin.log" &
    STANDIN_PID=$!
    for _ in $(seq 100); do
        grep -q '^listening on ' "$work/standin.out" 2>/dev/null && break
        sleep 0.1
    done
    service=$(sed -n 's/^listening on //p' "$work/standin.out")
    [ -n "$service" ] || { echo "the service stand-in did not start" >&2; return 1; }

    cat >"$data/zanapp.plist" <<PLIST
<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE plist PUBLIC "-//Apple//DTD PLIST 1.0//EN" "http://www.apple.com/DTDs/PropertyList-1.0.dtd">
<plist version="1.0">
<dict>
	<key>IdentityRoot</key><string>$service</string>
	<key>RedirectAddress</key><string>$service/oauth20_desktop.srf</string>
	<key>GraphRoot</key><string>$service</string>
</dict>
</plist>
PLIST
    chmod 600 "$data/zanapp.plist"
}

stop_session() {
    kill "${STANDIN_PID:-}" 2>/dev/null || true
}

# Under a private display: waits for the sign-in window and presses Enter on the
# stand-in's page, whose "Sign in" button has the focus. Then waits for the page
# to reach the app's cache. SHOT, if given, receives a picture of the window.
sign_in_by_keyboard() {
    local shot=${1:-} window
    window=$(xdotool search --sync --onlyvisible --name 'Sign in' | head -n 1)
    sleep 4 # the browser engine draws the page a while after mapping the window
    xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
    [ -z "$shot" ] || import -window "$window" "$shot"
    xdotool key --window "$window" Return
    for _ in $(seq 150); do [ -s "$data/pinlark.html" ] && return 0; sleep 0.2; done
    echo "the board page did not arrive; see $work" >&2
    return 1
}

# The largest visible window of the app whose whole title matches this regular
# expression (the tray icon shares the board's title, and is the smaller).
largest_window() {
    local id best= area=0
    for id in $(xdotool search --onlyvisible --class '^pinlark$'); do
        [[ "$(xdotool getwindowname "$id")" =~ ^$1$ ]] || continue
        eval "$(xdotool getwindowgeometry --shell "$id")"
        ((WIDTH * HEIGHT > area)) || continue
        area=$((WIDTH * HEIGHT)) best=$id
    done
    echo "$best"
}

# Waits up to 20 s for largest_window TITLE to find a window.
wait_window() {
    local id
    for _ in $(seq 100); do
        id=$(largest_window "$1")
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.2
    done
    echo "no window \"$1\" showed" >&2
    return 1
}

# Opens the tray icon's menu with a right click, as a user would, and waits for it
# to show (a window of the app that was not on screen before the click). A click
# that lands while the tray host is still settling can be lost: it is tried again.
open_tray_menu() {
    local id icon= before
    before=" $(xdotool search --onlyvisible --class '^pinlark$' | tr '\n' ' ') "
    for id in $before; do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        if ((WIDTH <= 64 && HEIGHT <= 64)); then
            icon="$((X + WIDTH / 2)) $((Y + HEIGHT / 2))"
        fi
    done
    [ -n "$icon" ] || { echo "no tray icon" >&2; return 1; }
    for _ in 1 2 3 4 5; do
        # shellcheck disable=SC2086
        xdotool mousemove $icon click 3
        for _ in $(seq 20); do
            sleep 0.1
            for id in $(xdotool search --onlyvisible --class '^pinlark$'); do
                [[ $before == *" $id "* ]] || return 0
            done
        done
    done
    echo "the tray menu did not open" >&2
    return 1
}

# Shared by the demo and the memory benchmark: a throwaway Pinlark session on the
# local service stand-in, with no account.
# Usage: source scripts/lib-session.sh; start_session BUILD_DIR; ...; stop_session
# The window helpers below drive the app under a private display (lib-display.sh).
# Sets: work (scratch folder), data (the app's data folder), page (the notebook
# page the stand-in serves), service (its address), client_id (the app registration
# it accepts, in the settings), app (the binary).
# The scratch folder holds the session's tokens (kept in its settings file, never in
# the user's keyring): stop_session removes it, so call it from the script's exit trap.

source "$(dirname "${BASH_SOURCE[0]}")/lib-display.sh"

start_session() {
    local build=$1
    work=$(mktemp -d -t pinlark-session.XXXXXX)
    # The window helpers below find windows by their English titles.
    export LANGUAGE=en
    export XDG_DATA_HOME="$work/data"
    export XDG_RUNTIME_DIR="$work/run"
    data="$XDG_DATA_HOME/Marrowfield/Pinlark"
    mkdir -p "$data" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    page="$work/notebook-page.html"
    cp examples/pinlark.html "$page"
    app="$PWD/$build/bin/pinlark"

    # The app registration the stand-in knows, given to the app as a user would.
    client_id=0f3b2c1d-4e5f-4a6b-8c7d-9e0f1a2b3c4d
    "$build/bin/pinlark-standin" --port 0 --page "$page" --client-id "$client_id" --quiet \
        >"$work/standin.out" 2>"$work/standin.log" &
    STANDIN_PID=$!
    wait_until --while "$STANDIN_PID" 10 "the service stand-in" \
        grep -qs '^listening on ' "$work/standin.out" ||
        { cat "$work/standin.log" >&2; return 1; }
    service=$(sed -n 's/^listening on //p' "$work/standin.out")

    cat >"$data/zanapp.plist" <<PLIST
<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE plist PUBLIC "-//Apple//DTD PLIST 1.0//EN" "http://www.apple.com/DTDs/PropertyList-1.0.dtd">
<plist version="1.0">
<dict>
	<key>IdentityRoot</key><string>$service</string>
	<key>RedirectAddress</key><string>$service/oauth20_desktop.srf</string>
	<key>GraphRoot</key><string>$service</string>
	<key>ClientId</key><string>$client_id</string>
	<key>TokenStore</key><string>file</string>
</dict>
</plist>
PLIST
    chmod 600 "$data/zanapp.plist"
}

stop_session() {
    [ -z "${STANDIN_PID:-}" ] || { kill "$STANDIN_PID" && wait "$STANDIN_PID"; } 2>/dev/null || true
    [ -z "${work:-}" ] || rm -rf "$work"
    return 0
}

# How many requests the stand-in has answered on paths containing TEXT, from its
# admin API (not counted itself).
standin_count() {
    local port=${service##*:} answer
    exec 4<>"/dev/tcp/127.0.0.1/$port" || return 1
    printf 'GET /_admin/counts HTTP/1.0\r\nHost: 127.0.0.1\r\n\r\n' >&4
    answer=$(cat <&4)
    exec 4<&-
    grep -o "\"[^\"]*$1[^\"]*\": *[0-9]*" <<<"$answer" | awk -F: '{ n += $NF } END { print n + 0 }'
}

# Waits until process PID's resident memory has stayed within 64 KB for a second:
# start-up, first paint and the work that follows them are over.
wait_memory_settled() {
    local pid=$1 last=-1 still=0 now
    memory_steady() {
        now=$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status" 2>/dev/null) || return 1
        if ((now - last < 64 && last - now < 64)); then
            still=$((still + 1))
        else
            still=0 last=$now
        fi
        ((still >= 20))
    }
    wait_until --while "$pid" 30 "the memory of process $pid to settle" memory_steady
}

# Waits until WINDOW shows more than one colour: mapped windows start as one blank
# colour, so this is the first paint. Pictures and keys wait for it.
window_painted() {
    local colours
    colours=$(import -window "$1" -format '%k' info: 2>/dev/null) || return 1
    ((colours > 1))
}
wait_painted() {
    wait_until 20 "window $1 to be painted" window_painted "$1"
}

# Gives window ID the keyboard focus; without a window manager, activation is
# refused and the focus is set directly.
focus_window() {
    timeout 10 xdotool windowactivate --sync "$1" 2>/dev/null ||
        timeout 10 xdotool windowfocus --sync "$1" ||
        { echo "window $1 did not take the focus" >&2; return 1; }
}

# Under a private display: waits for the sign-in window and presses Enter on the
# stand-in's page, whose "Sign in" button has the focus. Then waits for the page
# to reach the app's cache. SHOT, if given, receives a picture of the window.
sign_in_by_keyboard() {
    local shot=${1:-} window
    window=$(wait_signin_page)
    [ -z "$shot" ] || import -window "$window" "$shot"
    xdotool key Return # to the focused window: the release may find it gone
    wait_until 30 "the board page to reach the cache" test -s "$data/pinlark.html"
}

# Waits for the sign-in window and for the browser engine to draw the stand-in's
# page in it, whose "Sign in" button has the focus from the page's load on. Prints
# the window's id.
wait_signin_page() {
    local found
    # The engine maps the window blank, may replace it by one it can draw into with
    # OpenGL, and draws the page once it has loaded: look for the window each time.
    signin_drawn() {
        found=$(largest_window 'Sign in.*') && [ -n "$found" ] && window_painted "$found"
    }
    wait_until 60 "the sign-in page to be drawn" signin_drawn || return 1
    focus_window "$found" || return 1
    echo "$found"
}

# The largest visible window of the app whose whole title matches this regular
# expression. The tray icon shares the board's title: it never counts.
largest_window() {
    local id best= area=0
    for id in $(xdotool search --onlyvisible --class '^pinlark$' 2>/dev/null); do
        [[ "$(xdotool getwindowname "$id")" =~ ^$1$ ]] || continue
        eval "$(xdotool getwindowgeometry --shell "$id")"
        ((WIDTH > 64 || HEIGHT > 64)) || continue
        ((WIDTH * HEIGHT > area)) || continue
        area=$((WIDTH * HEIGHT)) best=$id
    done
    echo "$best"
}

# Waits up to 20 s for largest_window TITLE to find a window, and prints its id.
wait_window() {
    local found
    window_shown() { found=$(largest_window "$1") && [ -n "$found" ]; }
    wait_until 20 "a window \"$1\"" window_shown "$1" || return 1
    echo "$found"
}

# Waits until window ID is no longer on screen (hidden or gone).
wait_window_gone() {
    window_gone() { ! xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
    wait_until 20 "window $1 to go" window_gone "$1"
}

# The tray icon: the app's small window, as "X Y" of its centre.
tray_icon() {
    local id
    for id in $(xdotool search --onlyvisible --class '^pinlark$' 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        if ((WIDTH <= 64 && HEIGHT <= 64)); then
            echo "$((X + WIDTH / 2)) $((Y + HEIGHT / 2))"
            return 0
        fi
    done
    return 1
}

# Opens the tray icon's menu with a right click, as a user would, and waits for it
# to show (a window of the app that was not on screen before the click). A click
# that lands while the tray host is still settling can be lost: it is tried again.
# Prints the menu's window id once it is drawn, so keys reach it.
open_tray_menu() {
    local icon before menu=
    wait_until 20 "the tray icon" tray_icon >/dev/null || return 1
    icon=$(tray_icon)
    before=" $(xdotool search --onlyvisible --class '^pinlark$' | tr '\n' ' ') "
    menu_shown() {
        local id
        for id in $(xdotool search --onlyvisible --class '^pinlark$' 2>/dev/null); do
            [[ $before == *" $id "* ]] || { menu=$id && return 0; }
        done
        return 1
    }
    for _ in 1 2 3 4 5; do
        # shellcheck disable=SC2086
        xdotool mousemove $icon click 3
        if wait_until 2 "the tray menu" menu_shown 2>/dev/null; then
            wait_painted "$menu" || return 1
            echo "$menu"
            return 0
        fi
    done
    echo "the tray menu did not open after five clicks" >&2
    return 1
}

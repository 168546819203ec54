#!/bin/sh
# Runs a program beside a Secret Service of its own: GNOME Keyring in a fresh home,
# its login keyring made and unlocked with a test password, on the session bus this
# script is started on (run it under dbus-run-session).
set -eu
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME="$home" XDG_DATA_HOME="$home/.local/share" XDG_RUNTIME_DIR="$home/run"
mkdir -p -m 0700 "$XDG_RUNTIME_DIR"
# Reads the password from its input, and stays on the bus until the bus ends.
eval "$(printf 'pinlark-test' | gnome-keyring-daemon --unlock --components=secrets)"
"$@"

#!/usr/bin/env bash
# Installs the build into a throwaway prefix, starts the installed app with a
# client id but no sign-in stored (so the sign-in window must open) and checks that the process
# maps the sign-in library from that prefix, not from where the build was
# configured to go. Usage: install-prefix.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d -t pinlark-prefix.XXXXXX)
pid=
cleanup() {
    [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
    rm -rf "$prefix"
}
trap cleanup EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
export XDG_DATA_HOME="$prefix/data" XDG_RUNTIME_DIR="$prefix/run" QT_QPA_PLATFORM=offscreen
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
# A client id, as a user gives it; without one the sign-in window never opens.
mkdir -p "$XDG_DATA_HOME/Marrowfield/Pinlark"
cat >"$XDG_DATA_HOME/Marrowfield/Pinlark/zanapp.plist" <<'PLIST'
<?xml version="1.0" encoding="UTF-8"?>
<plist version="1.0"><dict>
<key>ClientId</key><string>0f3b2c1d-4e5f-4a6b-8c7d-9e0f1a2b3c4d</string>
</dict></plist>
PLIST
"$prefix/bin/pinlark" >"$prefix/app.log" 2>&1 &
pid=$!
for _ in $(seq 150); do
    if grep -q "^.* $prefix/lib[^ ]*/pinlark/libpinlark_signin.so$" "/proc/$pid/maps" 2>/dev/null; then
        echo "the installed app loaded $(grep -o "$prefix/[^ ]*libpinlark_signin.so" "/proc/$pid/maps" | head -n 1)"
        [ -f "$prefix/share/pinlark/help/index.html" ] || { echo "no help page installed" >&2; exit 1; }
        exit 0
    fi
    if ! kill -0 "$pid" 2>/dev/null; then
        echo "the installed app ended without loading its sign-in library; its output:" >&2
        cat "$prefix/app.log" >&2
        exit 1
    fi
    sleep 0.1
done
echo "the installed app did not load its sign-in library within 15 s; its output:" >&2
cat "$prefix/app.log" >&2
exit 1

#!/usr/bin/env bash
# Checks the desktop entry and the AppStream metainfo as the package ships them:
# each passes its validator (desktop-file-validate; appstreamcli, offline, with no
# warning either), both bear the app's id, and the newest release the metainfo
# announces is the version being built. Exits 77 (skipped) without the validators.
# Usage: validate-desktop-files.sh RESOURCES_DIR APP_ID VERSION
set -uo pipefail
resources=$1 id=$2 version=$3
desktop="$resources/$id.desktop"
metainfo="$resources/$id.metainfo.xml"
if ! command -v desktop-file-validate >/dev/null || ! command -v appstreamcli >/dev/null; then
    echo "desktop-file-validate or appstreamcli missing (desktop-file-utils, appstream): skipped"
    exit 77
fi
failed=0
fail() {
    echo "$*"
    failed=1
}

out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate refused $desktop"
# It also prints hints that do not fail it; the entry should have none.
[ -z "$out" ] || fail "desktop-file-validate: $out"

out=$(appstreamcli validate --no-net --explain "$metainfo" 2>&1) ||
    fail "appstreamcli refused $metainfo"
if grep -Eq '^[EW]: ' <<<"$out"; then
    fail "appstreamcli: $out"
fi

grep -q "<id>$id</id>" "$metainfo" || fail "the metainfo's <id> is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $id.desktop"
newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n 1 | cut -d '"' -f 2)
[ "$newest" = "$version" ] ||
    fail "the metainfo's newest release is \"$newest\", the build's version $version"
grep -q '^Exec=pinlark$' "$desktop" || fail "the desktop entry does not start pinlark"
exit "$failed"

#!/usr/bin/env bash
# Checks the release executable: stripped (under 8 MB), with a debug link naming
# ovrik.debug beside it, and that file holding the debug information.
set -u
release="${1:?the release folder}"
objdump="${2:-x86_64-w64-mingw32-objdump}"
exe="$release/ovrik.exe"
debug="$release/ovrik.debug"
fail() { echo "release: $*" >&2; exit 1; }
[ -f "$exe" ] || fail "$exe is missing"
[ -f "$debug" ] || fail "$debug is missing"
size=$(stat -c %s "$exe")
[ "$size" -lt $((8 * 1024 * 1024)) ] || fail "$exe is $size bytes, not under 8 MB"
"$objdump" -h "$exe" | grep -q '\.debug_info' && fail "$exe still carries debug information"
"$objdump" -h "$exe" | grep -q '\.gnu_debuglink' || fail "$exe has no debug link"
"$objdump" -s -j .gnu_debuglink "$exe" | grep -q 'ovrik.debug' || fail "the debug link does not name ovrik.debug"
"$objdump" -h "$debug" | grep -q '\.debug_info' || fail "$debug holds no debug information"
echo "release: $exe is $size bytes, its debug information is in ovrik.debug"

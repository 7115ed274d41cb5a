#!/usr/bin/env bash
# Builds Ovrik and runs the whole test suite under Wine on a private Xvfb display.
# Extra arguments go to ctest (e.g. -R core to run one suite).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
bash "$here/setup.sh"
source "$here/wine-env.sh"

ovrik_build_all
ovrik_prepare_prefix

wineserver_pid=
cleanup() {
    [ -n "$wineserver_pid" ] && kill "$wineserver_pid" 2>/dev/null || true
    [ -n "${ovrik_xvfb_pid:-}" ] && kill "$ovrik_xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

ovrik_start_xvfb
# One persistent wineserver for the run: each test process then starts in milliseconds.
wineserver -f -p &
wineserver_pid=$!
# Wine's desktop and service processes start with the first window and would hold
# on to the output pipe of whichever test made it, so ctest would wait for them.
wine "$ovrik_build/scripts/winctl.exe" prime </dev/null >/dev/null 2>&1 || true

ctest --test-dir "$ovrik_build" --output-on-failure "$@" </dev/null

#!/usr/bin/env bash
# Builds Ovrik and starts it; arguments are file paths to open. Without a display it
# starts a private Xvfb, waits for the main window, writes build/screenshot.png and
# closes the program.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
bash "$here/setup.sh"
source "$here/wine-env.sh"

ovrik_build_all
ovrik_prepare_prefix

# The stripped release executable; its debug information is in ovrik.debug beside it.
exe="$ovrik_build/release/ovrik.exe"
winctl="$ovrik_build/scripts/winctl.exe"
headless=
if [ -z "${DISPLAY:-}" ]; then
    headless=1
    trap '[ -n "${ovrik_xvfb_pid:-}" ] && kill "$ovrik_xvfb_pid" 2>/dev/null || true' EXIT
    # Before any Wine process: the first one starts Wine's desktop on the display it sees.
    ovrik_start_xvfb
fi

args=()
for a in "$@"; do
    case "$a" in
        -*|/*\\*) args+=("$a") ;;
        *) args+=("$(winepath -w "$(realpath -m "$a")" 2>/dev/null)") ;;
    esac
done

if [ -z "$headless" ]; then
    exec wine "$exe" "${args[@]}"
fi
wine "$exe" "${args[@]}" &
program=$!
shot="$ovrik_build/screenshot.png"
if wine "$winctl" wait OvrikWindow 60; then
    sleep 1
    import -window root "$shot"
    echo "run: screenshot written to $shot"
    wine "$winctl" close OvrikWindow
else
    echo "run: the main window did not appear" >&2
    kill "$program" 2>/dev/null || true
fi
status=0
wait "$program" || status=$?
echo "run: ovrik.exe exited with $status"
exit "$status"

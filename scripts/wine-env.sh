# Sourced by the other scripts: the project's own Wine prefix and environment.
ovrik_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
ovrik_build="${OVRIK_BUILD_DIR:-$ovrik_root/build}"
export WINEPREFIX="${WINEPREFIX:-$ovrik_build/wineprefix}"
export WINEARCH=win64
export WINEDEBUG=-all
# No Mono or Gecko installers asking questions.
export WINEDLLOVERRIDES="mscoree,mshtml="

# Creates the prefix once: Windows 10, a monospaced "Courier New", and Wine drawing
# window frames itself (there is no window manager under Xvfb). Windows are left
# unmanaged: otherwise Wine waits two seconds for a window manager that never
# answers each time a visible window is hidden or destroyed.
ovrik_prepare_prefix() {
    [ -f "$WINEPREFIX/.ovrik-ready-2" ] && return 0
    mkdir -p "$WINEPREFIX"
    env -u DISPLAY wineboot -i >/dev/null 2>&1
    env -u DISPLAY wine winecfg -v win10 >/dev/null 2>&1
    env -u DISPLAY wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Courier New' /d 'Liberation Mono' /f >/dev/null 2>&1
    env -u DISPLAY wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
    env -u DISPLAY wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    # A server left running for this prefix would make a plain wait hang forever.
    wineserver -k 2>/dev/null || true
    wineserver -w
    touch "$WINEPREFIX/.ovrik-ready-2"
}

# Starts Xvfb on a free display; sets DISPLAY and ovrik_xvfb_pid. Two runs started
# at the same moment may pick the same number: the one whose server did not get the
# display (its lock file names another process) moves on to the next number.
ovrik_start_xvfb() {
    local n=90 i attempt
    for attempt in 1 2 3 4 5 6 7 8; do
        while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        ovrik_xvfb_pid=$!
        for i in $(seq 1 100); do
            [ -e "/tmp/.X11-unix/X$n" ] && break
            kill -0 "$ovrik_xvfb_pid" 2>/dev/null || break
            sleep 0.1
        done
        if kill -0 "$ovrik_xvfb_pid" 2>/dev/null &&
            [ "$(tr -d ' ' < "/tmp/.X$n-lock" 2>/dev/null)" = "$ovrik_xvfb_pid" ]; then
            export DISPLAY=":$n"
            return 0
        fi
        kill "$ovrik_xvfb_pid" 2>/dev/null
        n=$((n + 1))
    done
    echo "wine-env: no free X display" >&2
    return 1
}

# Configures (once) and builds everything.
ovrik_build_all() {
    if [ ! -f "$ovrik_build/CMakeCache.txt" ]; then
        (cd "$ovrik_root" && cmake --preset mingw -B "$ovrik_build" >/dev/null)
    fi
    cmake --build "$ovrik_build" -j"${OVRIK_JOBS:-$(nproc)}"
}
